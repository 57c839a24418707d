#!/usr/bin/env bash
# Draws the window icon (a microphone with musical notes, 32x32) and the
# picture beside the effect lists (105x138). Run by hand after a change;
# the results are kept in the repository. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"

convert -size 32x32 xc:none \
  -fill '#303848' -stroke '#101418' -strokewidth 1 \
  -draw 'roundrectangle 6,3 15,17 4,4' \
  -fill none -stroke '#c0c8d0' -draw 'line 8,7 13,7' -draw 'line 8,10 13,10' -draw 'line 8,13 13,13' \
  -stroke '#202020' -strokewidth 2 -draw 'arc 3,10 18,23 0,180' \
  -draw 'line 10,23 10,28' -draw 'line 6,29 14,29' \
  -fill '#e0b000' -stroke '#805800' -strokewidth 1 \
  -draw 'ellipse 21,24 3,2 0,360' -draw 'ellipse 28,21 3,2 0,360' \
  -draw 'line 23,24 23,10' -draw 'line 30,21 30,7' -strokewidth 2 -draw 'line 23,10 30,7' \
  -fill '#e0b000' -draw 'ellipse 20,11 2,1.5 0,360' -stroke '#805800' -strokewidth 1 -draw 'line 21,11 21,3' \
  lampotron.png

# A night shop window with a string of eight lamps, as a small photograph.
convert -size 105x138 gradient:'#0a1030'-'#402018' \
  -fill '#1c1c24' -draw 'rectangle 0,100 104,137' \
  -fill '#604830' -draw 'rectangle 8,64 96,100' \
  -stroke '#303030' -strokewidth 1 -draw 'line 4,22 100,22' \
  -stroke none \
  -fill '#40ff40' -draw 'circle 10,28 10,32' -draw 'circle 46,28 46,32' -draw 'circle 82,28 82,32' \
  -fill '#103010' -draw 'circle 22,28 22,32' -draw 'circle 34,28 34,32' -draw 'circle 58,28 58,32' \
  -draw 'circle 70,28 70,32' -draw 'circle 94,28 94,32' \
  -fill '#f0e0a0' -draw 'rectangle 24,72 40,96' -fill '#a0d0f0' -draw 'rectangle 52,78 66,96' \
  -fill '#f08080' -draw 'rectangle 74,70 88,96' \
  -blur 0x0.6 -attenuate 0.3 +noise Gaussian -quality 90 picture.jpg
