#!/usr/bin/env bash
# Without a quiz file the strip is 325 x 50, centred, shows only its top row of panels, and its
# key-coloured background is not drawn: the desktop shows through it.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_start
sleep 4  # past the start-up blink
window="$(strip_window)"
echo "$window"
expect_eq "client size" "$(client_of "$window")" "325 50"
read -r l t r b <<<"$(rect_of "$window")"
expect_eq "centred" "$l $t" "$(((1280 - 325) / 2)) $(((800 - 50) / 2))"
expect_eq "title" "$(text_of "$window")" "Velmar+문답족보-Ondrela"
echo "$window" | grep -q ' alpha=255 colorkey=153,0,0$' || fail "not layered with the colour key"
echo "$window" | grep -q ' topmost=1 ' || fail "not top-most"
expect_eq "quiz panel hidden" \
  "$(e2e_probe | grep -c '^child TavlinQuizLabel .* visible=0')" 1

first="$(e2e_shot strip)"
desktop="51,102,153"
# Background pixels: the top-left corner, the gap between the two top panels, the empty lower band.
expect_eq "corner shows the desktop" "$(e2e_pixel "$first" "$l" "$t")" "$desktop"
expect_eq "gap between panels" "$(e2e_pixel "$first" $((l + 259)) $((t + 12)))" "$desktop"
expect_eq "lower band" "$(e2e_pixel "$first" $((l + 100)) $((t + 40)))" "$desktop"
expect_eq "rounded corner of Panel1" "$(e2e_pixel "$first" $((l + 2)) $((t + 2)))" "$desktop"
expect_eq "no key colour drawn" "$(count_colour "$first" "$l" "$t" "153,0,0" 325 50)" 0
echo "Panel1 border pixel: $(e2e_pixel "$first" $((l + 20)) $((t + 2)))"
echo "Panel1 face pixel: $(e2e_pixel "$first" $((l + 200)) $((t + 4)))"

# The game-time pane: black with green text.
pane="$(e2e_child TavlinGameTimePane)"
read -r pl pt pr pb <<<"$(rect_of "$pane")"
expect_eq "pane interior black" "$(e2e_pixel "$first" $((pr - 4)) $((pt + 3)))" "0,0,0"
[ "$(count_colour "$first" "$pl" "$pt" "0,255,0" $((pr - pl)) $((pb - pt)))" -gt 20 ] ||
  fail "no green text in the pane"

# The real time changes from one screenshot to the next.
panel3="$(real_time_panel)"
read -r rl rt rr rb <<<"$(rect_of "$panel3")"
sleep 1.5
second="$(e2e_shot strip-later)"
convert "$first" -crop "$((rr - rl))x$((rb - rt))+$rl+$rt" +repage "$E2E_ARTIFACTS/time1.png"
convert "$second" -crop "$((rr - rl))x$((rb - rt))+$rl+$rt" +repage "$E2E_ARTIFACTS/time2.png"
changed="$(compare -metric AE "$E2E_ARTIFACTS/time1.png" "$E2E_ARTIFACTS/time2.png" null: 2>&1 || true)"
[ "${changed%% *}" -gt 0 ] || fail "the real time did not change between screenshots"
echo "ok: real-time panel changed ($changed pixels)"
