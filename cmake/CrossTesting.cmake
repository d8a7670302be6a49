# Tests of the Windows cross build: GoogleTest compiled from Debian's sources with the cross
# compiler, and every test executable run through Wine in a prefix of this build folder (under
# Xvfb when there is no display, since some tests open real windows).
set(CMM_POINTS_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
if(NOT EXISTS ${CMM_POINTS_GTEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found in ${CMM_POINTS_GTEST_SOURCE}")
endif()

set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# Built with its own warning settings, not the program's, and unoptimised as the tests are.
get_directory_property(cmm_points_saved_options COMPILE_OPTIONS)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "-O0")
add_subdirectory(${CMM_POINTS_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "${cmm_points_saved_options}")
# GoogleTest's own build names its targets GTest::gtest and GTest::gtest_main already.

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wine-prefix)
endif()
