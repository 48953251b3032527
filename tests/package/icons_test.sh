#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tessavundo developers
# SPDX-License-Identifier: MIT
# The icon's PNG sizes and the Windows icon are kept in the repository, rendered from the SVG by
# scripts/make-icons. Renders the SVG again and checks that every kept picture is what it renders
# to, so that a changed SVG cannot ship with stale pictures, and that the Windows icon holds the
# sizes Explorer asks for.
# Usage: icons_test.sh <source dir>
set -eu
source=$1
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
command -v rsvg-convert >/dev/null || {
    echo "SKIPPED: rsvg-convert (librsvg2-bin) is not installed"
    exit 77
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 16 22 24 32 48 64 128 256 512; do
    kept="$source/resources/icons/tessavundo-$size.png"
    [ -f "$kept" ] || fail "no $size-pixel icon: run scripts/make-icons"
    rsvg-convert --width "$size" --height "$size" --output "$work/$size.png" \
        "$source/resources/tessavundo.svg"
    # AE counts the pixels that differ at all.
    differing=$(compare -metric AE "$kept" "$work/$size.png" null: 2>&1 || true)
    [ "$differing" = 0 ] ||
        fail "the $size-pixel icon differs from the SVG in $differing pixels: run scripts/make-icons"
done

# The rim keeps the dark tile readable on a dark panel: the edge of the large icon is light.
edge=$(convert "$source/resources/icons/tessavundo-256.png" -crop 1x1+128+9 -colorspace Gray \
    -format '%[fx:int(255*u)]' info:)
[ "$edge" -ge 160 ] || fail "the icon has no light rim at its edge (gray $edge)"

sizes=$(icotool --list "$source/resources/tessavundo.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' |
    sort -n | tr '\n' ' ')
[ "$sizes" = "16 24 32 48 256 " ] || fail "the Windows icon holds the sizes $sizes"
echo "the icons are rendered from the SVG"
