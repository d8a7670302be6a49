#!/bin/sh
# Builds CMM Points and runs it against the embedded stand-ins of both outside applications.
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${CMM_POINTS_BUILD_DIR:-$root/build-run}"

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMM_POINTS_BACKEND=standin \
    -DCMM_POINTS_BUILD_TESTS=OFF
cmake --build "$build" --target cmm_points -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run: no display found; starting the program on a virtual one (xvfb-run)" >&2
    exec xvfb-run -a "$build/app/qt/cmm_points"
fi
exec "$build/app/qt/cmm_points"
