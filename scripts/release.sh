#!/bin/sh
# Makes the release of the Windows program: a folder and a zip of it, in dist-release/, holding the
# 32-bit program, the dry-run kit (the two stand-in servers, and command files that register and
# unregister them), a readme for the Windows user and the SHA-256 sums of every file. The programs
# are those of the 32-bit build of scripts/build-windows.sh, brought up to date as it stands, and
# are checked again as they ship.
#
#   release.sh [CMake options...]     e.g. -DCMM_POINTS_COMPANY="Example Metrology Ltd"
#
# Signing, with osslsigncode: CMM_POINTS_SIGN_PKCS12 names a PKCS#12 file (.pfx, .p12) holding the
# code-signing certificate and its key, CMM_POINTS_SIGN_PASSWORD its password, and
# CMM_POINTS_SIGN_TIMESTAMP_URL, if set, an RFC 3161 time-stamp server, so that the signature
# outlives the certificate. Without a certificate the release is unsigned and says so.
# CMM_POINTS_RELEASE_DIR puts the release elsewhere.
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
out="${CMM_POINTS_RELEASE_DIR:-$root/dist-release}"
build="${CMM_POINTS_WINDOWS_BUILD_DIR:-$root/build-windows}"

"$root/scripts/setup.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A certificate that cannot be opened stops the release before the build, not after it.
pkcs12="${CMM_POINTS_SIGN_PKCS12:-}"
signer=""
if [ -n "$pkcs12" ]; then
    (umask 077 && printf '%s' "${CMM_POINTS_SIGN_PASSWORD:-}" >"$work/password")
    signer=$(openssl pkcs12 -legacy -in "$pkcs12" -passin "file:$work/password" -nokeys -clcerts \
        2>"$work/openssl.log" |
        openssl x509 -noout -subject -nameopt RFC2253 2>>"$work/openssl.log" | sed 's/^subject=//') ||
        true
    if [ -z "$signer" ]; then
        echo "release: cannot read a certificate from $pkcs12 with the password in" \
            "CMM_POINTS_SIGN_PASSWORD:" >&2
        cat "$work/openssl.log" >&2
        exit 1
    fi
fi

# The build as the test command left it, its tests included when it built them there.
tests=$(sed -n 's/^CMM_POINTS_BUILD_TESTS:BOOL=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
CMM_POINTS_WINDOWS_TESTS="${CMM_POINTS_WINDOWS_TESTS:-${tests:-OFF}}" \
    "$root/scripts/build-windows.sh" i686 "$@"

# The version as the build stamped it into the executables.
stamped() { sed -n "s/^#define CMM_POINTS_$1 \"\(.*\)\"\$/\1/p" "$build/version/build_number.h"; }
version=$(stamped PRODUCT_VERSION)
file_version=$(stamped FILE_VERSION)
[ -n "$version" ] || { echo "release: the build made no version stamp in $build" >&2; exit 1; }
name="cmm-points-$file_version-windows-x86"
case "$version" in
    *.modified)
        echo "release: the sources have changes not committed; the release is marked modified" >&2
        name="$name-modified" ;;
esac

folder="$out/$name"
rm -rf "$folder" "$folder.zip" "$folder.zip.sha256"
mkdir -p "$folder/dry-run"
cp "$root/dist/cmm_points.exe" "$folder/"
cp "$root/dist/measurement_standin.exe" "$root/dist/cad_standin.exe" "$folder/dry-run/"

if [ -n "$signer" ]; then
    timestamp="${CMM_POINTS_SIGN_TIMESTAMP_URL:-}"
    for program in "$folder"/*.exe "$folder"/dry-run/*.exe; do
        osslsigncode sign -pkcs12 "$pkcs12" -readpass "$work/password" -h sha256 -n "CMM Points" \
            ${timestamp:+-ts "$timestamp"} -in "$program" -out "$work/signed.exe" \
            >"$work/sign.log" 2>&1 || { cat "$work/sign.log" >&2; exit 1; }
        cat "$work/signed.exe" >"$program" && rm "$work/signed.exe"
    done
    signature="Signed: cmm_points.exe and both stand-ins carry the digital signature of $signer"
    signature="$signature${timestamp:+, time-stamped}."
    echo "release: signed by $signer${timestamp:+, time-stamped by $timestamp}"
else
    signature="NOT SIGNED: this release carries no digital signature, so Windows SmartScreen may \
warn when it first starts and it cannot be allowed by its publisher. Check it by its SHA-256 sums."
    echo "release: no certificate given (CMM_POINTS_SIGN_PKCS12): the release is NOT signed" >&2
fi
"$root/scripts/check-windows-programs.sh" i686 "$folder" "$folder/dry-run"

# Texts for Windows: CRLF line ends.
crlf() { sed 's/$/\r/'; }
kit_command() {
    sed -e "s|@ACTION@|$2|g" -e "s|@SWITCH@|$3|g" "$root/release/dry-run.cmd.in" | crlf \
        >"$folder/dry-run/$1.cmd"
}
kit_command register Registering /regserver
kit_command unregister Unregistering /unregserver
signature=$(printf '%s\n' "$signature" | fold -s -w 76 | sed 's/ *$//')
export signature
awk -v version="$version" -v file_version="$file_version" '
    $0 == "@SIGNATURE@" { print ENVIRON["signature"]; next }
    { gsub(/@VERSION@/, version); gsub(/@FILE_VERSION@/, file_version); print }' \
    "$root/release/README.txt.in" | crlf >"$folder/README.txt"
# Every file of the release, by its path in the folder.
release_files() { (cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | xargs "$@"); }
release_files sha256sum | crlf >"$work/SHA256SUMS.txt"
mv "$work/SHA256SUMS.txt" "$folder/"

(cd "$out" && zip -q -r -X "$name.zip" "$name" && sha256sum "$name.zip" >"$name.zip.sha256")
echo "release: $folder/, version $version"
release_files ls -l
echo "release: $folder.zip, SHA-256 $(cut -d' ' -f1 "$folder.zip.sha256")"
