#!/usr/bin/env bash
# A double-click on the quiz line or on the quiz panel picks another line, as "N" does.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

printf '%s\r\n%s\r\n' "첫째 줄 // 하나" "둘째 줄 // 둘" >"$E2E_WORK/tavlin.quiz"
e2e_start
sleep 1
read -r wl wt wr wb <<<"$(rect_of "$(strip_window)")"
for target in label panel; do
  seen=""
  # Picks are random: go on until both lines have come (each pair of tries misses with 1/4).
  for _ in $(seq 24); do
    if [ "$target" = label ]; then
      read -r l t r b <<<"$(rect_of "$(quiz_label)")"
      x=$((l + 10)) y=$(((t + b) / 2))
    else
      x=$((wr - 10)) y=$((wt + 38))  # the panel's face, right of the label
    fi
    xdotool mousemove "$x" "$y" sleep 0.2 click --repeat 2 --delay 80 1
    sleep 0.6  # longer than the double-click time, so the next pair starts afresh
    seen="$seen|$(text_of "$(quiz_label)")"
    echo "$seen" | grep -q '|첫째 줄  하나' && echo "$seen" | grep -q '|둘째 줄  둘' && break
  done
  echo "$target: $seen"
  echo "$seen" | grep -q '|첫째 줄  하나' && echo "$seen" | grep -q '|둘째 줄  둘' ||
    fail "double-clicks on the $target did not change the line"
  read -r l2 t2 r2 b2 <<<"$(rect_of "$(strip_window)")"
  expect_eq "strip not moved by double-clicks on the $target" "$l2 $t2" "$wl $wt"
done
