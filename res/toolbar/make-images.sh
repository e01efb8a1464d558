#!/bin/bash
# Draws the toolbar images: one strip per image size, each with a greyed twin for
# disabled buttons, as 32-bit BMP files with alpha (toolbar-SIZE.bmp and
# toolbar-SIZE-disabled.bmp). The order is the one of ToolBarImage in
# win/app/toolbar_layout.h. Two designs: one for 16 pixels and one for 32, each drawn
# as it is for its own size, so the small ones stay sharp. The sizes of the larger
# display scales (125, 150 and 200 %) are the nearest design's vector drawing rendered
# at that size, never a bitmap stretched. Coordinates are pixel centres (ImageMagick's
# drawing convention).
set -e
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ORDER="new open save cut copy paste undo wrapon wrapoff find replace wizard reg test about help"

# Colours shared by the images.
INK='#303030'        # outlines of paper and tools
PAPER_TOP='#ffffff'
PAPER_BOTTOM='#e4e4e4'
FOLD='#c8c8c8'
TEXT='#6f86b0'       # lines of text on paper
BLUE='#2f62d0'
BLUE_DARK='#0e2e78'
BLUE_LIGHT='#9dbcf5'

# shaded NAME X1,Y1 X2,Y2 FROM TO: opens a drawing context filled with a linear gradient
# from FROM at X1,Y1 to TO at X2,Y2; plain closes it (a gradient fill would otherwise
# tint every later fill).
shaded() {
  printf "push defs\npush gradient '%s' linear %s %s\nstop-color '%s' 0\nstop-color '%s' 1\npop gradient\npop defs\n" \
    "$1" "$2" "$3" "$4" "$5"
  printf "push graphic-context\nfill 'url(#%s)'\n" "$1"
}
plain() { printf "pop graphic-context\n"; }

# page X0 Y0 X1 Y1 FOLD: a sheet of paper with its top right corner folded.
page() {
  local x0=$1 y0=$2 x1=$3 y1=$4 f=$5
  shaded "paper$x0$y0" "$x0,$y0" "$x1,$y1" "$PAPER_TOP" "$PAPER_BOTTOM"
  printf "stroke '%s' stroke-width 1\n" "$INK"
  printf "polygon %s,%s %s,%s %s,%s %s,%s %s,%s\n" $x0 $y0 $((x1 - f)) $y0 $x1 $((y0 + f)) $x1 $y1 $x0 $y1
  plain
  printf "stroke '%s' stroke-width 1 fill '%s' polygon %s,%s %s,%s %s,%s\n" "$INK" "$FOLD" \
    $((x1 - f)) $y0 $((x1 - f)) $((y0 + f)) $x1 $((y0 + f))
}

# lines X0 X1 WIDTH Y...: lines of text.
lines() {
  local x0=$1 x1=$2 w=$3; shift 3
  printf "stroke '%s' stroke-width %s stroke-linecap butt fill none\n" "$TEXT" "$w"
  for y in "$@"; do printf "line %s,%s %s,%s\n" "$x0" "$y" "$x1" "$y"; done
}

# star CX CY OUTER INNER POINTS: the polygon of a star.
star() {
  awk -v cx="$1" -v cy="$2" -v R="$3" -v r="$4" -v n="$5" 'BEGIN {
    printf "polygon"
    for (i = 0; i < 2 * n; i++) {
      a = 3.14159265 * i / n - 3.14159265 / 2; d = (i % 2) ? r : R
      printf " %.2f,%.2f", cx + d * cos(a), cy + d * sin(a)
    }
    printf "\n" }'
}

# gear CX CY OUTER INNER TEETH: the polygon of a gear wheel.
gear() {
  awk -v cx="$1" -v cy="$2" -v R="$3" -v r="$4" -v n="$5" 'BEGIN {
    printf "polygon"
    step = 2 * 3.14159265 / n
    for (i = 0; i < n; i++) {
      a = i * step
      split("-0.30 -0.18 0.18 0.30", f, " "); split("0 1 1 0", o, " ")
      for (k = 1; k <= 4; k++) { d = o[k] ? R : r; b = a + f[k] * step
        printf " %.2f,%.2f", cx + d * cos(b), cy + d * sin(b) }
    }
    printf "\n" }'
}

# ---- 32-pixel images ------------------------------------------------------------------

new_32() {
  page 6 2 25 29 6
  printf "fill '#ffd21f' stroke '#a07000' stroke-width 1\n"
  star 8 7 5.5 2.2 4
}

open_32() {
  printf "stroke '#7a5a00' stroke-width 1 fill '#d9a420'\n"
  printf "polygon 2,7 10,7 12,9 24,9 24,27 2,27\n"
  page 6 4 21 16 3
  shaded flap 0,14 0,27 '#ffe88a' '#e8b028'
  printf "stroke '#7a5a00' stroke-width 1 polygon 7,14 30,14 25,27 2,27\n"
  plain
}

save_32() {
  shaded body 3,3 29,29 '#5a80d8' '#1c3a88'
  printf "stroke '#0c1c48' stroke-width 1 polygon 3,3 26,3 29,6 29,29 3,29\n"
  plain
  printf "stroke '#0c1c48' stroke-width 1 fill '#ffffff' rectangle 8,3 24,14\n"
  lines 10 22 1 7 10
  shaded shutter 9,19 9,29 '#f2f2f2' '#a0a0a0'
  printf "stroke '#303030' stroke-width 1 rectangle 9,19 23,29\n"
  plain
  printf "stroke none fill '#1c3a88' rectangle 18,21 20,27\n"
}

cut_32() {
  printf "fill none stroke-linecap round\n"
  printf "stroke '#50565e' stroke-width 3.5 line 10,2 19,19 line 22,2 13,19\n"
  printf "stroke '#e6eaee' stroke-width 1 line 10,3 18,18 line 22,3 14,18\n"
  printf "stroke '#7a0c0c' stroke-width 4 circle 10,24 10,28.5 circle 22,24 22,28.5\n"
  printf "stroke '#d83a2a' stroke-width 2 circle 10,24 10,28.5 circle 22,24 22,28.5\n"
  printf "stroke none fill '#202020' circle 16,13.3 16,14.8\n"
}

copy_32() {
  page 3 2 19 21 5
  lines 6 15 1 8 11 14 17
  page 12 10 28 29 5
  lines 15 25 1 16 19 22
  lines 15 21 1 25
}

paste_32() {
  shaded board 4,4 23,29 '#d0985a' '#8e5a22'
  printf "stroke '#4a2e08' stroke-width 1 roundrectangle 4,4 23,29 2,2\n"
  plain
  shaded clip 0,1 0,7 '#f6f6f6' '#9a9a9a'
  printf "stroke '#404040' stroke-width 1 roundrectangle 9,1 18,7 1,1\n"
  plain
  printf "fill '#404040' stroke none rectangle 12,2 15,3\n"
  page 14 11 29 30 5
  lines 17 26 1 18 21 24
  lines 17 23 1 27
}

# An arrow that leaves to the right, turns back over itself and points left.
undo_32() {
  local arc='M 14,9 L 19,9 C 31,9 31,27 19,27 L 15,27'
  printf "fill none stroke-linecap round stroke-linejoin round\n"
  printf "stroke '%s' stroke-width 6 path '%s'\n" "$BLUE_DARK" "$arc"
  printf "stroke '%s' stroke-width 4 path '%s'\n" "$BLUE" "$arc"
  printf "stroke '%s' stroke-width 1 fill '%s' polygon 3,9 13,1 13,17\n" "$BLUE_DARK" "$BLUE"
}

# Word wrap on: a line folds back at the margin onto the next line.
wrapon_32() {
  printf "fill none stroke '%s' stroke-width 2 stroke-linecap butt\n" '#505050'
  printf "line 2,5 21,5 line 2,27 16,27\n"
  printf "stroke '#d04040' stroke-width 1 stroke-dasharray 2,2 line 29,1 29,30 stroke-dasharray none\n"
  printf "stroke '%s' stroke-width 2.5 path 'M 20,5 L 21,5 C 27,5 27,16 21,16 L 11,16'\n" "$BLUE"
  printf "stroke '%s' stroke-width 1 fill '%s' polygon 4,16 11,10 11,22\n" "$BLUE_DARK" "$BLUE"
}

# Word wrap off: lines run on past the margin.
wrapoff_32() {
  printf "fill none stroke '%s' stroke-width 2 stroke-linecap butt\n" '#505050'
  printf "line 2,5 31,5 line 2,19 31,19 line 2,27 16,27\n"
  printf "stroke '#d04040' stroke-width 1 stroke-dasharray 2,2 line 22,1 22,30 stroke-dasharray none\n"
  printf "stroke '%s' stroke-width 2.5 line 2,12 24,12\n" "$BLUE"
  printf "stroke '%s' stroke-width 1 fill '%s' polygon 30,12 23,6 23,18\n" "$BLUE_DARK" "$BLUE"
}

find_32() {
  printf "stroke-linecap round fill none\n"
  printf "stroke '#1a0c04' stroke-width 7 line 21,20 27,26\n"
  printf "stroke '#7a4418' stroke-width 5 line 21,20 27,26\n"
  shaded glass 4,3 22,21 '#f4faff' '#8cb4de'
  printf "stroke '#3a424a' stroke-width 3 circle 13,12 13,21\n"
  plain
  printf "stroke '#ffffff' stroke-width 2 fill none path 'M 8,12 A 5,5 0 0,1 13,7'\n"
}

replace_32() {
  printf "stroke-linecap round fill none\n"
  printf "stroke '#1a0c04' stroke-width 5 line 15,15 19,19\n"
  printf "stroke '#7a4418' stroke-width 3 line 15,15 19,19\n"
  shaded glass 2,2 18,18 '#f4faff' '#8cb4de'
  printf "stroke '#3a424a' stroke-width 2.5 circle 10,10 10,17\n"
  plain
  printf "stroke '#ffffff' stroke-width 1.5 fill none path 'M 6,10 A 4,4 0 0,1 10,6'\n"
  # a pencil lying from the bottom left up to the right
  printf "stroke '#2a2a2a' stroke-width 1 stroke-linejoin round\n"
  printf "fill '#f2c230' polygon 15,24 24,15 28,19 19,28\n"
  printf "fill '#b8bcc0' polygon 24,15 26,13 30,17 28,19\n"
  printf "fill '#e87890' polygon 26,13 27,12 31,16 30,17\n"
  printf "fill '#ecd2a8' polygon 15,24 19,28 12,31\n"
  printf "stroke none fill '#2a2a2a' polygon 12,31 13.5,27.5 15.5,29.5\n"
}

wizard_32() {
  printf "stroke-linecap round fill none\n"
  printf "stroke '#000000' stroke-width 6 line 4,28 19,13\n"
  printf "stroke '#383838' stroke-width 4 line 4,28 17,15\n"
  printf "stroke '#ffffff' stroke-width 4 line 17,15 19,13\n"
  printf "fill '#ffd820' stroke '#a07000' stroke-width 1\n"
  star 24 8 7 3 5
  star 11 6 3.5 1.2 4
  star 27 21 3.5 1.2 4
}

reg_32() {
  printf "stroke '#0c2060' stroke-width 1 stroke-linejoin round\n"
  printf "fill '#9cbcff' polygon 16,3 28,9 16,15 4,9\n"
  printf "fill '#3f6fd8' polygon 4,9 16,15 16,29 4,23\n"
  printf "fill '#1e46a4' polygon 16,15 28,9 28,23 16,29\n"
  printf "stroke '#dce8ff' fill none line 10,6 22,12 line 22,6 10,12\n"
  printf "stroke '#8eaaf0' line 10,12 10,26 line 4,16 16,22\n"
  printf "stroke '#5a80d8' line 22,12 22,26 line 16,22 28,16\n"
}

test_32() {
  shaded metal 2,2 24,24 '#e6eaf0' '#7a8088'
  printf "stroke '#3a3e44' stroke-width 1 stroke-linejoin round\n"
  gear 13 13 11 8 8
  plain
  printf "stroke '#3a3e44' stroke-width 1 fill '#fafafa' circle 13,13 13,16.5\n"
  printf "fill none stroke-linecap round stroke-linejoin round\n"
  printf "stroke '#0c4a0c' stroke-width 6.5 path 'M 14,21 L 19,26 L 29,13'\n"
  printf "stroke '#34b834' stroke-width 4 path 'M 14,21 L 19,26 L 29,13'\n"
}

about_32() {
  shaded disc 2,2 29,29 "$BLUE_LIGHT" '#1a48b0'
  printf "stroke '%s' stroke-width 1 circle 15.5,15.5 15.5,2.5\n" "$BLUE_DARK"
  plain
  printf "stroke none fill '#ffffff' circle 15.5,8.5 15.5,10.8\n"
  printf "rectangle 14,13 17,23 rectangle 12,13 13,14 rectangle 12,23 19,24\n"
}

help_32() {
  shaded disc 2,2 29,29 '#fff4b0' '#dc9c00'
  printf "stroke '#805800' stroke-width 1 circle 15.5,15.5 15.5,2.5\n"
  plain
  printf "fill none stroke '%s' stroke-width 3.5 stroke-linecap round stroke-linejoin round\n" "$BLUE_DARK"
  printf "path 'M 10.5,11 C 10.5,4.5 21,4.5 21,10.5 C 21,15 15.5,14.5 15.5,19'\n"
  printf "stroke none fill '%s' circle 15.5,24 15.5,26.2\n" "$BLUE_DARK"
}

# ---- 16-pixel images ------------------------------------------------------------------

new_16() {
  page 3 1 12 14 3
  printf "fill '#ffd21f' stroke '#a07000' stroke-width 1\n"
  star 4 3 3 1.2 4
}

open_16() {
  printf "stroke '#7a5a00' stroke-width 1 fill '#d9a420'\n"
  printf "polygon 1,3 5,3 6,4 12,4 12,13 1,13\n"
  shaded flap 0,7 0,13 '#ffe88a' '#e8b028'
  printf "stroke '#7a5a00' stroke-width 1 polygon 4,7 15,7 12,13 1,13\n"
  plain
}

save_16() {
  shaded body 1,1 14,14 '#5a80d8' '#1c3a88'
  printf "stroke '#0c1c48' stroke-width 1 polygon 1,1 12,1 14,3 14,14 1,14\n"
  plain
  printf "stroke '#0c1c48' stroke-width 1 fill '#ffffff' rectangle 4,1 11,6\n"
  printf "fill '#d8d8d8' stroke '#303030' rectangle 4,10 11,14\n"
  printf "stroke none fill '#1c3a88' rectangle 8,11 9,13\n"
}

cut_16() {
  printf "fill none stroke-linecap round\n"
  printf "stroke '#50565e' stroke-width 1.6 line 5,1 10,9 line 11,1 6,9\n"
  printf "stroke '#c02a1e' stroke-width 1.6 circle 5,12 5,14.2 circle 11,12 11,14.2\n"
}

copy_16() {
  page 1 1 9 10 2
  lines 3 7 1 4 6
  page 6 5 14 14 2
  lines 8 12 1 8 10 12
}

paste_16() {
  shaded board 1,2 11,14 '#d0985a' '#8e5a22'
  printf "stroke '#4a2e08' stroke-width 1 roundrectangle 1,2 11,14 1,1\n"
  plain
  printf "stroke '#404040' stroke-width 1 fill '#d8d8d8' rectangle 4,1 8,3\n"
  page 7 6 14 15 2
  lines 9 12 1 9 11 13
}

undo_16() {
  local arc='M 7,4 L 9,4 C 15.5,4 15.5,13 9,13 L 7,13'
  printf "fill none stroke-linecap round stroke-linejoin round\n"
  printf "stroke '%s' stroke-width 3.4 path '%s'\n" "$BLUE_DARK" "$arc"
  printf "stroke '%s' stroke-width 1.8 path '%s'\n" "$BLUE" "$arc"
  printf "stroke '%s' stroke-width 1 fill '%s' polygon 1,4 6.5,0 6.5,8\n" "$BLUE_DARK" "$BLUE"
}

wrapon_16() {
  printf "fill none stroke '%s' stroke-width 1 stroke-linecap butt\n" '#404040'
  printf "line 1,2 10,2 line 1,13 8,13\n"
  printf "stroke '%s' stroke-width 1.6 path 'M 10,2 L 11,2 C 15,2 15,8 11,8 L 6,8'\n" "$BLUE"
  printf "stroke none fill '%s' polygon 1,8 6,4.5 6,11.5\n" "$BLUE"
}

wrapoff_16() {
  printf "fill none stroke '%s' stroke-width 1 stroke-linecap butt\n" '#404040'
  printf "line 1,2 15,2 line 1,10 15,10 line 1,13 6,13\n"
  printf "stroke '#d04040' stroke-width 1 stroke-dasharray 1,1 line 11,0 11,15 stroke-dasharray none\n"
  printf "stroke '%s' stroke-width 2 line 1,6 11,6\n" "$BLUE"
  printf "stroke none fill '%s' polygon 15,6 11,2.5 11,9.5\n" "$BLUE"
}

find_16() {
  printf "stroke-linecap round fill none\n"
  printf "stroke '#1a0c04' stroke-width 3.6 line 10.5,10.5 13.5,13.5\n"
  printf "stroke '#7a4418' stroke-width 2 line 10.5,10.5 13.5,13.5\n"
  printf "stroke '#3a424a' stroke-width 1.6 fill '#cfe2f6' circle 6,6 6,10.5\n"
  printf "stroke '#ffffff' stroke-width 1 fill none path 'M 4,6 A 2,2 0 0,1 6,4'\n"
}

replace_16() {
  printf "stroke-linecap round fill none\n"
  printf "stroke '#5a3410' stroke-width 2 line 7.5,7.5 9,9\n"
  printf "stroke '#3a424a' stroke-width 1.4 fill '#cfe2f6' circle 4.5,4.5 4.5,8\n"
  printf "stroke '#2a2a2a' stroke-width 1 stroke-linejoin round\n"
  printf "fill '#f2c230' polygon 7,12 12,7 14,9 9,14\n"
  printf "fill '#e87890' polygon 12,7 13,6 15,8 14,9\n"
  printf "stroke none fill '#2a2a2a' polygon 5,15 7,12 9,14\n"
}

wizard_16() {
  printf "stroke-linecap round fill none\n"
  printf "stroke '#000000' stroke-width 3 line 2,14 9,7\n"
  printf "stroke '#ffffff' stroke-width 1.4 line 8,8 9,7\n"
  printf "fill '#ffd820' stroke '#a07000' stroke-width 1\n"
  star 11.5 4.5 4 1.7 5
  printf "stroke none fill '#ffd820' rectangle 4,1 5,2 rectangle 13,11 14,12\n"
}

reg_16() {
  printf "stroke '#0c2060' stroke-width 1 stroke-linejoin round\n"
  printf "fill '#9cbcff' polygon 8,1 14,4 8,7 2,4\n"
  printf "fill '#3f6fd8' polygon 2,4 8,7 8,14 2,11\n"
  printf "fill '#1e46a4' polygon 8,7 14,4 14,11 8,14\n"
}

test_16() {
  printf "stroke '#3a3e44' stroke-width 1 stroke-linejoin round fill '#b8bec6'\n"
  gear 6.5 6.5 6 4.2 6
  printf "fill '#fafafa' circle 6.5,6.5 6.5,8.3\n"
  printf "fill none stroke-linecap round stroke-linejoin round\n"
  printf "stroke '#0c4a0c' stroke-width 3.6 path 'M 7,11 L 9.5,13.5 L 14.5,7'\n"
  printf "stroke '#34b834' stroke-width 1.8 path 'M 7,11 L 9.5,13.5 L 14.5,7'\n"
}

about_16() {
  shaded disc 0,0 15,15 "$BLUE_LIGHT" '#1a48b0'
  printf "stroke '%s' stroke-width 1 circle 7.5,7.5 7.5,0.5\n" "$BLUE_DARK"
  plain
  printf "stroke none fill '#ffffff' rectangle 7,3 8,4 rectangle 7,6 8,11 rectangle 6,6 6,6 rectangle 6,12 9,12\n"
}

help_16() {
  shaded disc 0,0 15,15 '#fff4b0' '#dc9c00'
  printf "stroke '#805800' stroke-width 1 circle 7.5,7.5 7.5,0.5\n"
  plain
  printf "fill none stroke '%s' stroke-width 1.8 stroke-linecap round stroke-linejoin round\n" "$BLUE_DARK"
  printf "path 'M 5,5.5 C 5,2.5 10.5,2.5 10.5,5.5 C 10.5,7.8 7.8,7.5 7.8,9.5'\n"
  printf "stroke none fill '%s' rectangle 7,11 8,12\n" "$BLUE_DARK"
}

# ---- strips ---------------------------------------------------------------------------

# strip SIZE DESIGN: the images of DESIGN pixels drawn at SIZE pixels. The affine maps
# pixel centres onto pixel centres: (x + 0.5) * scale - 0.5.
strip() {
  local size=$1 design=$2 out="toolbar-$1" tiles=() transform=""
  if [ "$size" != "$design" ]; then
    transform=$(awk -v s="$size" -v d="$design" 'BEGIN { k = s / d; printf "affine %g,0,0,%g,%g,%g\n", k, k, k / 2 - 0.5, k / 2 - 0.5 }')
  fi
  for name in $ORDER; do
    convert -size "${size}x${size}" xc:none -draw "$transform$("${name}_${design}")" "$work/$name-$size.png"
    tiles+=("$work/$name-$size.png")
  done
  convert "${tiles[@]}" +append +repage "$work/$out.png"
  # Disabled: grey, lighter and half transparent, as the system greys a disabled button.
  convert "$work/$out.png" -channel RGB -colorspace Gray +level 35%,85% -colorspace sRGB +channel \
    -channel A -evaluate multiply 0.65 +channel "$work/$out-disabled.png"
  for file in "$out" "$out-disabled"; do
    convert "$work/$file.png" -define bmp3:alpha=true "BMP3:$file.bmp"
  done
}

# The sizes win/app/toolbars.cpp offers the bars (kToolBarImageSizes).
for size in 16 20 24; do strip $size 16; done
for size in 32 40 48 64; do strip $size 32; done
