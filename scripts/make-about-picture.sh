#!/usr/bin/env bash
# Draws the About window's picture, src/gui/app/images/about.png (600 x 516): an evening
# landscape with a route climbing a mountain by switchbacks and, under it, the route's
# altitude profile. Needs ImageMagick 6 (`convert`). Run from anywhere:
#
#   scripts/make-about-picture.sh
#
# The result is committed; run this again only to change the picture.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out="$root/src/gui/app/images/about.png"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

W=600
H=516
SCENE=412          # height of the landscape; the profile strip fills the rest

# Sky: deep blue at the top, violet, then a warm band on the horizon.
convert -size ${W}x140 gradient:'#070b26-#33215a' \
        -size ${W}x120 gradient:'#33215a-#e8803e' \
        -size ${W}x$((SCENE - 260)) xc:'#e8803e' \
        -append "$tmp/sky.png"

# Stars, and a low sun with its glow.
convert "$tmp/sky.png" \
  -fill '#ffffffc0' \
  -draw 'point 40,30 point 95,62 point 150,20 point 212,48 point 268,16 point 330,40
         point 392,22 point 455,58 point 520,28 point 575,50 point 120,105 point 480,110
         point 250,95 point 560,120 point 20,140 point 360,130' \
  -fill '#ffffffff' \
  -draw 'circle 212,48 213,49 circle 520,28 521,29 circle 120,105 121,106' \
  \( -size ${W}x${SCENE} xc:none -fill '#ffb35a' -draw 'circle 470,214 470,150' -blur 0x24 \) \
  -composite \
  -fill '#ffe0a0' -draw 'circle 470,214 470,186' \
  "$tmp/sky2.png"

# Three ranges of mountains, lighter and hazier the farther they are.
convert "$tmp/sky2.png" \
  -fill '#6a3f6e' -draw "polygon 0,$SCENE 0,262 60,240 120,258 190,214 250,246 330,200 400,238
                          455,222 520,252 600,226 600,$SCENE" \
  -fill '#3b2550' -draw "polygon 0,$SCENE 0,300 70,276 140,292 215,258 280,284 370,250 440,282
                          520,268 600,292 600,$SCENE" \
  -fill '#151027' -draw "polygon 0,$SCENE 0,372 80,342 180,300 300,252 350,282 400,270 470,318
                          540,306 600,330 600,$SCENE" \
  "$tmp/hills.png"

# The route: a soft glow under a bright line, climbing by switchbacks to the summit and
# then running down the far ridge; dots mark the points recorded on the way.
route='M 24,404 L 150,390 96,374 200,352 150,336 238,314 200,298 268,278 300,256 350,286
       404,276 470,322 540,312 600,336'
# Round joins: the switchbacks' sharp corners would otherwise get long mitres.
join='stroke-linejoin round stroke-linecap round'
convert "$tmp/hills.png" \
  \( -size ${W}x${SCENE} xc:none -fill none -stroke '#ffcc44' -strokewidth 9 \
     -draw "$join path '$route'" -blur 0x4 \) -composite \
  -fill none -stroke '#ffe27a' -strokewidth 3 -draw "$join path '$route'" \
  -stroke '#201400' -strokewidth 1 -fill '#ffffff' \
  -draw 'circle 24,404 24,399 circle 150,390 150,386 circle 200,352 200,348
         circle 238,314 238,310 circle 268,278 268,274 circle 404,276 404,272
         circle 540,312 540,308' \
  -fill '#ff8000' -draw 'circle 300,256 300,249' \
  -stroke '#ffffff' -strokewidth 2 -draw 'line 300,249 300,226' \
  -stroke none -fill '#ff8000' -draw 'polygon 301,226 322,232 301,239' \
  "$tmp/scene.png"

# Altitude profile strip: a grid, the profile filled green (low) to blue (high), its edge.
SH=$((H - SCENE))
profile="M 10,$((SH - 8)) L 60,$((SH - 14)) 110,$((SH - 22)) 160,$((SH - 34)) 210,$((SH - 46))
         260,$((SH - 62)) 300,$((SH - 80)) 340,$((SH - 64)) 380,$((SH - 66)) 430,$((SH - 44))
         480,$((SH - 50)) 540,$((SH - 40)) 590,$((SH - 28))"
convert -size ${W}x${SH} xc:'#0b0b14' \
  -stroke '#23233a' -strokewidth 1 \
  -draw "line 0,$((SH - 20)) $W,$((SH - 20)) line 0,$((SH - 40)) $W,$((SH - 40))
         line 0,$((SH - 60)) $W,$((SH - 60)) line 0,$((SH - 80)) $W,$((SH - 80))" \
  -draw "line 100,6 100,$SH line 200,6 200,$SH line 300,6 300,$SH line 400,6 400,$SH
         line 500,6 500,$SH" \
  "$tmp/grid.png"
convert -size ${W}x${SH} gradient:'#2f6fe0-#3cc060' "$tmp/fill.png"
convert -size ${W}x${SH} xc:black -fill white \
  -draw "path 'M 10,$SH ${profile#M } L 590,$SH Z'" "$tmp/mask.png"
convert "$tmp/fill.png" "$tmp/mask.png" -alpha off -compose CopyOpacity -composite \
  -channel A -evaluate multiply 0.85 +channel "$tmp/area.png"
convert "$tmp/grid.png" "$tmp/area.png" -composite \
  -fill none -stroke '#ffe27a' -strokewidth 2 -draw "$join path '$profile'" \
  -stroke none -fill '#ff8000' -draw "circle 300,$((SH - 80)) 300,$((SH - 76))" \
  -fill '#5a5a78' -draw "rectangle 0,0 $W,1" \
  "$tmp/strip.png"

# Together; a palette of 256 colours keeps the file small without visible banding.
convert "$tmp/scene.png" "$tmp/strip.png" -append -strip \
  -dither FloydSteinberg -colors 256 -define png:compression-level=9 "PNG8:$out"
echo "wrote $out ($(stat -c %s "$out") bytes)"
