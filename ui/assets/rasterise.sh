#!/usr/bin/env bash
# Rasterises the SVG sources into the pictures the program carries. Needs librsvg2-bin and
# imagemagick; run it from any folder after changing an SVG, and commit the results.
set -euo pipefail
cd "$(dirname "$0")"

rsvg-convert --width 145 --height 110 emblem.svg | convert png:- -strip -quality 92 emblem.jpg
for size in 16 32; do
    # PNG8: an indexed picture of at most 256 colours.
    rsvg-convert --width "$size" --height "$size" icon.svg | convert png:- -strip "PNG8:icon-$size.png"
done
