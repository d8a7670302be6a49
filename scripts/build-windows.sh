#!/bin/sh
# Cross-builds the Windows program with mingw-w64 (Release, static) and installs it: cmm_points.exe
# and whatever else the build has install rules for. Then checks every executable there without
# running it (scripts/check-windows-programs.sh).
#
#   build-windows.sh [i686|x86_64] [CMake options...]
#
# i686, the default, is the program as it ships: 32-bit, like the original and the CAD release it
# drives, into dist/. x86_64 is the 64-bit build option, into dist-x86_64/.
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
arch="${1:-i686}"
[ $# -gt 0 ] && shift
case "$arch" in
    i686) default_build="$root/build-windows" dist="$root/dist" ;;
    x86_64) default_build="$root/build-windows-x86_64" dist="$root/dist-x86_64" ;;
    *) echo "build-windows: unknown architecture '$arch' (i686 or x86_64)" >&2; exit 2 ;;
esac
build="${CMM_POINTS_WINDOWS_BUILD_DIR:-$default_build}"

"$root/scripts/setup.sh"

# The test command builds the tests in the same build, so that it needs one cross build only.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-$arch.cmake" \
    -DCMM_POINTS_BUILD_APP=OFF -DCMM_POINTS_BUILD_TESTS="${CMM_POINTS_WINDOWS_TESTS:-OFF}" \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
cmake --build "$build" -j"$(nproc)"
rm -rf "$dist"
cmake --install "$build" --prefix "$dist"

"$root/scripts/check-windows-programs.sh" "$arch" "$dist"
