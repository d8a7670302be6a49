#!/bin/sh
# Cross-builds the Windows program with mingw-w64 (Release, static) and installs it: cmm_points.exe
# and whatever else the build has install rules for. Then checks every executable there without
# running it: its machine type and its manifest's architecture are the build's, and it imports
# only DLLs that every Windows has.
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
    i686) default_build="$root/build-windows" dist="$root/dist" machine=i386 manifest_arch=x86 ;;
    x86_64) default_build="$root/build-windows-x86_64" dist="$root/dist-x86_64" machine=x86-64
            manifest_arch=amd64 ;;
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

# Windows' own DLLs, present on every installation; anything else would have to ship beside the
# executable, and nothing does.
system_dlls="kernel32.dll user32.dll gdi32.dll advapi32.dll ole32.dll oleaut32.dll msvcrt.dll \
shell32.dll comctl32.dll"
status=0
fail() {
    echo "build-windows: $(basename "$program") $*" >&2
    status=1
}
for program in "$dist"/*.exe; do
    format=$("$arch-w64-mingw32-objdump" -f "$program" | sed -n 's/.*file format pei-//p')
    [ "$format" = "$machine" ] || fail "is a PE of machine $format, not $machine"
    # The program's own assembly identity; the common controls' one names every architecture.
    named=$(tr -d '\r\n' <"$program" | grep -a -o 'name="CmmPoints\.CmmPoints"[^>]*' |
        sed -n 's/.*processorArchitecture="\([^"]*\)".*/\1/p')
    if [ -n "$named" ] || [ "$(basename "$program")" = cmm_points.exe ]; then
        [ "$named" = "$manifest_arch" ] ||
            fail "has a manifest for architecture '${named:-none}', not $manifest_arch"
    fi
    imports=$("$arch-w64-mingw32-objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' |
        tr 'A-Z' 'a-z' | sort -u)
    for dll in $imports; do
        case " $system_dlls " in
            *" $dll "*) ;;
            *) fail "imports $dll, not part of Windows" ;;
        esac
    done
    echo "$(basename "$program") (PE $format, manifest ${named:-none}): $(wc -c <"$program") bytes," \
        "imports" $imports
done
exit $status
