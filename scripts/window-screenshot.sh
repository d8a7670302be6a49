#!/bin/sh
# Builds one program of CMM Points with the stand-ins, runs it on a virtual display and writes a
# PNG of one of its windows once that window has appeared.
#   window-screenshot.sh TARGET PROGRAM WINDOW-TITLE OUTPUT SCREEN
# PROGRAM is the executable's path inside the build folder, SCREEN the display's WxHxDEPTH.
set -eu

target="$1" program="$2" title="$3" out="$4" screen="$5"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${CMM_POINTS_BUILD_DIR:-$root/build-run}"

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMM_POINTS_BACKEND=standin \
    -DCMM_POINTS_BUILD_TESTS=OFF
cmake --build "$build" --target "$target" -j"$(nproc)"

mkdir -p "$(dirname "$out")"
# 96 DPI, where 15 twips make one pixel, as the window was designed.
xvfb-run -a -s "-screen 0 $screen -dpi 96" sh -c '
    QT_QPA_PLATFORM=xcb "$1" &
    program=$!
    for attempt in 1 2 3 4 5 6 7 8 9 10; do
        sleep 1
        if xwininfo -name "$2" >/dev/null 2>&1; then break; fi
    done
    sleep 2
    import -window "$2" "$3"
    kill "$program"
' screenshot "$build/$program" "$title" "$out"
echo "screenshot: wrote $out"
