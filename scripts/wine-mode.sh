# Sourced by every script that installs or starts Wine: finds out, by running a 32-bit program,
# whether this machine runs them. Some kernels run none ("32-bit emulation disabled"), and there
# Debian's wine script, which starts everything through Wine's 32-bit loader once wine32 is
# installed, fails even for 64-bit programs; the 64-bit loader still runs those.
#
# Sets wine_bits (32 where 32-bit programs run, else 64), wine_reason (why, in a phrase) and
# wine (the command that starts a Windows program). CMM_POINTS_NO_32BIT=1 takes the 64-bit way
# on any machine, so that it can be tried where 32-bit programs run too.
wine_probe=$(mktemp)
# The smallest i386 Linux program: an ELF header, one loadable segment, and the code
# "xor ebx, ebx; mov eax, 1; int 0x80", the system call exit(0).
{
    printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000'
    printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000'
    printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000'
    printf '\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010'
    printf '\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000'
    printf '\061\333\270\001\000\000\000\315\200'
} >"$wine_probe"
chmod +x "$wine_probe"
if [ -n "${CMM_POINTS_NO_32BIT:-}" ]; then
    wine_bits=64 wine_reason="CMM_POINTS_NO_32BIT is set"
elif wine_error=$("$wine_probe" 2>&1); then
    wine_bits=32 wine_reason="this machine runs 32-bit programs"
else
    wine_bits=64
    wine_reason="this machine runs no 32-bit programs (a 32-bit test program: ${wine_error##*: })"
fi
rm -f "$wine_probe"
if [ "$wine_bits" = 64 ]; then
    # Wine starts its helper processes (wineboot's, a server's) through WINELOADER.
    export WINELOADER=/usr/lib/wine/wine64
    wine=$WINELOADER
else
    wine=wine
fi
