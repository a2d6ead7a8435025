#!/usr/bin/env bash
# Renders the program icon dist/icons/io.github.quor3.Quor3.svg into the PNG sizes
# that are installed beside it and built into the program; the PNGs are committed.
# Run it again only after changing the SVG (needs rsvg-convert, Debian's librsvg2-bin, and ImageMagick's mogrify).
set -euo pipefail
icons=$(dirname "$0")/../dist/icons
for size in 48 128 256; do
  mkdir -p "$icons/$size"
  rsvg-convert -w "$size" -h "$size" "$icons/io.github.quor3.Quor3.svg" -o "$icons/$size/io.github.quor3.Quor3.png"
  # The program decodes all three at start-up for the window icon: rows stored
  # with the "sub" filter decode faster than the adaptive filters (same pixels).
  mogrify -strip -define png:compression-filter=1 -define png:compression-level=9 -define png:color-type=6 \
    "$icons/$size/io.github.quor3.Quor3.png"
done
