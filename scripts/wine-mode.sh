# Sourced by every script that starts Wine: finds out, by running Wine's 32-bit loader, whether
# this machine runs 32-bit programs. Some kernels run none ("32-bit emulation disabled"), and
# there Debian's wine script, which starts everything through that loader once wine32 is
# installed, fails even for 64-bit programs; the 64-bit loader still runs those.
#
# Sets wine_bits (32 where 32-bit programs run, else 64), wine_reason (why, in a phrase) and
# wine (the command that starts a Windows program). CMM_POINTS_NO_32BIT=1 takes the 64-bit way
# on any machine, so that it can be tried where 32-bit programs run too.
wine32_loader=/usr/lib/wine/wine
wine64_loader=/usr/lib/wine/wine64
if [ -n "${CMM_POINTS_NO_32BIT:-}" ]; then
    wine_bits=64 wine_reason="CMM_POINTS_NO_32BIT is set"
elif [ ! -e "$wine32_loader" ]; then
    wine_bits=64 wine_reason="Wine's 32-bit loader ($wine32_loader) is not installed"
elif wine_probe=$("$wine32_loader" --version 2>&1); then
    wine_bits=32 wine_reason="this machine runs 32-bit programs ($wine32_loader --version: $wine_probe)"
else
    wine_bits=64
    wine_reason="this machine runs no 32-bit programs ($wine32_loader --version: ${wine_probe##*: })"
fi
if [ "$wine_bits" = 64 ]; then
    # Wine starts its helper processes (wineboot's, a server's) through WINELOADER.
    export WINELOADER="$wine64_loader"
    wine=$wine64_loader
else
    wine=wine
fi
