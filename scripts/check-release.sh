#!/bin/sh
# The release check of the test command: makes the release unsigned, then signed with a throw-away
# self-signed certificate made here, and reads both as an IT department would, without running
# anything of Windows: the signatures, the sums, the files, the build number from git in the
# version resources, the texts' Windows line ends, the zip. A wrong password stops the release.
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "check-release: $*" >&2 && status=1; }
# release FOLDER [VARIABLE=VALUE...]
release() {
    dir="$work/$1" && shift && env "$@" CMM_POINTS_RELEASE_DIR="$dir" "$root/scripts/release.sh"
}

openssl req -x509 -newkey rsa:2048 -nodes -days 1 -keyout "$work/key.pem" -out "$work/cert.pem" \
    -subj "/CN=CMM Points throw-away signer" -addext keyUsage=critical,digitalSignature \
    -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -in "$work/cert.pem" -inkey "$work/key.pem" -out "$work/signer.p12" \
    -passout pass:throw-away
export CMM_POINTS_SIGN_PKCS12="$work/signer.p12"

if release refused CMM_POINTS_SIGN_PASSWORD=wrong >"$work/refused.log" 2>&1 ||
    ! grep -q "cannot read a certificate" "$work/refused.log" || [ -e "$work/refused" ]; then
    fail "a wrong password did not stop the release before it was built"
fi
release unsigned CMM_POINTS_SIGN_PKCS12=
release signed CMM_POINTS_SIGN_PASSWORD=throw-away

build=$(git -C "$root" rev-list --count HEAD)
commit=$(git -C "$root" rev-parse --short=10 HEAD)
[ -z "$(git -C "$root" status --porcelain --untracked-files=no)" ] || commit="$commit.modified"
cr=$(printf '\r')
for kind in unsigned signed; do
    folder=$(find "$work/$kind" -mindepth 1 -maxdepth 1 -type d)
    files=$(cd "$folder" && find . -type f | LC_ALL=C sort | tr '\n' ' ')
    [ "$files" = "./README.txt ./SHA256SUMS.txt ./cmm_points.exe ./dry-run/cad_standin.exe \
./dry-run/measurement_standin.exe ./dry-run/register.cmd ./dry-run/unregister.cmd " ] ||
        fail "$kind: the release holds $files"
    [ "$(grep -c . "$folder/SHA256SUMS.txt")" -eq 6 ] || fail "$kind: not every file has its sum"
    (cd "$folder" && sha256sum --quiet -c SHA256SUMS.txt) || fail "$kind: a sum does not match"
    (cd "$work/$kind" && sha256sum --quiet -c ./*.zip.sha256) || fail "$kind: the zip's sum"
    unzip -q "$folder.zip" -d "$work/$kind/unzipped"
    diff -r "$folder" "$work/$kind/unzipped/$(basename "$folder")" || fail "$kind: zip differs"
    lf=$(grep -l -v "$cr\$" "$folder/README.txt" "$folder"/dry-run/*.cmd || true)
    [ -z "$lf" ] || fail "$kind: lines without CRLF in $lf"
    for program in "$folder/cmm_points.exe" "$folder"/dry-run/*.exe; do
        strings -el "$program" | grep -qx "[0-9]*\.[0-9]*\.[0-9]*\.$build+$commit" ||
            fail "$kind: $(basename "$program") does not carry build $build+$commit"
        osslsigncode verify -CAfile "$work/cert.pem" -in "$program" >"$work/verify.log" 2>&1 &&
            signed=signed || signed=unsigned
        [ "$signed" = "$kind" ] ||
            { cat "$work/verify.log"; fail "$(basename "$program") is $signed"; }
    done
done
grep -q "NOT SIGNED" "$work"/unsigned/*/README.txt || fail "the unsigned readme does not say so"
tr '\r\n' '  ' <"$(echo "$work"/signed/*/README.txt)" | grep -q "CN=CMM Points throw-away signer" ||
    fail "the signed readme does not name the signer"
[ "$status" -eq 0 ] && echo "check-release: the release, unsigned and signed, is as it should be"
exit "$status"
