#!/usr/bin/env bash
# "Yellow" in the game-time colour menu turns the game-time text yellow; before it, the pane is
# black with green text.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_start
sleep 5  # past the start-up blink
pane="$(e2e_child TavlinGameTimePane)"
read -r l t r b <<<"$(rect_of "$pane")"
shot="$(e2e_shot before)"
expect_eq "pane interior is black" "$(e2e_pixel "$shot" $((r - 4)) $((t + 3)))" "0,0,0"
[ "$(count_colour "$shot" "$l" "$t" "0,255,0" $((r - l)) $((b - t)))" -gt 20 ] ||
  fail "no green game-time text"
expect_eq "no yellow before" "$(count_colour "$shot" "$l" "$t" "255,255,0" $((r - l)) $((b - t)))" 0

choose_menu colour 3 5
sleep 0.5
xdotool mousemove 10 10
sleep 0.5
shot="$(e2e_shot after)"
[ "$(count_colour "$shot" "$l" "$t" "255,255,0" $((r - l)) $((b - t)))" -gt 20 ] ||
  fail "no yellow game-time text after Yellow"
expect_eq "no green after" "$(count_colour "$shot" "$l" "$t" "0,255,0" $((r - l)) $((b - t)))" 0
