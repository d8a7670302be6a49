#!/bin/sh
# Installs the Debian packages that building, running and testing CMM Points need, when missing:
# among them Wine's 32-bit loader (wine32, of the i386 architecture), which runs the 32-bit program.
set -eu

packages="cmake g++ make qt6-base-dev qt6-qpa-plugins libgtest-dev googletest libbenchmark-dev \
xvfb xauth x11-utils imagemagick fonts-dejavu-core fonts-liberation \
mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 wine32:i386 \
openbox mingw-w64-tools libwine-dev ccache"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -z "$missing" ]; then
    exit 0
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
# shellcheck disable=SC2086 # the list is meant to split into words
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y $missing
