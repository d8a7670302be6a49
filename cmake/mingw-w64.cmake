# Cross build for Windows with mingw-w64, included by the toolchain file of each architecture
# after it has set CMM_POINTS_MINGW_TRIPLET and CMAKE_SYSTEM_PROCESSOR. The posix thread model is
# what std::thread and GoogleTest need. A static build keeps the executables free of DLLs that
# Windows or Wine would have to find.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${CMM_POINTS_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CMM_POINTS_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${CMM_POINTS_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${CMM_POINTS_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
