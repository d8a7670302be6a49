# 32-bit Windows (x86), as the program ships: the CAD release it drives is 32-bit only.
set(CMM_POINTS_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
# Doubles in SSE2 registers, as on x64, not in the x87's 80-bit ones: otherwise a coordinate
# computed here can differ in its last digit from the same computation in a 64-bit process (an
# application's, or the 64-bit build). Every processor Windows 8 and later runs on has SSE2.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
