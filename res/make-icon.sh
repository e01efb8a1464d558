#!/bin/bash
# Draws the program's icon (a page of coloured INF lines) at 48, 32 and 16 pixels.
set -e
cd "$(dirname "$0")"
convert -size 48x48 xc:none \
  -fill '#f8f8f0' -stroke '#303030' -strokewidth 2 -draw "polygon 8,3 32,3 42,13 42,45 8,45" \
  -fill '#d0d0c0' -draw "polygon 32,3 32,13 42,13" \
  -stroke none \
  -fill '#008000' -draw "rectangle 12,17 30,20" \
  -fill '#800080' -draw "rectangle 12,24 22,27" -fill '#404040' -draw "rectangle 24,24 37,27" \
  -fill '#800080' -draw "rectangle 12,31 20,34" -fill '#ff0000' -draw "rectangle 22,31 37,34" \
  -fill '#0000ff' -draw "rectangle 12,38 33,41" \
  icon48.png
convert icon48.png -resize 32x32 icon32.png
convert -size 16x16 xc:none \
  -fill '#f8f8f0' -stroke '#303030' -strokewidth 1 -draw "polygon 2,0 11,0 14,3 14,15 2,15" \
  -stroke none -fill '#008000' -draw "rectangle 4,4 10,5" \
  -fill '#800080' -draw "rectangle 4,7 7,8" -fill '#ff0000' -draw "rectangle 9,7 12,8" \
  -fill '#0000ff' -draw "rectangle 4,11 11,12" icon16.png
convert icon16.png icon32.png icon48.png varnock.ico
rm -f icon16.png icon32.png icon48.png
