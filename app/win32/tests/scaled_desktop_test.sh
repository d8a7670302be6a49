#!/bin/sh
# The window's layout tests on a desktop of another scale, as Windows sets one for all programs:
# scaled_desktop_test.sh WINE_RUN PREFIX DPI TESTS
# Wine has one DPI for the whole desktop (LogPixels); its own prefix keeps the other tests at 96.
set -eu
wine_run=$1
prefix=$2
dpi=$3
tests=$4
"$wine_run" "$prefix" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null
CMM_POINTS_DESKTOP_DPI=$dpi exec "$wine_run" "$prefix" "$tests" --gtest_filter='LayoutTest.*'
