#!/usr/bin/env bash
# The game hour turns from 13 to 14 at 00:09:36, so the pane shows the blink colour (51,153,255)
# during 00:09:36-00:09:38 and no more once the 00:09:39 tick has run. Started at 00:09:28, so
# that the start-up blink (the first three ticks) is long over by then, even on a machine slow to
# start tavlin: a start-up blink still running at the hour's change would end it early.
#
# Screenshots are taken one after another while the probe reads the strip's real time in a loop
# beside them; every shot and every reading carries the wall-clock moment it was taken. A shot
# counts for a second of the strip's clock only when the readings around it prove that second was
# showing for the whole shot, so the case does not depend on how fast this machine is.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_start --at "2026-12-07 00:09:28"
pane="$(e2e_child TavlinGameTimePane)"
read -r l t r b <<<"$(rect_of "$pane")"
now() { date +%s.%N; }

readings="$E2E_ARTIFACTS/readings.txt"
: >"$readings"
(
  while :; do
    text="$(text_of "$(real_time_panel)")"
    echo "$(now) $text" >>"$readings"
    [[ "$text" > "00:09:41" ]] && break
    e2e_nap 0.05  # a reading a tenth of a second or so is plenty, and leaves the cores to the shots
  done
) &
reader=$!

# A shot of the pane alone: the blink shows for 0.3 s in each 0.6 s, so the shots must come
# many to a second for several to fall wholly inside the blink's seconds on a busy machine.
pane_shot() {
  local file="$E2E_ARTIFACTS/$1.png"
  import -window root -crop "$((r - l))x$((b - t))+$l+$t" +repage "$file"
  echo "$file"
}

shots="$E2E_ARTIFACTS/shots.txt"
: >"$shots"
# Shots start a couple of seconds before the blink, not at the start.
until [[ "$(tail -n 1 "$readings" | cut -d' ' -f2)" > "00:09:33" ]]; do e2e_nap 0.1; done
n=0
while kill -0 "$reader" 2>/dev/null; do
  start="$(now)"
  shot="$(pane_shot "sample-$n")"
  echo "$start $(now) $shot" >>"$shots"
  n=$((n + 1))
  [ "$n" -lt 400 ] || fail "the clock did not reach 00:09:42"
done
wait "$reader" || true

# When the strip's clock passed into second $1: after the last reading of an earlier second
# ("after") and no later than the first reading of it or a later one ("by").
passed_into() {
  awk -v s="$1" '$2 !~ /^[0-9][0-9]:[0-9][0-9]:[0-9][0-9]$/ {next}
    $2 < s {after = $1} $2 >= s && by == "" {by = $1} END {print after, by}' "$readings"
}
read -r _ blink_from <<<"$(passed_into 00:09:36)"
read -r blink_until blink_over <<<"$(passed_into 00:09:39)"
echo "00:09:36 showing by $blink_from; 00:09:39 not before $blink_until, showing by $blink_over"
[ -n "$blink_from" ] && [ -n "$blink_until" ] && [ -n "$blink_over" ] ||
  fail "the readings do not cover 00:09:36-00:09:39"

inside=0
blink_seen=0
while read -r start end shot; do
  blue="$(count_colour "$shot" 0 0 "51,153,255" $((r - l)) $((b - t)))"
  echo "shot $(basename "$shot") $start..$end blink pixels $blue"
  if awk -v a="$start" -v z="$end" -v from="$blink_from" -v until="$blink_until" \
    'BEGIN {exit !(a >= from && z <= until)}'; then
    inside=$((inside + 1))
    [ "$blue" -gt 0 ] && blink_seen=1
  fi
  # A repaint may follow the tick by a moment: a shot counts as after the blink 0.3 s on.
  if awk -v a="$start" -v over="$blink_over" 'BEGIN {exit !(a >= over + 0.3)}'; then
    [ "$blue" -eq 0 ] || fail "blink colour in $(basename "$shot"), after the blink has ended"
  fi
done <"$shots"
[ "$inside" -gt 0 ] || fail "no shot fell wholly inside 00:09:36-00:09:38"
echo "ok: $inside shots wholly inside 00:09:36-00:09:38"
expect_eq "blink colour seen during 00:09:36-00:09:38" "$blink_seen" 1
