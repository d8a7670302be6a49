#!/bin/sh
# Fails when a folder's production code includes a folder above it, or a test helper: the layers
# point down only.
# Tests may reach across, so that each layer is tested against the stand-ins.
set -eu

root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

# The stand-ins' sub-folders are layers of their own: only the COM faces and the servers that host
# them may reach the COM runtime and Windows, and the plain stand-ins reach none of the three.
layers="points automation view cmm cad plot windows com"
layers="$layers standin standin/com standin/servers standin/viewer"

# Each folder and the folders its headers and sources may include (itself always).
allowed() {
    case "$1" in
        points) echo "" ;;
        automation) echo "points" ;;
        view) echo "points" ;;
        cmm) echo "automation points view" ;;
        cad) echo "automation points view" ;;
        plot) echo "cmm automation points view" ;;
        windows) echo "" ;;
        com) echo "cmm cad automation points windows" ;;
        standin) echo "cmm cad automation points" ;;
        standin/com) echo "standin cmm cad automation points com windows" ;;
        standin/servers) echo "standin standin/com cmm cad automation points com windows" ;;
        standin/viewer) echo "standin cmm cad automation points" ;;
    esac
}

# The layer an included path lies in: the sub-folder that is a layer of its own, else its top
# folder.
layer_of() {
    top=${1%%/*}
    rest=${1#*/}
    case "$rest" in
        */*) case " $layers " in
                 *" $top/${rest%%/*} "*) echo "$top/${rest%%/*}"; return ;;
             esac ;;
    esac
    echo "$top"
}

# The path of each #include "folder/..." line.
quoted_include='s/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p'

status=0
for layer in $layers; do
    permitted="$layer $(allowed "$layer")"
    # A folder's own files, less its tests, its testing helpers and the sub-folders that are layers
    # of their own (checked by their own rules).
    nested=""
    for other in $layers; do
        case "$other" in "$layer"/*) nested="$nested -o -path $other" ;; esac
    done
    # shellcheck disable=SC2086,SC2044 # $nested is find's words; no path here holds a space
    for file in $(find "$layer" \( -name tests -o -name testing $nested \) -prune -o \
                  \( -name '*.h' -o -name '*.cpp' \) -print); do
        for path in $(sed -n "$quoted_include" "$file" | sort -u); do
            case "$path" in
                */tests/* | */testing/*)
                    echo "check-layers: $file includes $path, a test helper" >&2
                    status=1
                    continue ;;
            esac
            used=$(layer_of "$path")
            case " $permitted " in
                *" $used "*) ;;
                *) echo "check-layers: $file includes $used/, which its layer may not include" >&2
                   status=1 ;;
            esac
        done
    done
done
[ "$status" -eq 0 ] && echo "check-layers: every include points down"
exit "$status"
