#pragma once

#include <windows.h>

// The stand-in servers' own class identifiers, registered under the real applications' ProgIDs.
namespace standin::com {

inline constexpr CLSID kMeasurementServerClass{
    0x6C1A52E4, 0x3B0D, 0x4F2E, {0x9A, 0x61, 0x2D, 0x4B, 0x7E, 0x10, 0xC3, 0x01}};
inline constexpr CLSID kCadServerClass{
    0x6C1A52E4, 0x3B0D, 0x4F2E, {0x9A, 0x61, 0x2D, 0x4B, 0x7E, 0x10, 0xC3, 0x02}};

}  // namespace standin::com
