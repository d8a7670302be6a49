#!/bin/sh
# Checks the Windows executables in each folder given without running them: each is a PE of the
# build's machine, the program's manifest names that architecture, it imports only DLLs that every
# Windows has, and it names Windows 7 as the oldest system it runs on and is fit for a terminal
# server.
#
#   check-windows-programs.sh i686|x86_64 FOLDER...
set -eu

arch="$1"
shift
case "$arch" in
    i686) machine=i386 manifest_arch=x86 ;;
    x86_64) machine=x86-64 manifest_arch=amd64 ;;
    *) echo "check-windows-programs: unknown architecture '$arch' (i686 or x86_64)" >&2; exit 2 ;;
esac

# Windows' own DLLs, present on every installation; anything else would have to ship beside the
# executable, and nothing does.
system_dlls="kernel32.dll user32.dll gdi32.dll advapi32.dll ole32.dll oleaut32.dll msvcrt.dll \
shell32.dll comctl32.dll"
status=0
fail() {
    echo "check-windows-programs: $(basename "$program") $*" >&2
    status=1
}
# One field of the PE headers objdump printed.
header() { echo "$headers" | awk -v field="$1" '$1 == field { print $2 }'; }

check() {
    program="$1"
    headers=$("$arch-w64-mingw32-objdump" -p "$program")
    format=$("$arch-w64-mingw32-objdump" -f "$program" | sed -n 's/.*file format pei-//p')
    [ "$format" = "$machine" ] || fail "is a PE of machine $format, not $machine"
    # The program's own assembly identity; the common controls' one names every architecture.
    named=$(tr -d '\r\n' <"$program" | grep -a -o 'name="CmmPoints\.CmmPoints"[^>]*' |
        sed -n 's/.*processorArchitecture="\([^"]*\)".*/\1/p')
    if [ -n "$named" ] || [ "$(basename "$program")" = cmm_points.exe ]; then
        [ "$named" = "$manifest_arch" ] ||
            fail "has a manifest for architecture '${named:-none}', not $manifest_arch"
    fi
    # Below 6, Windows treats the program as one written before Vista (legacy window frame
    # metrics among others).
    for kind in Subsystem OSystem; do
        version="$(header "Major${kind}Version").$(header "Minor${kind}Version")"
        [ "$version" = 6.1 ] || fail "names $kind version $version, not 6.1 (Windows 7)"
    done
    echo "$headers" | grep -qw TERMINAL_SERVICE_AWARE || fail "is not marked terminal-server aware"
    imports=$(echo "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
    for dll in $imports; do
        case " $system_dlls " in
            *" $dll "*) ;;
            *) fail "imports $dll, not part of Windows" ;;
        esac
    done
    echo "$(basename "$program") (PE $format, manifest ${named:-none}):" \
        "$(wc -c <"$program") bytes, imports" $imports
}

checked=0
for folder in "$@"; do
    for program in "$folder"/*.exe; do
        [ -e "$program" ] || continue
        check "$program"
        checked=$((checked + 1))
    done
done
[ "$checked" -gt 0 ] || { echo "check-windows-programs: no executable in $*" >&2; status=1; }
exit $status
