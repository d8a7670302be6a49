#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "automation/value.h"
#include "points/point_line.h"

// What the program asks of the CAD application. Results arrive as automation values and are
// taken with automation::toObject / toDouble; a result of the wrong kind is a failure. Each call
// throws points::ProgramFailure when the application refuses it.
namespace cad {

using automation::Value;
using points::Point3;

// The object interface: what every drawing object answers.
class CadObject : public automation::Object {
  public:
    virtual void discard() = 0;  // "Discard", direct
};

// The entity interface: spheres, circles, splines and the part's reference entity.
class Entity : public CadObject {
  public:
    virtual void setMarkCode(std::int32_t code) = 0;  // "MarkCode" (set), direct
    virtual void finish() = 0;                        // "Finish", direct
    // "CheckInterference", by name: the interference solid, or nothing when they do not meet.
    virtual Value checkInterference(const std::shared_ptr<Entity>& other, bool createSolid) = 0;
};

// The solid interface: spheres and interference solids.
class Solid : public Entity {
  public:
    virtual Value measure() = 0;  // "Measure" (get), direct
};

class Circle : public Entity {};
class Spline : public Entity {};

class ModelSpace : public automation::Object {
  public:
    virtual Value addSphere(const Point3& centre, double radius) = 0;
    virtual Value addCircle(const Point3& centre, double radius) = 0;
    // An empty point array stands for one never allocated.
    virtual Value addSpline(const std::vector<double>& points, const Point3& start,
                            const Point3& end) = 0;
};

class Group : public automation::Object {
  public:
    virtual Value entityAt(std::int16_t index) = 0;  // "EntityAt", direct
};

class Groups : public automation::Object {
  public:
    virtual Value item(const std::string& name) = 0;
};

class Document : public automation::Object {
  public:
    virtual Value modelSpace() = 0;
    virtual Value groups() = 0;
};

class Application : public automation::Object {
  public:
    virtual void setVisible(bool visible) = 0;
    virtual Value activeDocument() = 0;
};

// Attaches to the running application registered as "AutoCAD.Application.15"; never starts one.
class Connector {
  public:
    virtual ~Connector() = default;
    virtual Value attach() = 0;
};

}  // namespace cad
