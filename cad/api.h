#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "automation/member.h"
#include "automation/value.h"
#include "points/point_line.h"

// The CAD application's interfaces and the members the program calls, in the order of the
// calls of one press.
namespace cad::members {

using automation::Access;
using automation::Bind;
using automation::Interface;
using automation::Kind;
using automation::Member;
using automation::Reach;

inline constexpr automation::OutsideApplication kApplication{"AutoCAD", "AutoCAD.Application.15"};
inline constexpr const char* kProgId = kApplication.progId;

inline constexpr Interface kObjectInterface{
    "ICadObject", {0x5B57EEA0, 0xCA9A, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}}};
inline constexpr Interface kEntityInterface{
    "ICadEntity",
    {0x5B57EEA2, 0xCA9A, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}},
    &kObjectInterface};
inline constexpr Interface kSolidInterface{
    "ICadSolid",
    {0x2928D49A, 0xCA93, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}},
    &kEntityInterface};
inline constexpr Interface kCircleInterface{
    "ICadCircle",
    {0x2928D4A4, 0xCA93, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}},
    &kEntityInterface};
inline constexpr Interface kSplineInterface{
    "ICadSpline",
    {0x2928D4CD, 0xCA93, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}},
    &kEntityInterface};
inline constexpr Interface kGroupInterface{
    "ICadGroup", {0xB49978B6, 0xF971, 0x11D1, {0xA2, 0xC8, 0x08, 0x00, 0x09, 0xDC, 0x63, 0x9A}}};

inline constexpr std::array kInterfaces{&kObjectInterface, &kEntityInterface, &kSolidInterface,
                                        &kCircleInterface, &kSplineInterface, &kGroupInterface};

// The running application, attached by its ProgID, and its active document.
inline constexpr Member kAttach{.name = "Attach", .reach = Reach::Connect, .result = Kind::Object};
inline constexpr Member kVisible{.name = "Visible", .access = Access::Put, .args = {Kind::Bool}};
inline constexpr Member kActiveDocument{
    .name = "ActiveDocument", .access = Access::Get, .result = Kind::Object};
inline constexpr Member kGroups{.name = "Groups", .access = Access::Get, .result = Kind::Object};
// The group collection, and a group.
inline constexpr Member kGroupsItem{
    .name = "Item", .args = {Kind::Text}, .result = Kind::Object, .resultFace = &kGroupInterface};
inline constexpr Member kEntityAt{.name = "EntityAt",
                                  .reach = Reach::Direct,
                                  .face = &kGroupInterface,
                                  .position = 20,
                                  .args = {Kind::Int16Variant},
                                  .result = Kind::Object,
                                  .resultFace = &kEntityInterface};
// The model space.
inline constexpr Member kModelSpace{
    .name = "ModelSpace", .access = Access::Get, .result = Kind::Object};
inline constexpr Member kAddSphere{.name = "AddSphere",
                                   .args = {Kind::Point, Kind::Real},
                                   .result = Kind::Object,
                                   .resultFace = &kSolidInterface};
inline constexpr Member kAddCircle{.name = "AddCircle",
                                   .args = {Kind::Point, Kind::Real},
                                   .result = Kind::Object,
                                   .resultFace = &kCircleInterface};
inline constexpr Member kAddSpline{.name = "AddSpline",
                                   .args = {Kind::Points, Kind::Point, Kind::Point},
                                   .result = Kind::Object,
                                   .resultFace = &kSplineInterface};
// Drawing objects, entities and solids.
inline constexpr Member kFinish{
    .name = "Finish", .reach = Reach::Direct, .face = &kEntityInterface, .position = 41};
inline constexpr Member kMarkCode{.name = "MarkCode",
                                  .reach = Reach::Direct,
                                  .access = Access::Put,
                                  .face = &kEntityInterface,
                                  .position = 21,
                                  .args = {Kind::Int32}};
inline constexpr Member kCheckInterference{.name = "CheckInterference",
                                           .face = &kEntityInterface,
                                           .args = {Kind::Object, Kind::Bool},
                                           .result = Kind::Object,
                                           .resultFace = &kSolidInterface};
inline constexpr Member kMeasure{.name = "Measure",
                                 .reach = Reach::Direct,
                                 .access = Access::Get,
                                 .face = &kSolidInterface,
                                 .position = 57,
                                 .result = Kind::Real};
inline constexpr Member kDiscard{
    .name = "Discard", .reach = Reach::Direct, .face = &kObjectInterface, .position = 11};

}  // namespace cad::members

// What the program asks of the CAD application, each function by the row named beside it.
// Results arrive as automation values and are taken with automation::toObject / toDouble; a
// result of the wrong kind is a failure. Each call throws points::ProgramFailure when the
// application refuses it.
namespace cad {

using automation::Value;
using points::Point3;

// The object interface: what every drawing object answers.
class CadObject : public automation::Object {
  public:
    virtual void discard() = 0;  // kDiscard
};

// The entity interface: spheres, circles, splines and the part's reference entity.
class Entity : public CadObject {
  public:
    virtual void setMarkCode(std::int32_t code) = 0;  // kMarkCode
    virtual void finish() = 0;                        // kFinish
    // kCheckInterference: the interference solid, or nothing when they do not meet.
    virtual Value checkInterference(const std::shared_ptr<Entity>& other, bool createSolid) = 0;
};

// The solid interface: spheres and interference solids.
class Solid : public Entity {
  public:
    virtual Value measure() = 0;  // kMeasure
};

class Circle : public Entity {};
class Spline : public Entity {};

class ModelSpace : public automation::Object {
  public:
    virtual Value addSphere(const Point3& centre, double radius) = 0;  // kAddSphere
    virtual Value addCircle(const Point3& centre, double radius) = 0;  // kAddCircle
    // kAddSpline; an empty point array stands for one never allocated.
    virtual Value addSpline(const std::vector<double>& points, const Point3& start,
                            const Point3& end) = 0;
};

class Group : public automation::Object {
  public:
    virtual Value entityAt(std::int16_t index) = 0;  // kEntityAt
};

class Groups : public automation::Object {
  public:
    virtual Value item(const std::string& name) = 0;  // kGroupsItem
};

class Document : public automation::Object {
  public:
    virtual Value modelSpace() = 0;  // kModelSpace
    virtual Value groups() = 0;      // kGroups
};

class Application : public automation::Object {
  public:
    virtual void setVisible(bool visible) = 0;  // kVisible
    virtual Value activeDocument() = 0;         // kActiveDocument
};

// Which function of the interfaces above answers each row, one list per kind of object the
// application hands out: the stand-ins answer by these lists.
namespace members {

using ApplicationMembers = std::tuple<Bind<kVisible, &Application::setVisible>,
                                      Bind<kActiveDocument, &Application::activeDocument>>;
using DocumentMembers =
    std::tuple<Bind<kModelSpace, &Document::modelSpace>, Bind<kGroups, &Document::groups>>;
using GroupsMembers = std::tuple<Bind<kGroupsItem, &Groups::item>>;
using GroupMembers = std::tuple<Bind<kEntityAt, &Group::entityAt>>;
using ModelSpaceMembers =
    std::tuple<Bind<kAddSphere, &ModelSpace::addSphere>, Bind<kAddCircle, &ModelSpace::addCircle>,
               Bind<kAddSpline, &ModelSpace::addSpline>>;
// Every drawing object: which members it holds follows its kind.
using EntityMembers =
    std::tuple<Bind<kDiscard, &CadObject::discard>, Bind<kMarkCode, &Entity::setMarkCode>,
               Bind<kFinish, &Entity::finish>, Bind<kCheckInterference, &Entity::checkInterference>,
               Bind<kMeasure, &Solid::measure>>;

// Every row: the application, attached by its ProgID, then what its objects answer.
inline constexpr auto kMembers =
    automation::joined(std::array{&kAttach}, automation::rowsOf(ApplicationMembers{}),
                       automation::rowsOf(DocumentMembers{}), automation::rowsOf(GroupsMembers{}),
                       automation::rowsOf(GroupMembers{}), automation::rowsOf(ModelSpaceMembers{}),
                       automation::rowsOf(EntityMembers{}));

}  // namespace members

// Attaches to the running application (kAttach); never starts one.
class Connector {
  public:
    virtual ~Connector() = default;
    virtual Value attach() = 0;
};

}  // namespace cad
