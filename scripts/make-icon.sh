#!/usr/bin/env bash
# Draws tavlin's application icon, src/app/tavlin.ico, with ImageMagick: a round clock face in
# the strip's colours (the panel's dark border and light grey face around the black game-time
# pane, green hands at three o'clock), at 16, 32, 48 and 256 pixels.
# Each size is drawn at its own size rather than scaled down from a big one, so the hands stay
# on whole pixels and sharp at 16 pixels. Run it after changing the drawing; commit the .ico.
# Usage: scripts/make-icon.sh [OUTPUT_DIR]   (PNGs of every size are kept there to look at)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
out="${1:-build/icon}"
mkdir -p "$out"

border='rgb(78,71,71)'  # the panels' border
face='rgb(240,240,240)' # the panels' face (the system button face)
pane='rgb(0,0,0)'       # the game-time pane
hands='rgb(0,255,0)'    # the game time's digits

# draw SIZE BORDER_WIDTH FACE_WIDTH HAND_WIDTH MINUTE_HAND HOUR_HAND MARK_SIZE
# In pixels. HAND_WIDTH is even, so the hands sit on whole pixels either side of the centre,
# which lies between two pixels; the hands' lengths count from the centre; MARK_SIZE 0 draws no
# hour marks. Hands wider than 8 pixels get round ends.
draw() {
  local size=$1 border_width=$2 face_width=$3 hand=$4 minute=$5 hour=$6 mark=$7
  awk -v s="$size" -v b="$border_width" -v f="$face_width" -v h="$hand" -v minute="$minute" \
    -v hour="$hour" -v m="$mark" '
    function circle(r) { return sprintf("circle %g,%g %g,%g", c, c, c, c - r) }
    BEGIN {
      # Pixel x covers x-0.5 .. x+0.5 in drawing coordinates: the image spans -0.5 .. s-0.5.
      c = s / 2 - 0.5
      outer = s / 2 - 0.25
      dial = outer - b - f
      print "fill '"$border"' " circle(outer)
      print "fill '"$face"' " circle(outer - b)
      print "fill '"$pane"' " circle(dial)
      # The hands: whole-pixel rectangles (x0,y0 x1,y1, both corners inclusive).
      left = s / 2 - h / 2; right = s / 2 + h / 2 - 1
      shape = h > 8 ? sprintf("roundrectangle %%d,%%d %%d,%%d %d,%d", h / 2, h / 2) : "rectangle %d,%d %d,%d"
      print "fill '"$hands"' stroke none"
      printf shape "\n", left, s / 2 - minute, right, right
      printf shape "\n", left, left, s / 2 + hour - 1, right
      if (m > 0) {
        # Hour marks at 12, 6 and 9 inside the dial (3 is where the hour hand points).
        edge = int(dial) - m - int(m / 2)
        printf "rectangle %d,%d %d,%d\n", s / 2 - m / 2, s / 2 - edge - m, s / 2 + m / 2 - 1, s / 2 - edge - 1
        printf "rectangle %d,%d %d,%d\n", s / 2 - m / 2, s / 2 + edge, s / 2 + m / 2 - 1, s / 2 + edge + m - 1
        printf "rectangle %d,%d %d,%d\n", s / 2 - edge - m, s / 2 - m / 2, s / 2 - edge - 1, s / 2 + m / 2 - 1
      }
    }' >"$out/icon-$size.mvg"
  # Circles with soft edges; the rectangles of the hands are on whole pixels anyway.
  convert -size "${size}x${size}" xc:none -draw "$(cat "$out/icon-$size.mvg")" \
    -define png:exclude-chunks=date,time -strip "PNG32:$out/icon-$size.png"
}

draw 16 1 1 2 5 4 0
draw 32 1.5 2 2 8 6 2
draw 48 2 3 4 13 9 2
draw 256 8 14 16 70 50 12

# 256 pixels go in as PNG (every Windows since Vista reads it), the others as bitmaps.
convert "$out/icon-16.png" "$out/icon-32.png" "$out/icon-48.png" "$out/icon-256.png" \
  src/app/tavlin.ico
echo "src/app/tavlin.ico written; the sizes as PNG: $out/icon-{16,32,48,256}.png"
