#!/bin/sh
# The program's window as the X server under a window manager shows it, with no measurement
# application to link to: it opens, in the topmost band (_NET_WM_STATE_ABOVE), with its caption.
# Usage: on_screen_test.sh WINE_RUN PREFIX PROGRAM
set -eu
wine_run=$1
prefix=$2
program=$3

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi

openbox --sm-disable >/dev/null 2>&1 &
window_manager=$!
"$wine_run" "$prefix" "$program" &
app=$!
stop() {
    kill "$app" "$window_manager" 2>/dev/null || true
}
trap stop EXIT

# The X window exists from creation on; it is mapped once start-up has finished.
id=""
viewable=no
for attempt in $(seq 1 60); do
    id=$(xwininfo -name "CMM Points" 2>/dev/null |
        sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p') || true
    if [ -n "$id" ] && xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then
        viewable=yes
        break
    fi
    sleep 0.5
done

passed=0
failed=0
check() {
    if [ "$2" = yes ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $1" >&2
    fi
}

check "a window \"CMM Points\" appears on the screen" "$viewable"
if [ "$viewable" = yes ]; then
    # Keep-on-top may reach the window manager a moment after the window is mapped.
    above=no
    for attempt in $(seq 1 20); do
        case "$(xprop -id "$id" _NET_WM_STATE)" in
            *_NET_WM_STATE_ABOVE*) above=yes; break ;;
        esac
        sleep 0.25
    done
    check "the window is in the topmost band" "$above"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
