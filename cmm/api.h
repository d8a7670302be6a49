#pragma once

#include <cstdint>
#include <string>

#include "automation/value.h"

// What the program asks of the measurement application. Every result arrives as an automation
// value; the program converts it (automation::toText, toObject, ...) where it relies on a kind.
// Each call throws points::ProgramFailure when the application refuses it.
namespace cmm {

using automation::Value;

// Member numbers of the point object's coordinates.
enum class Axis { X = 1, Y = 2, Z = 3 };

class PointObject : public automation::Object {
  public:
    virtual Value coordinate(Axis axis) = 0;                  // members 1, 2, 3 (get)
    virtual void setCoordinate(Axis axis, double value) = 0;  // members 1, 2, 3 (put)
};

class FeatureData : public automation::Object {
  public:
    virtual Value pointCount() = 0;  // member 2
    // Member 65; the program passes (j, 12, 3, 13, "", 0).
    virtual Value featurePoint(std::int32_t number, std::int32_t a, std::int32_t b, std::int32_t c,
                               const std::string& text, std::int32_t d) = 0;
};

class Command : public automation::Object {
  public:
    virtual Value id() = 0;           // "ID"
    virtual Value value() = 0;        // member 0, the default member
    virtual Value featureData() = 0;  // member 9
};

class CommandCollection : public automation::Object {
  public:
    virtual Value count() = 0;  // "count"
    // "Item"; the position goes by reference, as the application's signature has it.
    virtual Value item(std::int16_t& position) = 0;
    virtual Value commandById(const std::string& id) = 0;  // member 9
};

class OldBasic : public automation::Object {
  public:
    virtual Value getProbeRadius() = 0;  // "GetProbeRadius"
};

class PartProgram : public automation::Object {
  public:
    virtual Value oldBasic() = 0;  // "OldBasic"
    virtual Value commands() = 0;  // "Commands"
};

class Machine : public automation::Object {
  public:
    virtual Value name() = 0;  // member 1
};

class Application : public automation::Object {
  public:
    virtual Value machine(std::int16_t number) = 0;  // member 16
    virtual Value partProgram() = 0;                 // member 2
};

// Creates the application from its ProgID "pcdlrn.application".
class Connector {
  public:
    virtual ~Connector() = default;
    virtual Value create() = 0;
};

}  // namespace cmm
