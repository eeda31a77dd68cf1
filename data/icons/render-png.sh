#!/usr/bin/env bash
# Renders the application icon's PNG sizes from heddlemark.svg. Run it after
# changing the SVG and commit the PNGs (rsvg-convert comes with librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p png
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" heddlemark.svg --output "png/heddlemark-$size.png"
done
