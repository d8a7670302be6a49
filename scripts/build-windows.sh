#!/bin/sh
# Cross-builds the Windows program with mingw-w64 (Release, static) and installs it into
# dist/: cmm_points.exe and whatever else the build has install rules for. Then checks that every
# executable there imports only DLLs that every Windows has.
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${CMM_POINTS_WINDOWS_BUILD_DIR:-$root/build-windows}"
dist="$root/dist"

"$root/scripts/setup.sh"

# The test command builds the tests in the same build, so that it needs one cross build only.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMM_POINTS_BUILD_APP=OFF -DCMM_POINTS_BUILD_TESTS="${CMM_POINTS_WINDOWS_TESTS:-OFF}" \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build "$build" -j"$(nproc)"
rm -rf "$dist"
cmake --install "$build" --prefix "$dist"

# Windows' own DLLs, present on every installation; anything else would have to ship beside the
# executable, and nothing does.
system_dlls="kernel32.dll user32.dll gdi32.dll advapi32.dll ole32.dll oleaut32.dll msvcrt.dll \
shell32.dll comctl32.dll"
status=0
for program in "$dist"/*.exe; do
    imports=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' |
        tr 'A-Z' 'a-z' | sort -u)
    for dll in $imports; do
        case " $system_dlls " in
            *" $dll "*) ;;
            *) echo "build-windows: $(basename "$program") imports $dll, not part of Windows" >&2
               status=1 ;;
        esac
    done
    echo "$(basename "$program"): $(wc -c <"$program") bytes, imports" $imports
done
exit $status
