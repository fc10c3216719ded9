#!/usr/bin/env bash
# "M" opens the menu with its top-left corner at the mouse pointer; a right-click on a panel opens
# it too.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_start
sleep 2
menu="$(open_menu)"
eval "$(xdotool getmouselocation --shell)"
read -r l t r b <<<"$(rect_of "$menu")"
e2e_shot menu >/dev/null
echo "pointer $X,$Y menu $l,$t"
[ $((l - X)) -ge -2 ] && [ $((l - X)) -le 2 ] && [ $((t - Y)) -ge -2 ] && [ $((t - Y)) -le 2 ] ||
  fail "menu at $l,$t, pointer at $X,$Y"
xdotool key Escape
sleep 0.5
e2e_probe | grep -q '^window #32768 .* visible=1 ' && fail "menu still open after Escape"

panel3="$(real_time_panel)"
read -r l t r b <<<"$(rect_of "$panel3")"
xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) sleep 0.2 click 3
menu="$(wait_for_menu)"
e2e_shot menu-right-click >/dev/null
read -r ml mt mr mb <<<"$(rect_of "$menu")"
[ $((ml - (l + r) / 2)) -ge -2 ] && [ $((ml - (l + r) / 2)) -le 2 ] ||
  fail "right-click menu at $ml,$mt"
echo "ok: right-click menu at $ml,$mt"
