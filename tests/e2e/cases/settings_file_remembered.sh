#!/usr/bin/env bash
# With an empty tavlin.ini beside tavlin.exe the strip remembers where the player dragged it, its
# transparency and its game-time colour: the drag is written when it ends, the choices when they
# are made, and the next start shows them all, the player's own lines in the file kept.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_file tavlin.ini ""
e2e_start
sleep 2
read -r l t r b <<<"$(rect_of "$(real_time_panel)")"
x=$(((l + r) / 2)) y=$(((t + b) / 2))
xdotool mousemove "$x" "$y" sleep 0.3 mousedown 1
for step in $(seq 1 10); do
  xdotool mousemove $((x + step * 20)) $((y - step * 30)) sleep 0.05
done
xdotool sleep 0.3 mouseup 1
sleep 1
read -r l t r b <<<"$(rect_of "$(strip_window)")"
cp "$E2E_WORK/tavlin.ini" "$E2E_ARTIFACTS/after-drag.ini"
grep -q "^position=$l,$t"$'\r'"\$" "$E2E_WORK/tavlin.ini" || fail "the drag to $l,$t was not written"
printf '; my own note\r\n' >>"$E2E_WORK/tavlin.ini"

choose_menu alpha 3 4
sleep 0.5
choose_menu colour 3 5
sleep 0.5
choose_menu exit
e2e_expect_exit "문답공부시계 종료"
cp "$E2E_WORK/tavlin.ini" "$E2E_ARTIFACTS/at-exit.ini"
for line in '; my own note' transparency=60 colour=Yellow; do
  grep -q "^$line"$'\r'"\$" "$E2E_WORK/tavlin.ini" || fail "no line $line in the file"
done
ls "$E2E_WORK" | grep -q '\.tmp$' && fail "a temporary file was left behind"

e2e_start
sleep 5  # past the start-up blink
window="$(strip_window)"
expect_eq "restored place" "$(rect_of "$window" | cut -d' ' -f1,2)" "$l $t"
echo "$window" | grep -q ' alpha=120 colorkey=153,0,0$' || fail "not at 60%: $window"
pane="$(e2e_child TavlinGameTimePane)"
read -r pl pt pr pb <<<"$(rect_of "$pane")"
shot="$(e2e_shot restored)"
[ "$(count_colour "$shot" "$pl" "$pt" "255,255,0" $((pr - pl)) $((pb - pt)))" -gt 20 ] ||
  fail "the game time is not yellow"
