#!/bin/sh
# Fails when a folder's production code includes a folder above it: the layers point down only.
# Tests may reach across, so that each layer is tested against the stand-ins.
set -eu

root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"

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
        standin) echo "cmm cad automation points windows com" ;;
    esac
}

status=0
for layer in points automation view cmm cad plot windows com standin; do
    permitted="$layer $(allowed "$layer")"
    for file in $(find "$root/$layer" \( -name tests -o -name testing \) -prune -o \
                  \( -name '*.h' -o -name '*.cpp' \) -print); do
        for used in $(sed -n 's/^#include "\([^/"]*\)\/.*/\1/p' "$file" | sort -u); do
            case " $permitted " in
                *" $used "*) ;;
                *) echo "check-layers: ${file#"$root"/} includes $used/, above its layer" >&2
                   status=1 ;;
            esac
        done
    done
done
[ "$status" -eq 0 ] && echo "check-layers: every include points down"
exit "$status"
