#!/bin/sh
# Builds CMM Points, runs it with the stand-ins on a virtual display and writes docs/window.png.
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${CMM_POINTS_BUILD_DIR:-$root/build-run}"
out="$root/docs/window.png"

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMM_POINTS_BACKEND=standin \
    -DCMM_POINTS_BUILD_TESTS=OFF
cmake --build "$build" --target cmm_points -j"$(nproc)"

mkdir -p "$root/docs"
# 96 DPI, where 15 twips make one pixel, as the window was designed.
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" sh -c '
    QT_QPA_PLATFORM=xcb "$1" &
    program=$!
    for attempt in 1 2 3 4 5 6 7 8 9 10; do
        sleep 1
        if xwininfo -name "CMM Points" >/dev/null 2>&1; then break; fi
    done
    sleep 1
    import -window "CMM Points" "$2"
    kill "$program"
' screenshot "$build/app/qt/cmm_points" "$out"
echo "screenshot: wrote $out"
