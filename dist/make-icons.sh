#!/bin/sh
# Draws the program's desktop icon, the mark at the left of data/logo.png (a
# small browser window on an amber tile), in the hicolor sizes as
# dist/icons/N.png. The mark is drawn again from its shapes and colours at
# 1024 pixels and scaled down, so that the large sizes stay as sharp as the
# small ones. Needs ImageMagick's convert. Run it when the logo changes and
# commit the result:
#
#   dist/make-icons.sh
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT="$ROOT/dist/icons"
CONVERT=${CONVERT:-convert}
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

C=1024                      # the canvas
S=$((C * 15 / 16))          # the tile, with a margin as desktop icons have
O=$(((C - S) / 2))          # where the tile begins
# A length of the mark, as a share of the tile (the logo's own proportions).
at() { awk -v o="$O" -v s="$S" -v f="$1" 'BEGIN { printf "%.1f", o + s * f }'; }
len() { awk -v s="$S" -v f="$1" 'BEGIN { printf "%.1f", s * f }'; }

# the tile: amber, light at the top left, deeper at the bottom right
$CONVERT -size ${S}x${S} -define gradient:direction=SouthEast gradient:'#ffc966-#f28c28' -alpha set \
  \( -size ${S}x${S} xc:none -fill white -draw "roundrectangle 0,0 $((S - 1)),$((S - 1)) $(len 0.24),$(len 0.24)" \) \
  -compose DstIn -composite "$TMP/tile.png"

# the window: white with an indigo title strip, clipped to its rounded corners
WX0=$(at 0.2); WY0=$(at 0.24); WX1=$(at 0.8); WY1=$(at 0.76); R=$(len 0.07)
$CONVERT \( -size ${C}x${C} xc:none -fill white -draw "roundrectangle $WX0,$WY0 $WX1,$WY1 $R,$R" \) \
  \( -size ${C}x${C} xc:none -fill '#1b2552' -draw "rectangle $WX0,$WY0 $WX1,$(at 0.35)" \) \
  -compose SrcAtop -composite "$TMP/window.png"

# a picture block and three text lines
LINE=$(len 0.0275)
LINES=""
for i in 0 1 2; do
  width=0.2; [ "$i" = 2 ] && width=0.12
  y0=$(awk -v i="$i" 'BEGIN { printf "%.4f", 0.24 + 0.19 + i * 0.085 }')
  y1=$(awk -v y="$y0" 'BEGIN { printf "%.4f", y + 0.055 }')
  x1=$(awk -v w="$width" 'BEGIN { printf "%.4f", 0.52 + w }')
  LINES="$LINES roundrectangle $(at 0.52),$(at "$y0") $(at "$x1"),$(at "$y1") $LINE,$LINE"
done

$CONVERT -size ${C}x${C} xc:none "$TMP/tile.png" -geometry +$O+$O -compose Over -composite \
  "$TMP/window.png" -geometry +0+0 -compose Over -composite \
  -fill '#0f7c86' -draw "roundrectangle $(at 0.27),$(at 0.42) $(at 0.47),$(at 0.66) $(len 0.03),$(len 0.03)" \
  -fill 'rgba(27,37,82,0.55)' -draw "$LINES" \
  "$TMP/mark.png"

mkdir -p "$OUT"
for size in 16 22 24 32 48 64 128 256 512; do
  $CONVERT "$TMP/mark.png" -filter Triangle -resize ${size}x${size} -strip PNG32:"$OUT/$size.png"
done
