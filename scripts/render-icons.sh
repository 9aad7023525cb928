#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the icon's PNG sizes from its SVG. The PNGs are kept in the source tree so that a build
# needs no SVG renderer; run this after changing data/icons/veltrin.svg (needs rsvg-convert, from
# Debian's librsvg2-bin).
set -eu
cd "$(dirname "$0")/../data/icons"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert --width "$size" --height "$size" veltrin.svg --output "${size}x${size}/veltrin.png"
done
