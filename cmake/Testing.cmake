# Registers a GoogleTest executable with ctest. Natively each test case is its own ctest entry.
# In a cross build the whole executable runs once under Wine, in the build folder's Wine prefix
# or in one of its own (PREFIX name): the tests of one prefix run one at a time, since they
# register the stand-in servers there, and those of different prefixes side by side. Its own code
# builds unoptimised: GoogleTest's templates make optimising it cost about a third of the cross
# build, while the code under test, in the libraries it links, keeps the release optimisation.
function(cmm_points_add_tests target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "PREFIX" "")
    if(CMAKE_CROSSCOMPILING)
        target_compile_options(${target} PRIVATE -O0)
        if(arg_PREFIX)
            add_test(NAME ${target} COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-run.sh
                                            ${CMAKE_BINARY_DIR}/${arg_PREFIX} $<TARGET_FILE:${target}>)
            set_tests_properties(${target} PROPERTIES RESOURCE_LOCK ${arg_PREFIX})
        else()
            add_test(NAME ${target} COMMAND ${target})
            set_tests_properties(${target} PROPERTIES RESOURCE_LOCK wine-prefix)
        endif()
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
    endif()
endfunction()
