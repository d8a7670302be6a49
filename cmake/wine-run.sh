#!/bin/sh
# Runs a Windows executable under Wine in the given prefix: wine-run.sh PREFIX PROGRAM [ARGS...]
# The prefix is made on first use (once, also when tests start in parallel), 64-bit so that it runs
# 32-bit programs (through Debian's wine32, where the machine runs them) and 64-bit ones alike;
# without a display the run goes under Xvfb, since some tests open real windows.
set -e
prefix=$1
shift
if [ -z "$DISPLAY" ] && [ -z "$CMM_POINTS_UNDER_XVFB" ] && command -v xvfb-run >/dev/null 2>&1; then
    CMM_POINTS_UNDER_XVFB=1 exec xvfb-run -a "$0" "$prefix" "$@"
fi
. "$(dirname "$0")/../scripts/wine-mode.sh"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
mkdir -p "$(dirname "$prefix")"
if [ ! -f "$prefix/system.reg" ]; then
    flock "$prefix.lock" sh -c '[ -f "$WINEPREFIX/system.reg" ] || { echo "making the Wine prefix $WINEPREFIX (about 10 s)" >&2; WINEARCH=win64 "$1" wineboot -i >/dev/null 2>&1; wineserver -w; }' \
        make-prefix "$wine"
fi
# On a display of its own, a window manager too: without one X has no topmost band
# (_NET_WM_STATE_ABOVE) to show.
if [ -n "$CMM_POINTS_UNDER_XVFB" ] && command -v openbox >/dev/null 2>&1; then
    openbox --sm-disable >/dev/null 2>&1 &
    window_manager=$!
    status=0
    "$wine" "$@" || status=$?
    kill "$window_manager" 2>/dev/null || true
    exit $status
fi
exec "$wine" "$@"
