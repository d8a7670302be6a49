#!/bin/sh
# Installs the Debian packages that building, running and testing CMM Points need, when missing:
# among them Wine's 32-bit side (wine32, of the i386 architecture), which runs the 32-bit program
# and whose libraries the 32-bit type library is compiled against. On a machine whose kernel runs
# no 32-bit programs, the i386 packages' own set-up steps that run one fail; their files are all
# the project needs, so set-up goes on and says what could not run.
set -eu

packages="cmake g++ make qt6-base-dev qt6-qpa-plugins libgtest-dev googletest libbenchmark-dev \
xvfb xauth x11-utils imagemagick fonts-dejavu-core fonts-liberation \
mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 wine32:i386 \
openbox mingw-w64-tools libwine-dev ccache osslsigncode openssl zip unzip"

# A package counts once its files are in place; an i386 one also when its set-up could not run.
present() {
    status=$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) || return 1
    case "$status:$1" in
        *" installed:"*) return 0 ;;
        *" unpacked:"*:i386 | *" half-configured:"*:i386) return 0 ;;
    esac
    return 1
}

missing=""
for package in $packages; do
    present "$package" || missing="$missing $package"
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
log=$(mktemp)
failed=$(mktemp)
# shellcheck disable=SC2086 # the list is meant to split into words
{ DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y $missing 2>&1 || echo $? >"$failed"; } |
    tee "$log"
if [ -s "$failed" ]; then
    # What dpkg left half done gets one more try; then only the packages themselves count.
    DEBIAN_FRONTEND=noninteractive $as_root dpkg --configure -a 2>&1 | tee -a "$log" || true
    echo "setup: apt-get install failed (exit status $(cat "$failed")); checking what is in place"
fi
not_run=$(tr -d '\r' <"$log" | sed -n 's/^.*: \(\/[^:]*\): Exec format error$/\1/p' | sort -u)
if [ -n "$not_run" ]; then
    echo "setup: this machine runs no 32-bit programs, so these set-up steps of i386 packages could" \
        "not run (nothing of CMM Points needs them):" $not_run
fi
rm -f "$log" "$failed"

still_missing=""
for package in $packages; do
    present "$package" || still_missing="$still_missing $package"
done
if [ -n "$still_missing" ]; then
    echo "setup: could not install:$still_missing" >&2
    exit 1
fi
