#!/bin/sh
# Builds CMM Points, presses "Sphere Tolerance" on every demo feature with the stand-ins on a
# virtual display, and writes docs/viewer.png of the CAD stand-in's drawing viewer.
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${CMM_POINTS_BUILD_DIR:-$root/build-run}"
out="$root/docs/viewer.png"

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMM_POINTS_BACKEND=standin \
    -DCMM_POINTS_BUILD_TESTS=OFF
cmake --build "$build" --target demo_press -j"$(nproc)"

mkdir -p "$root/docs"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" sh -c '
    QT_QPA_PLATFORM=xcb "$1" &
    program=$!
    for attempt in 1 2 3 4 5 6 7 8 9 10; do
        sleep 1
        if xwininfo -name "Drawing (CAD stand-in)" >/dev/null 2>&1; then break; fi
    done
    sleep 2
    import -window "Drawing (CAD stand-in)" "$2"
    kill "$program"
' screenshot "$build/app/qt/demo_press" "$out"
echo "screenshot: wrote $out"
