#!/bin/sh
# Installs the Debian packages that building, running and testing CMM Points need, when missing.
# Wine's 32-bit side (wine32, of the i386 architecture), which runs the 32-bit program, only
# where this machine runs 32-bit programs: elsewhere its packages' own set-up steps cannot run,
# and nothing else needs it.
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
packages="cmake g++ make qt6-base-dev qt6-qpa-plugins libgtest-dev googletest libbenchmark-dev \
xvfb xauth x11-utils imagemagick fonts-dejavu-core fonts-liberation \
mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 \
openbox mingw-w64-tools libwine-dev ccache osslsigncode openssl zip unzip"
. "$root/scripts/wine-mode.sh"
if [ "$wine_bits" = 32 ]; then
    packages="$packages wine32:i386"
fi

present() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

missing=""
for package in $packages; do
    present "$package" || missing="$missing $package"
done

if [ -z "$missing" ]; then
    exit 0
fi
if [ "$wine_bits" = 64 ]; then
    echo "setup: Wine's 32-bit side (wine32:i386) is left out: $wine_reason"
fi

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "setup: these packages are missing and neither root nor sudo is available:$missing" >&2
    exit 1
fi

echo "setup: installing$missing"
case " $missing " in
    *" wine32:i386 "*)
        if ! dpkg --print-foreign-architectures | grep -qx i386; then
            $as_root dpkg --add-architecture i386
        fi ;;
esac
$as_root apt-get update
failed=$(mktemp)
# shellcheck disable=SC2086 # the list is meant to split into words
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y $missing || echo $? >"$failed"
if [ -s "$failed" ]; then
    # What dpkg left half done gets one more try; then only the packages themselves count.
    DEBIAN_FRONTEND=noninteractive $as_root dpkg --configure -a || true
    echo "setup: apt-get install failed (exit status $(cat "$failed")); checking what is in place"
fi
rm -f "$failed"

still_missing=""
for package in $packages; do
    present "$package" || still_missing="$still_missing $package"
done
if [ -n "$still_missing" ]; then
    echo "setup: could not install:$still_missing" >&2
    exit 1
fi
