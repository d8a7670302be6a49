#!/bin/sh
# Builds CMM Points with its tests and runs every test through ctest.
#
# The Windows tests run the 32-bit build, as the program ships, where this machine runs 32-bit
# programs, and the 64-bit build where it runs none (or CMM_POINTS_NO_32BIT=1 says to act so);
# the 32-bit dist/cmm_points.exe is built and checked in either case.
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${CMM_POINTS_BUILD_DIR:-$root/build-test}"
results="$(mktemp -d)"
trap 'rm -rf "$results"' EXIT

# Each ctest run leaves its counts in $results; the last line of the output adds them up.
run_ctest() {
    run_name=$1
    shift
    ctest --output-junit "$results/$run_name.xml" "$@"
}
count() { # the attribute $1 of the run $2's results
    sed -n "s/^[[:space:]]*$1=\"\([0-9]*\)\"/\1/p" "$results/$2.xml" 2>/dev/null | head -n 1
}

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
    run_ctest native --test-dir "$build" --output-on-failure -j"$(nproc)"

# The Windows part: each bitness built once, as it is handed to users (dist/, dist-x86_64/, both
# checked without running them), the tested one together with its tests; the other one builds
# at low priority while the tests run, since they mostly wait. ctest runs each test executable
# through Wine (cmake/wine-run.sh) in a Wine prefix inside the build folder, under Xvfb; two at
# a time, the tests of one prefix one after another. The tests across processes run against the
# servers of the tested build and, for what crosses bitness (the *bit_servers row, last where it
# runs), of the other one.
. "$root/scripts/wine-mode.sh"
if [ "$wine_bits" = 32 ]; then
    echo "Windows tests: the 32-bit build, as it ships, under Wine: $wine_reason"
    tested=i686 other=x86_64 other_servers="-DCMM_POINTS_OTHER_SERVERS_DIR=$root/dist-x86_64"
    win_build="$root/build-windows"
    other_build="$root/build-windows-x86_64"
    cross_later='bit_servers$'
else
    echo "Windows tests: the 64-bit build under Wine's 64-bit loader: $wine_reason." \
        "The 32-bit program is built and checked, not run; not run either: the row" \
        "server_tests_32bit_servers (the tests across processes against the 32-bit servers)"
    tested=x86_64 other=i686 other_servers="-DCMM_POINTS_OTHER_SERVERS_NOT_RUN=$wine_reason"
    win_build="$root/build-windows-x86_64"
    other_build="$root/build-windows"
    cross_later='^$' # the cross row only reports that it was not run, so it goes with the rest
fi
CMM_POINTS_WINDOWS_TESTS=ON CMM_POINTS_WINDOWS_BUILD_DIR="$win_build" \
    "$root/scripts/build-windows.sh" "$tested" -DCMM_POINTS_OTHER_SERVERS_DIR= \
    -DCMM_POINTS_OTHER_SERVERS_NOT_RUN= "$other_servers"
mkdir -p "$other_build"
CMM_POINTS_WINDOWS_BUILD_DIR="$other_build" nice -n 19 "$root/scripts/build-windows.sh" "$other" \
    >"$other_build/build.log" 2>&1 &
other_job=$!
status=0 runs="native windows"
run_ctest windows --test-dir "$win_build" --output-on-failure -j2 -E "$cross_later" || status=$?
if wait "$other_job"; then
    tail -n 3 "$other_build/build.log"
else
    cat "$other_build/build.log"
    echo "test: the $other build failed" >&2
    status=1
fi
if [ "$wine_bits" = 32 ]; then
    run_ctest cross_bitness --test-dir "$win_build" --output-on-failure -R "$cross_later" ||
        status=$?
    runs="$runs cross_bitness"
fi

# The release, made from the 32-bit build above, unsigned and signed, and read back as it ships.
release_failed=0
"$root/scripts/check-release.sh" || { status=$?; release_failed=1; }

# One closing line for the whole run: every ctest entry, and the release check as one more.
passed=0 failed=$release_failed skipped=0
for run in $runs; do
    tests=$(count tests "$run") failures=$(count failures "$run") skips=$(count skipped "$run")
    if [ -z "$tests" ]; then
        echo "test: the $run tests left no results" >&2
        failed=$((failed + 1)) status=1
        continue
    fi
    passed=$((passed + tests - failures - skips))
    failed=$((failed + failures))
    skipped=$((skipped + skips))
done
echo "tests: $((passed + 1 - release_failed)) passed, $failed failed, $skipped skipped"
exit $status
