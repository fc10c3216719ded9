#!/usr/bin/env bash
# "문답공부시계 종료" ends the program. Without a tavlin.ini tavlin keeps no settings: after a
# drag, menu choices and the exit its folder holds the same files as before.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_start
sleep 2
folder() { find "$E2E_WORK" -printf '%P %s %T@\n' | sort; }
before="$(folder)"
start="$(rect_of "$(strip_window)")"
read -r l t r b <<<"$(rect_of "$(real_time_panel)")"
xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) sleep 0.3 mousedown 1
for _ in 1 2 3 4 5; do xdotool mousemove_relative 12 8 sleep 0.05; done
xdotool sleep 0.3 mouseup 1
[ "$(rect_of "$(strip_window)")" != "$start" ] || fail "the drag did not move the strip"
choose_menu alpha 3 4
choose_menu colour 3 5
choose_menu exit
e2e_expect_exit "문답공부시계 종료"
echo "ok: the program ended"
expect_eq "the folder after the exit" "$(folder)" "$before"
