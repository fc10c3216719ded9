#!/usr/bin/env bash
# Dragging Panel3 moves the strip; pressing a button and moving the mouse does not.
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
