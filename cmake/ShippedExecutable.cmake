# What an IT department reads from each Windows executable that ships: a version resource with the
# company, the copyright and the build number, Windows 7 as the oldest system it runs on, and the
# mark that it is fit for a shared terminal server (otherwise Windows treats it as a legacy program
# there and redirects its view of the system folders and registry).
set(CMM_POINTS_COMPANY "CMM Points developers" CACHE STRING
    "The company named in the executables' version resources")

# The project's version as three numbers; the build number is the fourth.
string(REGEX MATCHALL "[0-9]+" numbers "${PROJECT_VERSION}.0.0")
list(SUBLIST numbers 0 3 numbers)
list(JOIN numbers . CMM_POINTS_VERSION)

find_package(Git QUIET)
set(CMM_POINTS_VERSION_DIR ${CMAKE_BINARY_DIR}/version)
set(version_header ${CMM_POINTS_VERSION_DIR}/build_number.h)
add_custom_target(cmm_points_build_number
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DGIT=${GIT_EXECUTABLE}
            -DVERSION=${CMM_POINTS_VERSION} -DCOMPANY=${CMM_POINTS_COMPANY}
            -DTEMPLATE=${CMAKE_CURRENT_LIST_DIR}/build_number.h.in -DOUTPUT=${version_header}
            -P ${CMAKE_CURRENT_LIST_DIR}/BuildNumber.cmake
    BYPRODUCTS ${version_header}
    COMMENT "Reading the build number from git"
    VERBATIM)

set(CMM_POINTS_VERSION_RESOURCE ${CMAKE_CURRENT_LIST_DIR}/version_info.rc.in)

# cmm_points_shipped_executable(<target> <description>)
function(cmm_points_shipped_executable target description)
    set(file_description "${description}")
    set(version_rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${CMM_POINTS_VERSION_RESOURCE} ${version_rc} @ONLY)
    set_source_files_properties(${version_rc} PROPERTIES OBJECT_DEPENDS ${version_header})
    target_sources(${target} PRIVATE ${version_rc})
    target_include_directories(${target} PRIVATE ${CMM_POINTS_VERSION_DIR})
    add_dependencies(${target} cmm_points_build_number)
    target_link_options(${target} PRIVATE
        -Wl,--major-subsystem-version,6,--minor-subsystem-version,1
        -Wl,--major-os-version,6,--minor-os-version,1 -Wl,--tsaware)
endfunction()
