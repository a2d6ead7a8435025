#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick; the files it writes are
# committed under platform/pictures. Run it again only to change them.
set -euo pipefail
out=$(dirname "$0")/../platform/pictures
font=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
ball() { # x y colour digit
  args+=(-fill "$3" -stroke '#1a1a60' -strokewidth 2 -draw "circle $1,$2 $(($1 + 17)),$2"
         -fill white -stroke none -font "$font" -pointsize 22 -draw "text $(($1 - 7)),$(($2 + 8)) '$4'")
}
args=(-size 112x111 xc:white -fill '#ffd34d' -stroke '#1a1a60' -strokewidth 3 -draw "roundrectangle 4,20 107,90 14,14")
ball 26 55 '#d62828' 3; ball 56 55 '#1d4ed8' 0; ball 86 55 '#15803d' 7
# The product picture stands on the main window's gradient: the white around it
# (only what is connected to the corners, so that the white digits stay) becomes
# transparent. Each row is stored with the "sub" filter: the same pixels, and
# cheaper for the program to decode at start-up than the adaptive filters.
scratch=$(mktemp --suffix=.jpg)
trap 'rm -f "$scratch"' EXIT
convert "${args[@]}" -quality 92 "$scratch"
convert "$scratch" -alpha set -fuzz 25% -fill none -draw "color 0,0 floodfill" -draw "color 111,0 floodfill" \
  -draw "color 0,110 floodfill" -draw "color 111,110 floodfill" -strip \
  -define png:compression-filter=1 -define png:compression-level=9 "$out/product.png"
args=(-size 96x96 xc:white)
ball 22 48 '#d62828' 3; ball 48 30 '#1d4ed8' 0; ball 74 48 '#15803d' 7
args+=(-fill '#1a1a60' -font "$font" -pointsize 14 -draw "text 20,88 'QUOR 3'")
convert "${args[@]}" -quality 92 "$out/about.jpg"
