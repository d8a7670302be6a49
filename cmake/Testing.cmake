# Registers a GoogleTest executable with ctest. Natively each test case is its own ctest entry;
# in a cross build the whole executable runs once through the emulator (Wine).
function(cmm_points_add_tests target)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target})
    else()
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
    endif()
endfunction()
