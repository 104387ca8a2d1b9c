#!/bin/sh
# Redraws the program's picture (src/app/velmora.png) with ImageMagick: a
# crescent moon over the night sky, ringed by five stars for the five limbs of
# the almanac. The picture is committed; run this only to change it.
set -eu
out="${1:-$(dirname "$0")/../src/app/velmora.png}"
convert -size 256x256 xc:none \
  -fill '#2b1d5c' -draw 'roundrectangle 8,8 247,247 44,44' \
  -fill '#f59e0b' -draw 'circle 128,128 128,52' \
  -fill '#fcd34d' -draw 'circle 128,128 128,66' \
  -fill '#2b1d5c' -draw 'circle 150,112 150,52' \
  -fill '#fde68a' \
  -draw 'circle 128,30 128,22' -draw 'circle 221,98 221,90' -draw 'circle 186,207 186,199' \
  -draw 'circle 70,207 70,199' -draw 'circle 35,98 35,90' \
  -depth 8 -strip -define png:exclude-chunks=date,time "$out"
