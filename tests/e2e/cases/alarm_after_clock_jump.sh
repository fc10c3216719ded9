#!/usr/bin/env bash
# A real-time alarm that fired at 10:00 fires again after the clock jumps forward one day to 10:05
# (a sleep, or a clock set forward, into the same hour of another day), and the alarm whose window
# opened and closed in the day that was skipped is listed once, in a popup "놓친 알림".
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

printf '%s\r\n' '번호|종류|시작|끝|요일|제목|내용' '1|7|10:00|10:30|0|출근 체크|접속 보상' \
  '2|7|20:00|20:30|0|길드 모임|광장' | iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.gogo"
e2e_start --at "2026-12-07 10:00:03" --movable-clock
e2e_await '^window TfrmPopUp .* text="출근 체크 "' 40 >/dev/null || fail "no popup at 10:00"

# The popup stays fifteen seconds; once it has gone, another one is news.
for _ in $(seq 60); do
  e2e_probe | grep -q '^window TfrmPopUp .* visible=1 ' || break
  sleep 0.5
done
e2e_probe | grep -q '^window TfrmPopUp .* visible=1 ' && fail "the 10:00 popup did not leave"
e2e_move_clock "2026-12-08 10:05:01"

# The first check of the new day arms the alarm again and lists what was missed; the next fires.
e2e_await '^window TfrmPopUp .* text="출근 체크 "' 300 >/dev/null ||
  fail "the alarm did not fire again after the jump"
e2e_probe >"$E2E_ARTIFACTS/probe-after-jump.txt"
grep -q '^window TfrmPopUp .* text="놓친 알림"' "$E2E_ARTIFACTS/probe-after-jump.txt" ||
  fail "no popup of missed alarms"
grep -q '^child TMouseLabel .* text="20:00 길드 모임" ' "$E2E_ARTIFACTS/probe-after-jump.txt" ||
  fail "the missed alarm is not listed with its due time"
expect_eq "missed-alarm popups" \
  "$(grep -c '^window TfrmPopUp .* text="놓친 알림"' "$E2E_ARTIFACTS/probe-after-jump.txt")" 1
e2e_shot after-jump >/dev/null
e2e_running || fail "tavlin ended"
