#!/bin/sh
# Builds CMM Points with its tests and runs every test through ctest.
#
# The Windows tests run the 32-bit build, as the program ships, where this machine runs 32-bit
# programs, and the 64-bit build where it runs none (or CMM_POINTS_NO_32BIT=1 says to act so);
# the 32-bit dist/cmm_points.exe is built and checked in either case.
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${CMM_POINTS_BUILD_DIR:-$root/build-test}"

"$root/scripts/setup.sh"

# The program and its tests, natively: the logic against the stand-ins, the window offscreen, and
# the fuzz targets replaying their corpora, all built with AddressSanitizer and
# UndefinedBehaviorSanitizer. Any report, leaks included, fails the test that made it.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMM_POINTS_BACKEND=standin \
    -DCMM_POINTS_BUILD_TESTS=ON -DCMM_POINTS_SANITIZE=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build "$build" -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1 \
LSAN_OPTIONS=suppressions="$root/scripts/lsan.supp" \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

# The Windows part: each bitness built once, as it is handed to users (dist/, dist-x86_64/, both
# checked without running them), the tested one together with its tests. ctest runs each test
# executable through Wine (cmake/wine-run.sh) in a Wine prefix inside the build folder, under
# Xvfb; one at a time, since they share that prefix. The tests across processes run against the
# servers of the tested build and, for what crosses bitness, against those of the other one.
. "$root/scripts/wine-mode.sh"
if [ "$wine_bits" = 32 ]; then
    echo "Windows tests: the 32-bit build, as it ships, under Wine: $wine_reason"
    "$root/scripts/build-windows.sh" x86_64
    CMM_POINTS_WINDOWS_TESTS=ON "$root/scripts/build-windows.sh" i686 \
        -DCMM_POINTS_OTHER_SERVERS_DIR="$root/dist-x86_64" -DCMM_POINTS_OTHER_SERVERS_NOT_RUN=
    win_build="$root/build-windows"
else
    echo "Windows tests: the 64-bit build under Wine's 64-bit loader: $wine_reason." \
        "The 32-bit program is built and checked, not run; not run either: server_tests_32bit_servers" \
        "(the tests across processes against 32-bit servers)"
    "$root/scripts/build-windows.sh" i686
    CMM_POINTS_WINDOWS_TESTS=ON "$root/scripts/build-windows.sh" x86_64 \
        -DCMM_POINTS_OTHER_SERVERS_DIR= -DCMM_POINTS_OTHER_SERVERS_NOT_RUN="$wine_reason"
    win_build="$root/build-windows-x86_64"
fi
ctest --test-dir "$win_build" --output-on-failure

# The release, made from the 32-bit build above, unsigned and signed, and read back as it ships.
"$root/scripts/check-release.sh"
