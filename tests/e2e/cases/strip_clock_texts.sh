#!/usr/bin/env bash
# Started at 00:10:00, the strip shows the game time, the double-hour summary and the real time
# of that second, and one second later the next values.
source "$(dirname "$0")/../lib.sh"

e2e_start --at "2026-12-07 00:10:00"
# The first tick comes one second after the start: wait for it, then read the same tick's texts.
for _ in $(seq 50); do
  e2e_probe | grep -q '^child TavlinGameTimePane .*text="00:00:00"' || break
  sleep 0.1
done
probe="$(e2e_probe)"
echo "$probe"
real="$(echo "$probe" | grep '^child TavlinRoundedPanel' | grep -oE 'text="[0-9]{2}:[0-9]{2}:[0-9]{2}"' | head -n 1)"
pane="$(echo "$probe" | grep '^child TavlinGameTimePane' | sed -E 's/.* text="([^"]*)".*/\1/')"
e2e_shot clock-first >/dev/null
case "$real" in
  'text="00:10:00"')
    expect_eq "game time at 00:10:00" "$pane" "14:03:24"
    expect_eq "summary at 00:10:00" \
      "$(echo "$probe" | grep -c 'child TavlinRoundedPanel .*text="미(13)>06:47>신(15) "')" 1
    ;;
  'text="00:10:01"')
    # The probe came a little late: the tick after 00:10:00 (row 1, D 863, R 406).
    expect_eq "game time at 00:10:01" "$pane" "14:03:32"
    expect_eq "summary at 00:10:01" \
      "$(echo "$probe" | grep -c 'child TavlinRoundedPanel .*text="미(13)>06:46>신(15) "')" 1
    ;;
  *) fail "real time $real, expected 00:10:00 or 00:10:01" ;;
esac

# One second later: the next real second and its game time.
for _ in $(seq 30); do
  later="$(e2e_probe)"
  echo "$later" | grep -q "child TavlinRoundedPanel .*$real" || break
  sleep 0.1
done
echo "$later"
real2="$(echo "$later" | grep '^child TavlinRoundedPanel' | grep -oE 'text="[0-9]{2}:[0-9]{2}:[0-9]{2}"' | head -n 1)"
[ "$real2" != "$real" ] || fail "the real time did not change"
case "$real2" in
  'text="00:10:01"') expect_eq "game time at 00:10:01" \
    "$(echo "$later" | grep '^child TavlinGameTimePane' | sed -E 's/.* text="([^"]*)".*/\1/')" "14:03:32" ;;
  'text="00:10:02"') expect_eq "game time at 00:10:02" \
    "$(echo "$later" | grep '^child TavlinGameTimePane' | sed -E 's/.* text="([^"]*)".*/\1/')" "14:03:41" ;;
  *) fail "next real time $real2" ;;
esac
e2e_shot clock-next >/dev/null
