#!/usr/bin/env bash
# At 150 % scaling (144 DPI) the strip is drawn for that scaling, not stretched: 493 x 75 without
# a quiz file (325 x 50 at 100 %), centred, every panel and button half as large again, and the
# texts in fonts of that size, inside their panels.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_dpi 144
e2e_start
sleep 4  # past the start-up blink
window="$(strip_window)"
echo "$window"
expect_eq "client size" "$(client_of "$window")" "493 75"
read -r l t r b <<<"$(rect_of "$window")"
expect_eq "centred" "$l $t" "$(((1280 - 493) / 2)) $(((800 - 75) / 2))"

# Children in screen coordinates, from the strip's top-left corner.
offset_of() {
  local cl ct cr cb
  read -r cl ct cr cb <<<"$(rect_of "$1")"
  echo "$((cl - l)) $((ct - t)) $((cr - cl)) $((cb - ct))"
}
panel1="$(e2e_child TavlinRoundedPanel 'text=".*>.*"')"
panel3="$(real_time_panel)"
pane="$(e2e_child TavlinGameTimePane)"
expect_eq "Panel1" "$(offset_of "$panel1")" "3 3 391 36"
expect_eq "Panel3" "$(offset_of "$panel3")" "395 3 93 36"
expect_eq "StatusPane1" "$(offset_of "$pane")" "72 6 135 32"
expect_eq "Button1" "$(offset_of "$(e2e_child Button 'text="×"')")" "11 8 27 27"

shot="$(e2e_shot strip-144)"
expect_eq "no key colour drawn" "$(count_colour "$shot" "$l" "$t" "153,0,0" 493 75)" 0
read -r pl pt pr pb <<<"$(rect_of "$pane")"
# The pane: a two-pixel ring and frame, a black interior, green text well inside it.
expect_eq "pane interior black" "$(e2e_pixel "$shot" $((pr - 6)) $((pt + 5)))" "0,0,0"
expect_text_inside "$shot" $((pl + 4)) $((pt + 4)) $((pr - pl - 8)) $((pb - pt - 8)) 0 "game time"
[ "$(count_colour "$shot" "$pl" "$pt" "0,255,0" $((pr - pl)) $((pb - pt)))" -gt 200 ] ||
  fail "the game time is not drawn in its 19-pixel font scaled to 28"
# The panels' captions, inside the face within their borders (two lines of two pixels).
read -r rl rt rr rb <<<"$(rect_of "$panel3")"
expect_text_inside "$shot" $((rl + 4)) $((rt + 4)) $((rr - rl - 8)) $((rb - rt - 8)) 1 "real time"
read -r ql qt qr qb <<<"$(rect_of "$panel1")"
expect_text_inside "$shot" $((pr + 1)) $((qt + 4)) $((qr - pr - 5)) $((qb - qt - 8)) 0 \
  "double-hours"
# The border: lines two pixels wide that stop short of the corners.
expect_eq "border line" "$(e2e_pixel "$shot" $((rl + 20)) $((rt + 1)))" \
  "$(e2e_pixel "$shot" $((rl + 20)) "$rt")"
expect_eq "cut corner" "$(e2e_pixel "$shot" "$rl" "$rt")" "51,102,153"
