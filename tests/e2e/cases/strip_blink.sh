#!/usr/bin/env bash
# Started at 00:09:34: the game hour turns from 13 to 14 at 00:09:36, so the pane shows the blink
# colour (51,153,255) during 00:09:36-00:09:38 and no more once the 00:09:39 tick has run.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_start --at "2026-12-07 00:09:34"
pane="$(e2e_child TavlinGameTimePane)"
read -r l t r b <<<"$(rect_of "$pane")"
blink_seen=0
n=0
while :; do
  before="$(text_of "$(real_time_panel)")"
  # The pane alternates colours every 300 ms: a burst of shots sees both phases.
  blue=0
  for k in 1 2 3 4; do
    shot="$(e2e_shot "sample-$n-$k")"
    blue=$((blue + $(count_colour "$shot" "$l" "$t" "51,153,255" $((r - l)) $((b - t)))))
  done
  after="$(text_of "$(real_time_panel)")"
  echo "sample $n: $before..$after blink pixels $blue"
  if [[ "$before" > "00:09:35" && "$after" < "00:09:39" && "$blue" -gt 0 ]]; then
    blink_seen=1
  fi
  if [[ "$before" > "00:09:38" ]]; then
    [ "$blue" -eq 0 ] || fail "blink colour at $before, after the blink has ended"
  fi
  [[ "$before" > "00:09:41" ]] && break
  n=$((n + 1))
  [ "$n" -lt 200 ] || fail "the clock did not reach 00:09:42"
done
expect_eq "blink colour seen during 00:09:36-00:09:38" "$blink_seen" 1
