#!/usr/bin/env bash
# Draws the program's icon as PNG files for the resources: src/gui/app/images/vianora.png
# (64 x 64) and vianora-32.png (32 x 32, a simpler drawing that stays clear at that size).
# The same design is kept by hand as src/gui/app/images/vianora.svg for the desktop entry;
# change both together. Needs ImageMagick 6 (`convert`).
#
#   scripts/make-icons.sh
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir="$root/src/gui/app/images"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# draw SIZE SCALE TILE PROFILE TOP LINE LINE_WIDTH PIN PIN_WIDTH OUT
#   Draws at SIZE*SCALE pixels with coordinates given in SIZE units, then scales down, so
#   every edge is smoothly antialiased. TILE: the rounded square; PROFILE: the closed
#   outline of the altitude profile, whose highest point is at TOP; LINE: its upper edge;
#   PIN: the pin's outline, the centre of its hole and the top of the hole, written as
#   "outline|cx,cy,top". Widths are in SIZE units (the drawing's scale applies to them too).
draw() {
  local size=$1 k=$2 tile=$3 profile=$4 top=$5 line=$6 line_w=$7 pin=$8 pin_w=$9 out=${10}
  local big=$((size * k))
  local pin_path=${pin%|*} hole=${pin#*|}
  local cx cy hole_top
  IFS=, read -r cx cy hole_top <<<"$hole"
  # The tile: dark blue, lighter at the top.
  convert -size ${big}x${big} gradient:'#2b3d6b-#121a30' "$tmp/tile-fill.png"
  convert -size ${big}x${big} xc:black -fill white -draw "scale $k,$k $tile" "$tmp/tile-mask.png"
  # The profile: blue where it is high, green where it is low, clipped by the tile.
  convert -size ${big}x$((top * k)) xc:'#2f7ae8' \
          -size ${big}x$(((size - top) * k)) gradient:'#2f7ae8-#36c45a' -append "$tmp/prof-fill.png"
  convert -size ${big}x${big} xc:black -fill white -draw "scale $k,$k path '$profile'" \
          "$tmp/tile-mask.png" -compose Multiply -composite "$tmp/prof-mask.png"
  convert "$tmp/tile-fill.png" \
    \( "$tmp/prof-fill.png" "$tmp/prof-mask.png" -alpha off -compose CopyOpacity -composite \) \
    -compose Over -composite \
    -fill none -stroke '#ffe27a' -strokewidth $line_w \
    -draw "scale $k,$k stroke-linejoin round stroke-linecap round path '$line'" \
    "$tmp/body.png"
  # Cut the rounded corners out, then the pin on top: orange with a dark edge and a hole.
  convert "$tmp/body.png" "$tmp/tile-mask.png" -alpha off -compose CopyOpacity -composite \
    -fill '#ff8000' -stroke '#5a2600' -strokewidth $pin_w \
    -draw "scale $k,$k stroke-linejoin round path '$pin_path'" \
    -stroke none -fill white -draw "scale $k,$k circle $cx,$cy $cx,$hole_top" \
    -filter Lanczos -resize ${size}x${size} -strip "PNG32:$out"
  echo "wrote $out ($(stat -c %s "$out") bytes)"
}

# 64 x 64: a profile with several summits and a pin standing on the highest one.
draw 64 8 'roundrectangle 1.5,1.5 62.5,62.5 12,12' \
  'M 1,46 L 12,38 21,42 32,29 43,37 52,31 63,38 L 63,63 L 1,63 Z' 29 \
  'M 3,45 L 12,38 21,42 32,29 43,37 52,31 61,37' 2 \
  'M 32,33 C 28,26 21,23 21,17 A 11,11 0 1 1 43,17 C 43,23 36,26 32,33 Z|32,17,12.5' 1.2 \
  "$dir/vianora.png"

# 32 x 32: one climb and a bigger pin; fewer, thicker details.
draw 32 16 'roundrectangle 0.5,0.5 31.5,31.5 6,6' \
  'M 0,24 L 8,19 16,14 23,19 32,15 L 32,32 L 0,32 Z' 14 \
  'M 2,23 L 8,19 16,14 23,19 30,16' 1.5 \
  'M 16,19 C 14,15.5 10,14 10,10 A 6,6 0 1 1 22,10 C 22,14 18,15.5 16,19 Z|16,10,7.6' 0.8 \
  "$dir/vianora-32.png"
