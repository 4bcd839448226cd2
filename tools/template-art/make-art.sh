#!/bin/sh
# Draws the pictures of templates 5 to 8 (data/templates/N/bin/img/) with ImageMagick.
# Every picture is generated from shapes, gradients and seeded random numbers, so a run
# gives the same files again. Needs the Debian package imagemagick (convert) and awk.
#
#   tools/template-art/make-art.sh            all four templates
#   tools/template-art/make-art.sh 6 8        only the named ones
set -eu

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
CONVERT=${CONVERT:-convert}
Q="-strip -sampling-factor 4:2:0 -interlace Plane -quality"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# ---------------------------------------------------------------- shape helpers (awk)

# A mountain ridge by midpoint displacement, closed to the bottom edge: a polygon.
cat > "$TMP/ridge.awk" <<'EOF'
BEGIN {
  srand(seed); n = 2^depth;
  y[0] = base + (rand()-0.5)*rough; y[n] = base + (rand()-0.5)*rough;
  step = n; amp = rough;
  while (step > 1) {
    half = step/2;
    for (i = half; i < n; i += step) y[i] = (y[i-half] + y[i+half])/2 + (rand()-0.5)*amp;
    amp *= decay; step = half;
  }
  out = "polygon ";
  for (i = 0; i <= n; i++) out = out sprintf("%.1f,%.1f ", i*w/n, y[i]);
  out = out sprintf("%d,%d 0,%d ", w, h + 10, h + 10);
  # fir trees standing on the ridge
  if (trees > 0) {
    for (t = 0; t < trees; t++) {
      i = int(rand()*n); x = i*w/n; ty = y[i] + 4; th = tmin + rand()*(tmax - tmin); tw = th*0.42;
      for (k = 0; k < 3; k++) {
        top = ty - th + k*th*0.22; bot = ty - th*0.45 + k*th*0.22 + th*0.12*k; half = tw*(0.45 + k*0.28);
        out = out sprintf("polygon %.0f,%.0f %.0f,%.0f %.0f,%.0f ", x, top, x - half, bot, x + half, bot);
      }
      out = out sprintf("rectangle %.0f,%.0f %.0f,%.0f ", x - th*0.03, ty - th*0.2, x + th*0.03, ty + 6);
    }
  }
  print out;
}
EOF

# Soft random circles (bokeh), colours picked from a list.
cat > "$TMP/dots.awk" <<'EOF'
BEGIN {
  srand(seed); nc = split(cols, c, " ");
  for (i = 0; i < n; i++) {
    x = rand()*w; y = rand()*h; r = rmin + rand()*(rmax - rmin);
    printf "fill %s circle %.0f,%.0f %.0f,%.0f ", c[1 + int(rand()*nc)], x, y, x + r, y;
  }
}
EOF

# A flower: rings of translucent petals around a centre.
cat > "$TMP/flower.awk" <<'EOF'
BEGIN {
  srand(seed); out = "";
  for (ring = 0; ring < rings; ring++) {
    np = petals - ring*2; len = size*(1 - ring*0.28); wid = len*0.42; off = rand()*60;
    for (p = 0; p < np; p++) {
      a = off + p*360/np;
      out = out sprintf("push graphic-context translate %d,%d rotate %.1f fill %s ellipse 0,%.0f %.0f,%.0f 0,360 pop graphic-context ", cx, cy, a, (ring % 2 ? c2 : c1), -len*0.55, wid, len*0.55);
    }
  }
  out = out sprintf("fill %s circle %d,%d %d,%d ", cc, cx, cy, cx + size*0.16, cy);
  print out;
}
EOF

# A leafy stem along a quadratic curve.
cat > "$TMP/stem.awk" <<'EOF'
BEGIN {
  pi = 3.14159265; line = "";
  for (i = 0; i <= 40; i++) {
    t = i/40; x = (1-t)^2*x0 + 2*(1-t)*t*qx + t^2*x1; y = (1-t)^2*y0 + 2*(1-t)*t*qy + t^2*y1;
    line = line sprintf("%.0f,%.0f ", x, y);
  }
  out = sprintf("stroke %s stroke-width %d fill none polyline %s stroke none ", col, sw, line);
  for (i = 1; i < n; i++) {
    t = i/n; x = (1-t)^2*x0 + 2*(1-t)*t*qx + t^2*x1; y = (1-t)^2*y0 + 2*(1-t)*t*qy + t^2*y1;
    dx = 2*(1-t)*(qx-x0) + 2*t*(x1-qx); dy = 2*(1-t)*(qy-y0) + 2*t*(y1-qy);
    ang = atan2(dy, dx)*180/pi; side = (i % 2 ? 55 : -55); L = len*(1 - 0.45*t);
    out = out sprintf("push graphic-context translate %.0f,%.0f rotate %.1f fill %s ellipse %.0f,0 %.0f,%.0f 0,360 pop graphic-context ", x, y, ang + side, (i % 3 ? col : col2), L*0.5, L*0.5, L*0.2);
  }
  print out;
}
EOF

# A shelf of books: random widths, heights and colours.
cat > "$TMP/books.awk" <<'EOF'
BEGIN {
  srand(seed); nc = split(cols, c, " "); out = "";
  for (s = 0; s < shelves; s++) {
    sy = top + (s + 1)*pitch; x = margin;
    while (x < w - margin - 30) {
      bw = 18 + int(rand()*26); bh = pitch*(0.55 + rand()*0.35); col = c[1 + int(rand()*nc)];
      if (rand() < 0.08 && x < w - margin - 120) {
        # a book lying flat, or a little gap
        x += 14 + int(rand()*20); continue;
      }
      out = out sprintf("fill %s rectangle %d,%.0f %d,%d ", col, x, sy - bh, x + bw - 3, sy);
      if (rand() < 0.6) out = out sprintf("fill rgba(255,255,255,0.35) rectangle %d,%.0f %d,%.0f ", x + 3, sy - bh*0.8, x + bw - 6, sy - bh*0.8 + 4);
      if (rand() < 0.4) out = out sprintf("fill rgba(0,0,0,0.18) rectangle %d,%.0f %d,%.0f ", x + 3, sy - bh*0.3, x + bw - 6, sy - bh*0.3 + 6);
      x += bw;
    }
    out = out sprintf("fill %s rectangle 0,%d %d,%d ", shelf, sy, w, sy + 14);
  }
  print out;
}
EOF

# Confetti: little rotated rectangles and dots.
cat > "$TMP/confetti.awk" <<'EOF'
BEGIN {
  srand(seed); nc = split(cols, c, " ");
  for (i = 0; i < n; i++) {
    x = rand()*w; y = rand()*h; col = c[1 + int(rand()*nc)];
    if (rand() < 0.6) printf "push graphic-context translate %.0f,%.0f rotate %.0f fill %s rectangle -%d,-%d %d,%d pop graphic-context ", x, y, rand()*180, col, 4 + int(rand()*6), 2 + int(rand()*3), 4 + int(rand()*6), 2 + int(rand()*3);
    else printf "fill %s circle %.0f,%.0f %.0f,%.0f ", col, x, y, x + 3 + rand()*5, y;
  }
}
EOF

ridge() { # seed base rough decay w h [trees tmin tmax]
  awk -v seed="$1" -v depth=7 -v base="$2" -v rough="$3" -v decay="$4" -v w="$5" -v h="$6" \
      -v trees="${7:-0}" -v tmin="${8:-0}" -v tmax="${9:-0}" -f "$TMP/ridge.awk"
}
dots() { # seed n rmin rmax w h "colours"
  awk -v seed="$1" -v n="$2" -v rmin="$3" -v rmax="$4" -v w="$5" -v h="$6" -v cols="$7" -f "$TMP/dots.awk"
}
flower() { # seed cx cy size rings petals c1 c2 centre
  awk -v seed="$1" -v cx="$2" -v cy="$3" -v size="$4" -v rings="$5" -v petals="$6" \
      -v c1="$7" -v c2="$8" -v cc="$9" -f "$TMP/flower.awk"
}
stem() { # x0 y0 qx qy x1 y1 leaves leaflen colour colour2
  awk -v x0="$1" -v y0="$2" -v qx="$3" -v qy="$4" -v x1="$5" -v y1="$6" -v n="$7" -v len="$8" \
      -v sw=5 -v col="$9" -v col2="${10}" -f "$TMP/stem.awk"
}

# ---------------------------------------------------------------- template 5: a wedding

art5() {
  D="$ROOT/data/templates/5/bin/img"; mkdir -p "$D"
  ROSE='rgba(226,160,160,0.55)'; PEACH='rgba(244,200,190,0.6)'; GOLD='rgba(214,170,110,0.95)'
  SAGE='rgba(127,150,120,0.9)'; SAGE2='rgba(163,184,152,0.9)'

  # the header picture: blush and sage light with flowers in two corners
  W=1400; H=620
  $CONVERT -size ${W}x${H} gradient:'#fbf3ec-#f1d6cf' \
    \( -size ${W}x${H} xc:none -draw "$(dots 3 40 60 220 $W $H 'rgba(232,180,176,0.55) rgba(200,214,190,0.55) rgba(246,214,190,0.6) rgba(214,160,170,0.45)')" -blur 0x45 \) -composite \
    \( -size ${W}x${H} xc:none -draw "$(dots 7 45 8 36 $W $H 'rgba(255,255,255,0.5) rgba(255,240,230,0.45) rgba(255,250,240,0.55)')" -blur 0x4 \) -composite \
    -draw "$(stem 20 560 200 400 420 520 9 120 "$SAGE" "$SAGE2")" \
    -draw "$(flower 11 250 440 150 3 12 "$ROSE" "$PEACH" "$GOLD")" \
    -draw "$(flower 12 420 510 90 2 10 "$PEACH" "$ROSE" "$GOLD")" \
    -draw "$(stem 1380 110 1200 220 980 130 9 110 "$SAGE" "$SAGE2")" \
    -draw "$(flower 13 1160 200 140 3 12 "$ROSE" "$PEACH" "$GOLD")" \
    -draw "$(flower 14 1320 300 80 2 10 "$PEACH" "$ROSE" "$GOLD")" \
    -blur 0x0.8 $Q 74 "$D/hero.jpg"

  # our story: two rings
  W=700; H=860
  $CONVERT -size ${W}x${H} gradient:'#f7e7e1-#ecd2cc' \
    \( -size ${W}x${H} xc:none -draw "$(dots 21 26 20 90 $W $H 'rgba(255,255,255,0.5) rgba(255,236,226,0.5)')" -blur 0x12 \) -composite \
    -fill none -stroke '#b88a3a' -strokewidth 26 -draw "circle 290,470 290,330" \
    -stroke '#e3c27a' -strokewidth 10 -draw "circle 290,470 290,336" \
    -stroke '#a97c33' -strokewidth 24 -draw "circle 420,420 420,290" \
    -stroke '#efd598' -strokewidth 8 -draw "circle 420,420 420,296" \
    -stroke none -fill '#f8fbff' -draw "polygon 395,262 445,262 462,280 420,318 378,280" \
    -fill '#d8e6f2' -draw "polygon 395,262 420,262 420,318 378,280" \
    -draw "$(stem 80 860 160 700 60 560 8 90 "$SAGE" "$SAGE2")" \
    -draw "$(flower 22 120 780 120 3 12 "$ROSE" "$PEACH" "$GOLD")" \
    -blur 0x0.7 $Q 76 "$D/story.jpg"

  # the gallery
  W=640; H=640
  $CONVERT -size ${W}x${H} xc:'#f7ece6' \
    -draw "$(stem 90 600 200 260 560 90 12 100 "$SAGE" "$SAGE2")" \
    -draw "$(flower 31 320 320 200 3 12 "$ROSE" "$PEACH" "$GOLD")" \
    -draw "$(flower 32 500 150 100 2 10 'rgba(240,210,200,0.7)' "$ROSE" "$GOLD")" \
    -blur 0x0.8 $Q 74 "$D/gallery-1.jpg"

  $CONVERT -size ${W}x${H} gradient:'#3a2c3a-#5a3d4a' \
    \( -size ${W}x${H} xc:none -draw "$(dots 41 60 10 60 $W $H 'rgba(255,214,150,0.55) rgba(255,190,140,0.45) rgba(255,240,200,0.6)')" -blur 0x10 \) -composite \
    \( -size ${W}x${H} xc:none -draw "$(dots 42 40 3 10 $W $H 'rgba(255,236,190,0.9) rgba(255,255,230,0.8)')" -blur 0x2 \) -composite \
    $Q 74 "$D/gallery-2.jpg"

  # a three-tier cake
  $CONVERT -size ${W}x${H} gradient:'#e9efe4-#d5e0cf' \
    -fill 'rgba(255,255,255,0.7)' -draw "ellipse 320,560 230,34 0,360" \
    -fill '#fffaf3' -draw "roundrectangle 130,400 510,550 14,14" \
    -fill '#fdf5ec' -draw "roundrectangle 180,270 460,405 12,12" \
    -fill '#fffaf3' -draw "roundrectangle 230,160 410,275 10,10" \
    -fill '#e8b7b2' -draw "rectangle 130,500 510,516" -draw "rectangle 180,370 460,384" -draw "rectangle 230,245 410,257" \
    -draw "$(flower 51 320 150 56 2 9 'rgba(226,150,150,0.8)' 'rgba(244,196,186,0.85)' "$GOLD")" \
    -draw "$(flower 52 470 400 40 2 8 'rgba(226,150,150,0.8)' 'rgba(244,196,186,0.85)' "$GOLD")" \
    -draw "$(flower 53 170 530 44 2 8 'rgba(226,150,150,0.8)' 'rgba(244,196,186,0.85)' "$GOLD")" \
    -blur 0x0.6 $Q 76 "$D/gallery-3.jpg"

  $CONVERT "$D/story.jpg" -gravity center -crop 700x700+0+40 +repage -resize ${W}x${H} $Q 74 "$D/gallery-4.jpg"

  $CONVERT -size ${W}x${H} xc:'#dfe6d8' \
    -draw "$(stem -20 520 200 380 660 420 14 120 "$SAGE" "$SAGE2")" \
    -draw "$(stem 40 120 260 260 640 120 12 110 'rgba(110,134,104,0.9)' "$SAGE2")" \
    -draw "$(flower 61 420 300 120 3 12 'rgba(250,250,246,0.8)' 'rgba(238,226,214,0.85)' "$GOLD")" \
    -blur 0x0.7 $Q 74 "$D/gallery-5.jpg"

  $CONVERT -size ${W}x${H} gradient:'#fbf3ec-#f1d6cf' \
    \( -size ${W}x${H} xc:none -draw "$(dots 71 30 40 160 $W $H 'rgba(232,180,176,0.55) rgba(200,214,190,0.5) rgba(246,214,190,0.6)')" -blur 0x30 \) -composite \
    -draw "$(flower 72 210 250 130 3 12 "$ROSE" "$PEACH" "$GOLD")" \
    -draw "$(flower 73 430 400 150 3 12 'rgba(240,210,200,0.75)' "$ROSE" "$GOLD")" \
    -draw "$(flower 74 200 520 80 2 10 "$PEACH" "$ROSE" "$GOLD")" \
    -blur 0x0.8 $Q 74 "$D/gallery-6.jpg"
}

# ---------------------------------------------------------------- template 6: a personal blog

# contour map of seeded plasma, coloured with a palette (name, seed, width, height, colours...)
topo() {
  out=$1; seed=$2; w=$3; h=$4; shift 4
  pal=""; for c in "$@"; do pal="$pal xc:$c"; done
  # drawn at twice the size and scaled down, so the contour edges come out smooth
  $CONVERT -seed "$seed" -size $((w))x$((h)) plasma:fractal -colorspace Gray -blur 0x16 -auto-level \
    -resize 200% -blur 0x3 -posterize $# \
    -set colorspace sRGB -type TrueColor \( -size 1x1 $pal -append -scale 1x256! \) -clut \
    -resize 50% $Q 74 "$out"
}

art6() {
  D="$ROOT/data/templates/6/bin/img"; mkdir -p "$D"
  TEAL='#1f3b3a'; TEAL2='#2f5a55'

  topo "$D/post-contours.jpg" 4 1200 600 "$TEAL" "$TEAL2" '#4c7a6c' '#7d9a7f' '#b7b38f' '#e0c99c' '#e9a877' '#d9785a' '#b9573f'

  # a bookshelf
  W=1200; H=600
  $CONVERT -size ${W}x${H} gradient:'#efe6d6-#e2d3bb' \
    -draw "$(awk -v seed=61 -v shelves=3 -v top=-30 -v pitch=190 -v margin=70 -v w=$W -v shelf='#8a5a3c' \
        -v cols="$TEAL $TEAL2 #c4623f #d9a45b #e7cfa4 #7d9a7f #b9573f #3d4a5c #f2e8d8 #9c6b4e" -f "$TMP/books.awk")" \
    -fill 'rgba(0,0,0,0.06)' -draw "rectangle 0,0 60,$H" -draw "rectangle $((W-60)),0 $W,$H" \
    $Q 70 "$D/post-books.jpg"

  # a still life: a vase, a bowl, two oranges and a stack of books on a table
  $CONVERT -size ${W}x${H} gradient:'#e9e1d2-#d8cdb9' \
    -fill '#c9b79a' -draw "rectangle 0,430 $W,$H" \
    -fill 'rgba(0,0,0,0.10)' -draw "ellipse 420,468 120,16 0,360" -draw "ellipse 700,462 150,14 0,360" -draw "ellipse 930,470 90,10 0,360" \
    -fill "$TEAL2" -draw "roundrectangle 350,250 490,462 60,60" -draw "rectangle 395,170 445,270" \
    -fill "$TEAL" -draw "ellipse 420,172 34,10 0,360" \
    -fill 'rgba(255,255,255,0.18)' -draw "roundrectangle 372,280 392,420 10,10" \
    -fill '#7d9a7f' -draw "push graphic-context translate 420,170 rotate -20 ellipse 0,-70 14,70 0,360 pop graphic-context" \
    -draw "push graphic-context translate 420,170 rotate 25 ellipse 0,-90 12,90 0,360 pop graphic-context" \
    -fill '#e7cfa4' -draw "ellipse 700,400 150,70 0,180" \
    -fill '#d9bf8f' -draw "ellipse 700,400 150,18 0,360" \
    -fill '#e9873f' -draw "circle 660,378 660,330" \
    -fill '#f29a4e' -draw "circle 735,372 735,322" \
    -fill 'rgba(255,255,255,0.25)' -draw "circle 720,352 720,342" \
    -fill '#c4623f' -draw "rectangle 840,430 1020,466" \
    -fill '#3d4a5c' -draw "rectangle 855,394 1005,430" \
    -fill '#f2e8d8' -draw "rectangle 848,362 1012,394" \
    -fill 'rgba(0,0,0,0.12)' -draw "rectangle 848,388 1012,394" \
    $Q 74 "$D/post-still-life.jpg"

  # the author picture: a sun over the sea, cut to a circle by the style sheet
  W=320; H=320
  $CONVERT -size ${W}x${H} gradient:'#f3c9a0-#e9a877' \
    -fill '#fbe7c6' -draw "circle 160,150 160,92" \
    -fill "$TEAL2" -draw "rectangle 0,180 $W,$H" \
    -fill 'rgba(251,231,198,0.55)' -draw "rectangle 110,196 210,200" -draw "rectangle 126,214 194,217" -draw "rectangle 140,232 180,234" \
    -fill "$TEAL" -draw "rectangle 0,250 $W,$H" \
    $Q 78 "$D/avatar.jpg"

  # the gallery
  W=800; H=600
  topo "$D/gallery-1.jpg" 12 $W $H "$TEAL" "$TEAL2" '#4c7a6c' '#7d9a7f' '#b7b38f' '#e0c99c' '#f0dcb4'
  topo "$D/gallery-2.jpg" 27 $W $H '#3d4a5c' '#58627a' '#8b8fa8' '#c2b8c4' '#e9d8cc' '#e9a877' '#c4623f'
  $CONVERT "$D/post-books.jpg" -gravity center -crop 800x600+0+0 +repage $Q 70 "$D/gallery-3.jpg"
  $CONVERT "$D/post-still-life.jpg" -gravity center -crop 800x600+60+0 +repage $Q 74 "$D/gallery-4.jpg"
  topo "$D/gallery-5.jpg" 33 $W $H '#b9573f' '#d9785a' '#e9a877' '#f0cfa0' '#f6e6c8' '#b7b38f' '#7d9a7f'
  $CONVERT -size ${W}x${H} gradient:'#f3c9a0-#e9a877' \
    -fill '#fbe7c6' -draw "circle 400,300 400,200" \
    -fill "$TEAL2" -draw "rectangle 0,340 $W,$H" \
    -fill 'rgba(251,231,198,0.55)' -draw "rectangle 290,362 510,368" -draw "rectangle 320,390 480,395" -draw "rectangle 350,418 450,422" -draw "rectangle 372,446 428,449" \
    -fill "$TEAL" -draw "rectangle 0,480 $W,$H" \
    $Q 74 "$D/gallery-6.jpg"
  # the gallery shows them at about 400 pixels wide: 640 is plenty, also for sharp screens
  for f in "$D"/gallery-*.jpg; do $CONVERT "$f" -resize 640x480 $Q 76 "$f"; done
}

# ---------------------------------------------------------------- template 7: a sports club

# a football pitch seen from above, with a tactics board's counters (file, width, height, seed)
pitch() {
  out=$1; w=$2; h=$3; seed=$4
  m=40; cx=$((w/2)); cy=$((h/2)); bw=$((h*44/100)); bd=$((w*16/100)); sw=$((h*20/100)); sd=$((w*6/100))
  stripes=""; n=12; i=0
  while [ $i -lt $n ]; do
    if [ $((i % 2)) -eq 0 ]; then x0=$((i*w/n)); x1=$(((i+1)*w/n)); stripes="$stripes rectangle $x0,0 $x1,$h"; fi
    i=$((i+1))
  done
  counters=$(awk -v seed="$seed" -v w="$w" -v h="$h" 'BEGIN {
    srand(seed);
    split("0.12 0.28 0.28 0.28 0.28 0.45 0.45 0.45 0.62 0.62 0.62", fx, " ");
    split("0.50 0.18 0.40 0.60 0.82 0.30 0.50 0.70 0.25 0.50 0.75", fy, " ");
    for (i = 1; i <= 11; i++) {
      x = fx[i]*w + (rand()-0.5)*20; y = fy[i]*h + (rand()-0.5)*20;
      printf "fill rgba(0,0,0,0.22) circle %.0f,%.0f %.0f,%.0f ", x+4, y+5, x+4+h*0.035, y+5;
      printf "fill #ffc93c stroke #1d3fb8 stroke-width 4 circle %.0f,%.0f %.0f,%.0f stroke none ", x, y, x+h*0.035, y;
      if (i > 8 && rand() < 0.9) {
        ex = x + w*0.12; ey = y + (rand()-0.5)*h*0.2;
        printf "stroke rgba(255,255,255,0.9) stroke-width 4 stroke-dasharray 12,10 fill none line %.0f,%.0f %.0f,%.0f stroke-dasharray none stroke none ", x+h*0.05, y, ex, ey;
        printf "fill rgba(255,255,255,0.9) circle %.0f,%.0f %.0f,%.0f ", ex, ey, ex+6, ey;
      }
    }
    for (i = 1; i <= 4; i++) {
      x = (0.80 + (rand()-0.5)*0.1)*w; y = (0.2*i)*h;
      printf "fill rgba(0,0,0,0.22) circle %.0f,%.0f %.0f,%.0f ", x+4, y+5, x+4+h*0.035, y+5;
      printf "fill #ff6b57 stroke #ffffff stroke-width 4 circle %.0f,%.0f %.0f,%.0f stroke none ", x, y, x+h*0.035, y;
    }
  }')
  $CONVERT -size ${w}x${h} xc:'#2fa866' -fill '#36b672' -draw "$stripes" \
    -fill none -stroke 'rgba(255,255,255,0.85)' -strokewidth 5 \
    -draw "rectangle $m,$m $((w-m)),$((h-m))" -draw "line $cx,$m $cx,$((h-m))" \
    -draw "circle $cx,$cy $((cx+h/7)),$cy" \
    -draw "rectangle $m,$((cy-bw/2)) $((m+bd)),$((cy+bw/2))" -draw "rectangle $((w-m-bd)),$((cy-bw/2)) $((w-m)),$((cy+bw/2))" \
    -draw "rectangle $m,$((cy-sw/2)) $((m+sd)),$((cy+sw/2))" -draw "rectangle $((w-m-sd)),$((cy-sw/2)) $((w-m)),$((cy+sw/2))" \
    -stroke none -fill 'rgba(255,255,255,0.85)' -draw "circle $cx,$cy $((cx+7)),$cy" \
    -draw "$counters" \
    -fill white -draw "circle $((cx+30)),$((cy-24)) $((cx+46)),$((cy-24))" -fill '#23262b' -draw "circle $((cx+30)),$((cy-24)) $((cx+36)),$((cy-24))" \
    $Q 72 "$out"
}

art7() {
  D="$ROOT/data/templates/7/bin/img"; mkdir -p "$D"
  BLUE='#1d3fb8'; SUN='#ffc93c'; CORAL='#ff6b57'; GRASS='#2fa866'
  FONT=/usr/share/fonts/truetype/quicksand/Quicksand-Bold.ttf
  [ -f "$FONT" ] || FONT=DejaVu-Sans-Bold

  pitch "$D/pitch.jpg" 840 572 5

  W=800; H=600
  pitch "$D/gallery-1.jpg" $W $H 17

  # a running track: red lanes with white lines
  lanes=""; i=0
  while [ $i -le 6 ]; do r=$((160 + i*48)); lanes="$lanes circle 400,600 400,$((600-r))"; i=$((i+1)); done
  $CONVERT -size ${W}x${H} xc:'#2fa866' \
    -fill '#36b672' -draw "rectangle 0,0 $W,60" -draw "rectangle 0,120 $W,180" \
    -fill '#d9553f' -draw "circle 400,600 400,$((600-466))" \
    -fill '#2fa866' -draw "circle 400,600 400,$((600-160))" \
    -fill none -stroke 'rgba(255,255,255,0.9)' -strokewidth 4 -draw "$lanes" \
    -stroke none -fill white -font "$FONT" -pointsize 36 \
    -draw "text 389,428 '1'" -draw "text 389,380 '2'" -draw "text 389,332 '3'" -draw "text 389,284 '4'" -draw "text 389,236 '5'" -draw "text 389,188 '6'" \
    $Q 72 "$D/gallery-2.jpg"

  # medals on ribbons
  medal() { # x colour dark
    echo "fill $BLUE polygon $(($1-40)),0 $(($1-8)),0 $(($1+22)),300 $(($1-10)),300 fill $CORAL polygon $(($1+40)),0 $(($1+8)),0 $(($1-22)),300 $(($1+10)),300 fill $3 circle $1,370 $(($1+92)),370 fill $2 circle $1,370 $(($1+78)),370 fill rgba(255,255,255,0.35) circle $(($1-26)),340 $(($1-12)),340"
  }
  $CONVERT -size ${W}x${H} gradient:'#fff4d6-#ffe39a' \
    -draw "$(medal 170 '#c9ccd6' '#9aa0b0')" -draw "$(medal 400 '#ffd34d' '#d9a21b')" -draw "$(medal 630 '#e0a06a' '#b8713d')" \
    -font "$FONT" -pointsize 70 -fill 'rgba(0,0,0,0.25)' \
    -draw "text 150,396 '2'" -draw "text 380,396 '1'" -draw "text 610,396 '3'" \
    $Q 72 "$D/gallery-3.jpg"

  # a team shirt with a number
  $CONVERT -size ${W}x${H} xc:"$SUN" \
    -fill 'rgba(255,255,255,0.25)' -draw "circle 400,300 400,40" \
    -fill 'rgba(0,0,0,0.15)' -draw "polygon 290,112 350,92 450,92 510,112 620,190 578,262 522,228 522,528 278,528 278,228 222,262 180,190" \
    -fill "$BLUE" -draw "polygon 280,100 340,80 460,80 520,100 630,178 588,250 532,216 532,516 268,516 268,216 212,250 170,178" \
    -fill "$SUN" -draw "ellipse 400,84 44,26 0,180" \
    -fill "$CORAL" -draw "polygon 170,178 212,250 226,242 184,170" -draw "polygon 630,178 588,250 574,242 616,170" \
    -font "$FONT" -pointsize 190 -fill white -gravity center -draw "text 0,30 '10'" \
    $Q 72 "$D/gallery-4.jpg"

  # confetti on blue
  $CONVERT -size ${W}x${H} gradient:'#2450d8-#1d3fb8' \
    -draw "$(awk -v seed=77 -v n=220 -v w=$W -v h=$H -v cols="$SUN $CORAL #ffffff #7ee0a8 #8fd3ff" -f "$TMP/confetti.awk")" \
    -font "$FONT" -pointsize 96 -fill white -gravity center -draw "text 0,-10 'GOAL!'" \
    $Q 74 "$D/gallery-5.jpg"

  # training cones and a ball on the grass
  cone() { # x y size
    echo "fill rgba(0,0,0,0.18) ellipse $(($1+6)),$(($2+4)) $(($3*7/10)),$(($3/6)) 0,360 fill #ff7a2f polygon $1,$(($2-$3*2)) $(($1-$3/2)),$2 $(($1+$3/2)),$2 fill #ffffff polygon $(($1-$3*18/100)),$(($2-$3*13/10)) $(($1+$3*18/100)),$(($2-$3*13/10)) $(($1+$3*26/100)),$(($2-$3)) $(($1-$3*26/100)),$(($2-$3)) fill #e8611d rectangle $(($1-$3*7/10)),$(($2-8)) $(($1+$3*7/10)),$2"
  }
  $CONVERT -size ${W}x${H} gradient:'#bfe7ff-#e8f7ff' \
    -fill "$GRASS" -draw "rectangle 0,330 $W,$H" -fill '#36b672' -draw "polygon 0,330 800,330 800,380 0,440" \
    -draw "$(cone 150 470 70)" -draw "$(cone 330 420 52)" -draw "$(cone 480 390 40)" -draw "$(cone 600 370 30)" \
    -fill 'rgba(0,0,0,0.2)' -draw "ellipse 560,548 70,14 0,360" \
    -fill white -draw "circle 555,480 555,410" -fill '#23262b' \
    -draw "polygon 555,455 580,470 572,500 538,500 530,470" -draw "polygon 510,440 525,428 532,445 518,462" -draw "polygon 598,440 585,428 578,445 592,462" \
    -fill "$SUN" -draw "circle 680,110 680,60" \
    $Q 72 "$D/gallery-6.jpg"

  for f in "$D"/gallery-*.jpg; do $CONVERT "$f" -resize 640x480 $Q 76 "$f"; done

  # the swimming pool: lanes with floating ropes
  ropes=""; i=1
  while [ $i -le 4 ]; do
    y=$((i*120)); x=0
    while [ $x -lt $W ]; do
      if [ $(((x/24) % 4)) -eq 0 ]; then c=$CORAL; else c=white; fi
      ropes="$ropes fill $c circle $((x+12)),$y $((x+21)),$y"; x=$((x+24))
    done
    i=$((i+1))
  done
  $CONVERT -size ${W}x${H} gradient:'#4cc3f0-#1f8fd6' \
    -fill 'rgba(255,255,255,0.18)' -draw "$(awk -v seed=91 -v n=40 -v w=$W -v h=$H 'BEGIN { srand(seed); for (i = 0; i < n; i++) { x = rand()*w; y = rand()*h; printf "ellipse %.0f,%.0f %.0f,%.0f 0,360 ", x, y, 20 + rand()*50, 4 + rand()*4 } }')" \
    -fill 'rgba(13,74,140,0.35)' -draw "rectangle 0,56 $W,64" -draw "rectangle 0,176 $W,184" -draw "rectangle 0,296 $W,304" -draw "rectangle 0,416 $W,424" -draw "rectangle 0,536 $W,544" \
    -draw "$ropes" \
    -fill "$SUN" -draw "circle 560,186 560,168" -fill "$CORAL" -draw "rectangle 548,164 572,172" \
    -fill 'rgba(255,255,255,0.7)' -draw "ellipse 560,196 46,8 0,360" \
    $Q 72 "$D/pool.jpg"

  # a street map with a pin, for the contact page
  W=900; H=520
  $CONVERT -size ${W}x${H} xc:'#f4efe4' \
    -fill '#cfe9c9' -draw "roundrectangle 520,60 860,300 18,18" -draw "roundrectangle 40,330 300,490 18,18" \
    -fill '#a8d8f0' -draw "polygon 0,200 120,170 260,190 380,150 520,0 600,0 440,190 300,250 140,240 0,270" \
    -fill none -stroke white -strokewidth 22 -draw "line 0,320 900,300" -draw "line 420,0 460,520" -draw "line 120,520 700,80" \
    -stroke '#ffd98a' -strokewidth 26 -draw "line 0,420 900,380" \
    -stroke none -fill "$GRASS" -draw "rectangle 600,120 800,240" -fill none -stroke white -strokewidth 4 -draw "rectangle 610,130 790,230" -draw "line 700,130 700,230" -draw "circle 700,180 720,180" \
    -stroke none -fill 'rgba(0,0,0,0.2)' -draw "ellipse 706,262 30,9 0,360" \
    -fill "$CORAL" -draw "circle 700,196 700,160" -draw "polygon 672,210 728,210 700,262" -fill white -draw "circle 700,196 700,182" \
    $Q 74 "$D/map.jpg"
}

# ---------------------------------------------------------------- template 8: outdoor journeys

art8() {
  D="$ROOT/data/templates/8/bin/img"; mkdir -p "$D"

  # the hero: a sunset behind five ranges, firs on the nearest ridge
  W=1800; H=1000
  $CONVERT -size ${W}x${H} gradient:'#2b3a67-#f6a35c' \
    \( -size ${W}x$((H/2)) gradient:'rgba(246,163,92,0)-rgba(252,206,140,0.9)' \) -geometry +0+$((H/3)) -composite \
    \( -size ${W}x${H} xc:none -fill 'rgba(255,236,200,0.9)' -draw "circle 1230,560 1230,430" -blur 0x60 \) -composite \
    -fill '#fff3d8' -draw "circle 1230,560 1230,488" \
    -fill '#e98a6a' -draw "$(ridge 11 500 560 0.58 $W $H)" \
    -fill '#b9637a' -draw "$(ridge 22 610 440 0.56 $W $H)" \
    -fill '#7a4a6e' -draw "$(ridge 33 720 320 0.52 $W $H)" \
    -fill '#43385a' -draw "$(ridge 44 820 220 0.5 $W $H 60 40 90)" \
    -fill '#1c2238' -draw "$(ridge 55 910 160 0.5 $W $H 40 70 150)" \
    $Q 76 "$D/hero.jpg"

  # trips: an alpine lake with the ranges mirrored in it
  W=900; H=640
  $CONVERT -size ${W}x380 gradient:'#9fd0e6-#e6f2ec' \
    -fill '#fdfbf3' -draw "circle 680,110 680,80" \
    -fill '#8fb0c4' -draw "$(ridge 71 170 240 0.55 $W 380)" \
    -fill '#5d8199' -draw "$(ridge 72 240 170 0.55 $W 380)" \
    -fill '#2f5a55' -draw "$(ridge 73 330 60 0.5 $W 380 70 30 70)" \
    \( +clone -flip -fill '#2b6f8a' -colorize 38% -blur 0x2 \) -append \
    -crop ${W}x${H}+0+0 +repage \
    -fill 'rgba(255,255,255,0.35)' -draw "rectangle 120,420 340,423" -draw "rectangle 520,470 800,473" -draw "rectangle 260,530 520,533" \
    $Q 72 "$D/trip-lake.jpg"

  # trips: misty forest ridges at dawn
  $CONVERT -size ${W}x${H} gradient:'#f3e2c7-#c9dcc9' \
    -fill '#b9cfbd' -draw "$(ridge 81 300 160 0.55 $W $H 90 40 70)" \
    -fill 'rgba(243,226,199,0.5)' -draw "rectangle 0,0 $W,$H" \
    -fill '#8fb39d' -draw "$(ridge 82 380 150 0.55 $W $H 90 50 90)" \
    -fill 'rgba(243,226,199,0.35)' -draw "rectangle 0,0 $W,$H" \
    -fill '#4d7d66' -draw "$(ridge 83 470 130 0.55 $W $H 70 70 120)" \
    -fill '#1f4a3d' -draw "$(ridge 84 560 100 0.5 $W $H 50 90 170)" \
    $Q 72 "$D/trip-forest.jpg"

  # trips: desert dunes under a white sun
  $CONVERT -size ${W}x${H} gradient:'#f7d9a8-#f4b27a' \
    -fill '#fff6e0' -draw "circle 220,170 220,120" \
    -fill '#eaa066' -draw "$(ridge 91 330 220 0.3 $W $H)" \
    -fill '#de8752' -draw "$(ridge 92 410 240 0.3 $W $H)" \
    -fill '#c96a3e' -draw "$(ridge 93 500 260 0.3 $W $H)" \
    -fill '#a9522f' -draw "$(ridge 94 590 200 0.3 $W $H)" \
    -blur 0x0.8 $Q 72 "$D/trip-desert.jpg"

  # the band behind the quotation: a starry night over the ranges
  W=1800; H=700
  $CONVERT -size ${W}x${H} gradient:'#0b1022-#24305a' \
    -draw "$(dots 101 220 1 2 $W 480 'rgba(255,255,255,0.9) rgba(255,240,210,0.8) rgba(200,220,255,0.9)')" \
    -fill '#fdf6e3' -draw "circle 420,150 420,118" -fill '#1a2244' -draw "circle 436,140 436,112" \
    -fill '#2b3766' -draw "$(ridge 111 430 260 0.55 $W $H)" \
    -fill '#1c2547' -draw "$(ridge 112 520 200 0.52 $W $H)" \
    -fill '#0f152c' -draw "$(ridge 113 610 120 0.5 $W $H 70 60 120)" \
    $Q 74 "$D/night.jpg"
}

case_all() {
  for t in "$@"; do
    case "$t" in
      5) art5 ;;
      6) art6 ;;
      7) art7 ;;
      8) art8 ;;
      *) echo "no art for template $t" >&2; exit 2 ;;
    esac
  done
}

if [ $# -eq 0 ]; then set -- 5 6 7 8; fi
case_all "$@"
