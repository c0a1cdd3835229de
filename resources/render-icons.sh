#!/usr/bin/env bash
# Renders the application icon, resources/icon/tintwell.svg, into one PNG for each size in
# resources/icon/sizes.txt: tintwell-<size>.png, 8 bits per channel with alpha (32 bits per pixel).
#
#   render-icons.sh [output folder]    (default: resources/icon, where the committed PNGs live)
#
# Run it after changing the SVG and commit the PNGs: the icon test renders them again into a
# folder of its own and fails while the committed ones differ.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=${1:-$here/icon}

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render-icons.sh: rsvg-convert not found; install librsvg2-bin (scripts/setup.sh does)" >&2
    exit 127
fi
mkdir -p "$out"
# shellcheck disable=SC2013  # the sizes are words
for size in $(grep -v '^#' "$here/icon/sizes.txt"); do
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "$out/tintwell-$size.png" "$here/icon/tintwell.svg"
done
