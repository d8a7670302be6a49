#pragma once

#include <ole2.h>
#include <windows.h>

// The interface identifiers the outside applications' objects answer to, and the positions of
// the members the program calls directly in their function tables (0 to 6 are IUnknown and
// IDispatch).
namespace com::ids {

// Measurement application.
inline constexpr GUID kCmmApplication{
    0xF8513E11, 0xEAC0, 0x11D1, {0x94, 0xC3, 0x00, 0x60, 0x08, 0x40, 0x43, 0xB5}};
inline constexpr GUID kCmmMachine{
    0x72555404, 0xEC03, 0x11D1, {0x94, 0xC4, 0x00, 0x60, 0x08, 0x40, 0x43, 0xB5}};
inline constexpr GUID kCmmCommands{
    0xFCCF1AE8, 0xFA24, 0x11D1, {0x94, 0xDC, 0x00, 0x60, 0x08, 0x40, 0x43, 0xB5}};
inline constexpr GUID kCmmCommand{
    0xFCCF1AEB, 0xFA24, 0x11D1, {0x94, 0xDC, 0x00, 0x60, 0x08, 0x40, 0x43, 0xB5}};
inline constexpr GUID kCmmFeatureData{
    0xEB3ECBD7, 0x0B76, 0x11D2, {0x94, 0xF0, 0x00, 0x60, 0x08, 0x40, 0x43, 0xB5}};
inline constexpr GUID kCmmPointObject{
    0x76C94BB1, 0xF70F, 0x11D1, {0x94, 0xD7, 0x00, 0x60, 0x08, 0x40, 0x43, 0xB5}};

// CAD application. The entity interface derives from the object interface, so Discard keeps its
// position in every entity's table.
inline constexpr GUID kCadObject{
    0x5B57EEA0, 0xCA9A, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}};
inline constexpr GUID kCadEntity{
    0x5B57EEA2, 0xCA9A, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}};
inline constexpr GUID kCadSolid{
    0x2928D49A, 0xCA93, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}};
inline constexpr GUID kCadCircle{
    0x2928D4A4, 0xCA93, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}};
inline constexpr GUID kCadSpline{
    0x2928D4CD, 0xCA93, 0x11D1, {0xB6, 0x0F, 0x00, 0x60, 0xB0, 0x87, 0xE2, 0x35}};
inline constexpr GUID kCadGroup{
    0xB49978B6, 0xF971, 0x11D1, {0xA2, 0xC8, 0x08, 0x00, 0x09, 0xDC, 0x63, 0x9A}};

inline constexpr int kDiscardPosition = 11;   // object interface
inline constexpr int kEntityAtPosition = 20;  // group interface
inline constexpr int kMarkCodePosition = 21;  // entity interface, property put
inline constexpr int kFinishPosition = 41;    // entity interface
inline constexpr int kMeasurePosition = 57;   // solid interface, property get

// Whether an object's interface `face` holds the members of interface `base` at their
// positions: the entity interface derives from the object interface, and the solid, circle and
// spline interfaces from the entity interface.
inline bool holdsMembersOf(const GUID& face, const GUID& base) {
    if (face == base) return true;
    if (face == kCadSolid || face == kCadCircle || face == kCadSpline)
        return base == kCadEntity || base == kCadObject;
    return face == kCadEntity && base == kCadObject;
}

inline constexpr const char* kCmmProgId = "pcdlrn.application";
inline constexpr const char* kCadProgId = "AutoCAD.Application.15";

}  // namespace com::ids
