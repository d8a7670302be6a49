#!/bin/sh
# Cross-builds the Windows program's window over the demo stand-ins (cmm_points_demo.exe, the same
# window and COM client with both stand-ins served in-process), runs it under Wine in a Windows
# desktop on a virtual display and writes docs/window-windows.png: its client area, like the
# Linux screenshot.
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${CMM_POINTS_WINDOWS_BUILD_DIR:-$root/build-windows}"
out="$root/docs/window-windows.png"

# The Windows build, which makes the dry run beside the program.
"$root/scripts/build-windows.sh"

mkdir -p "$root/docs"
shot="$build/screenshot.png"
# 96 DPI, where 15 twips make one pixel, as the window was designed, in Wine's own desktop.
xvfb-run -a -s "-screen 0 640x520x24 -dpi 96" sh -c '
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
    [ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }
    wine explorer /desktop=CmmPoints,640x520 "$2" &
    program=$!
    sleep 8
    import -window root "$3"
    kill "$program"
    wineserver -k || true
' screenshot "$build/wine-prefix" "$build/app/win32/cmm_points_demo.exe" "$shot"
# Everything of the desktop's own colour around the window goes; then the frame and the caption
# bar, whose buttons Wine draws with glyphs of its own, so that the picture shows the client area
# (297 x 365 pixels at 96 DPI) as the Linux one does.
convert "$shot" -trim +repage "$build/window.png"
size=$(identify -format '%w %h' "$build/window.png")
width=${size% *}
height=${size#* }
border=$(( (width - 297) / 2 ))
top=$(( height - 365 - border ))
convert "$build/window.png" -crop "297x365+$border+$top" +repage "$out"
echo "screenshot: wrote $out"
