#!/usr/bin/env bash
# Dragging Panel3 moves the strip; pressing a button and moving the mouse does not. A drag past a
# screen edge, a display change or a moved task bar never leaves it out of reach.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_start
sleep 2
read -r l0 t0 r0 b0 <<<"$(rect_of "$(strip_window)")"
panel3="$(real_time_panel)"
read -r l t r b <<<"$(rect_of "$panel3")"
x=$(((l + r) / 2)) y=$(((t + b) / 2))
xdotool mousemove "$x" "$y" sleep 0.3 mousedown 1
for step in $(seq 1 10); do
  xdotool mousemove $((x + step * 10)) $((y + step * 5)) sleep 0.05
done
xdotool sleep 0.3 mouseup 1
sleep 0.5
read -r l1 t1 r1 b1 <<<"$(rect_of "$(strip_window)")"
e2e_shot dragged >/dev/null
expect_eq "moved by the drag" "$((l1 - l0)) $((t1 - t0))" "100 50"

button="$(e2e_child Button 'text="M"')"
read -r l t r b <<<"$(rect_of "$button")"
x=$(((l + r) / 2)) y=$(((t + b) / 2))
xdotool mousemove "$x" "$y" sleep 0.3 mousedown 1
for step in $(seq 1 10); do
  xdotool mousemove $((x + step * 10)) $((y + step * 5)) sleep 0.05
done
xdotool sleep 0.3 mouseup 1
sleep 0.5
read -r l2 t2 r2 b2 <<<"$(rect_of "$(strip_window)")"
e2e_shot button-pressed >/dev/null
expect_eq "not moved by a button" "$l2 $t2" "$l1 $t1"

# A drag past the corner leaves 6 rows of the top row on the screen, too few to grab: the strip
# moves wholly into the work area (the whole 1280 x 800 screen here) when the drag ends.
read -r l t r b <<<"$(rect_of "$(real_time_panel)")"
xdotool mousemove $(((l + r) / 2)) $((t + 3)) sleep 0.3 mousedown 1
for step in $(seq 1 10); do
  xdotool mousemove $(((l + r) / 2 + step * 130)) $((t + 3 + step * 80)) sleep 0.05
done
xdotool sleep 0.3 mouseup 1
sleep 0.5
read -r l3 t3 r3 b3 <<<"$(rect_of "$(strip_window)")"
e2e_shot dragged-past-corner >/dev/null
expect_eq "back inside after a drag past the corner" "$l3 $t3 $r3 $b3" \
  "$((1280 - (r3 - l3))) $((800 - (b3 - t3))) 1280 800"

# A monitor that went away or a new resolution leaves the strip off every screen; the display
# change brings it back to the nearest corner of the work area, and so does a moved task bar.
e2e_send_dpi_change TForm_study --display -2000 -2000
sleep 0.5
window="$(strip_window)"
expect_eq "back from off every screen" "$(rect_of "$window")" "0 0 325 50"
shot="$(e2e_shot display-changed)"
read -r pl pt pr pb <<<"$(rect_of "$(e2e_child TavlinGameTimePane)")"
[ "$(count_colour "$shot" "$pl" "$pt" "0,255,0" $((pr - pl)) $((pb - pt)))" -gt 100 ] ||
  fail "the game time does not show where the strip came back"
e2e_send_dpi_change TForm_study --workarea 1500 300
sleep 0.5
expect_eq "into the work area when the task bar moved" "$(rect_of "$(strip_window)")" \
  "955 300 1280 350"
e2e_running || fail "the program ended"
