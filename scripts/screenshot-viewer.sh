#!/bin/sh
# Builds CMM Points, presses "Sphere Tolerance" on every demo feature with the stand-ins on a
# virtual display, and writes docs/viewer.png of the CAD stand-in's drawing viewer.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
exec "$root/scripts/window-screenshot.sh" demo_press app/qt/demo_press "Drawing (CAD stand-in)" \
    "$root/docs/viewer.png" 1280x1024x24
