#!/usr/bin/env bash
# Renders the program icon dist/icons/io.github.quor3.Quor3.svg into the PNG sizes
# that are installed beside it and built into the program; the PNGs are committed.
# Run it again only after changing the SVG (needs rsvg-convert: Debian's librsvg2-bin).
set -euo pipefail
icons=$(dirname "$0")/../dist/icons
for size in 48 128 256; do
  mkdir -p "$icons/$size"
  rsvg-convert -w "$size" -h "$size" "$icons/io.github.quor3.Quor3.svg" -o "$icons/$size/io.github.quor3.Quor3.png"
done
