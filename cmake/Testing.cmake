# Registers a GoogleTest executable with ctest. Natively each test case is its own ctest entry;
# in a cross build the whole executable runs once through the emulator (Wine), and its own code
# builds unoptimised: GoogleTest's templates make optimising it cost about a third of the cross
# build, while the code under test, in the libraries it links, keeps the release optimisation.
function(cmm_points_add_tests target)
    if(CMAKE_CROSSCOMPILING)
        target_compile_options(${target} PRIVATE -O0)
        add_test(NAME ${target} COMMAND ${target})
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
    endif()
endfunction()
