#!/bin/sh
# Cross-builds the Windows program's window over the demo stand-ins (cmm_points_demo.exe, the same
# window and COM client with both stand-ins served in-process), runs it under Wine in a Windows
# desktop on a virtual display and writes docs/window-windows.png: its client area, like the
# Linux screenshot.
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/docs/window-windows.png"

# The Windows build, which makes the dry run beside the program: 32-bit as it ships, or 64-bit
# where this machine runs no 32-bit programs.
"$root/scripts/setup.sh"
. "$root/scripts/wine-mode.sh"
if [ "$wine_bits" = 32 ]; then
    arch=i686 default_build="$root/build-windows"
else
    arch=x86_64 default_build="$root/build-windows-x86_64"
fi
build="${CMM_POINTS_WINDOWS_BUILD_DIR:-$default_build}"
CMM_POINTS_WINDOWS_BUILD_DIR="$build" "$root/scripts/build-windows.sh" "$arch"

mkdir -p "$root/docs"
shot="$build/screenshot.png"
# 96 DPI, where 15 twips make one pixel, as the window was designed, in Wine's own desktop.
xvfb-run -a -s "-screen 0 640x520x24 -dpi 96" sh -c '
    "$1" "$2" explorer /desktop=CmmPoints,640x520 "$3" &
    program=$!
    sleep 8
    import -window root "$4"
    kill "$program"
    WINEPREFIX="$2" wineserver -k || true
' screenshot "$root/cmake/wine-run.sh" "$build/wine-prefix" "$build/app/win32/cmm_points_demo.exe" \
    "$shot"
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
