#!/bin/sh
# Draws the program's icon, app/win32/cmm_points.ico, with ImageMagick: a probe's touch on the
# part (the stylus ring, the cross-hair of the point, the probe tip), in every size Windows asks
# for up to 256 pixels, which ImageMagick stores PNG-compressed. Each size is drawn on its own
# pixel grid, so that the cross-hair stays sharp in the small ones.
# shellcheck disable=SC2154 # each size's measures are set by the eval of awk's output
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/app/win32/cmm_points.ico}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 16 24 32 48 64 128 256; do
    # The cross-hair on whole pixels (c to c + w - 1, from edge to edge less a margin e); the ring
    # and the tip smooth, centred on it.
    eval "$(awk -v s="$size" 'BEGIN {
        w = s >= 32 ? s / 16 : 1; c = int((s - w) / 2); m = c + (w - 1) / 2; t = s * 9 / 48
        printf "w=%d c=%d e=%d m=%g ring=%g stroke=%g tip_x=%g tip_y=%g tip_top=%g\n", w, c,
               int(s / 48), m, m - s * 17.75 / 48, s * 5.5 / 48, m + t, m - t, m - t - s * 4.5 / 48
    }')"
    last=$((size - 1 - e))
    convert -size "${size}x$size" xc:none \
        -fill white -stroke '#1f4e9a' -strokewidth "$stroke" -draw "circle $m,$m $m,$ring" \
        -stroke none -fill '#c00000' -draw "circle $tip_x,$tip_y $tip_x,$tip_top" \
        +antialias -draw "rectangle $c,$e $((c + w - 1)),$last" \
        -draw "rectangle $e,$c $last,$((c + w - 1))" "png32:$work/$size.png"
done
convert "$work/16.png" "$work/24.png" "$work/32.png" "$work/48.png" "$work/64.png" \
    "$work/128.png" "$work/256.png" -depth 8 "$out"
