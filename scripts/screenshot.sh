#!/bin/sh
# Builds CMM Points, runs it with the stand-ins on a virtual display and writes docs/window.png.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
exec "$root/scripts/window-screenshot.sh" cmm_points app/qt/cmm_points "CMM Points" \
    "$root/docs/window.png" 1024x768x24
