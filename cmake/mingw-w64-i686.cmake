# 32-bit Windows (x86), as the program ships: the CAD release it drives is 32-bit only.
set(CMM_POINTS_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
