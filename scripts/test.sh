#!/bin/sh
# Builds CMM Points with its tests and runs every test through ctest.
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

# The 64-bit build option, without its tests: the program and the stand-in servers, whose
# executables (dist-x86_64/) the 32-bit tests below also run against.
"$root/scripts/build-windows.sh" x86_64

# The Windows program as it is handed to users (dist/cmm_points.exe, 32-bit, and the stand-in
# servers, checked for their imports), built together with its tests; ctest runs each test
# executable through Wine (cmake/wine-run.sh) in a Wine prefix inside the build folder, under
# Xvfb. One at a time: they share that prefix. The tests across processes run against the 32-bit
# servers of this build and, for what crosses bitness, once more against the 64-bit ones.
win_build="${CMM_POINTS_WIN_BUILD_DIR:-$root/build-win-test}"
CMM_POINTS_WINDOWS_BUILD_DIR="$win_build" CMM_POINTS_WINDOWS_TESTS=ON \
    "$root/scripts/build-windows.sh" i686 -DCMM_POINTS_OTHER_SERVERS_DIR="$root/dist-x86_64"
ctest --test-dir "$win_build" --output-on-failure
