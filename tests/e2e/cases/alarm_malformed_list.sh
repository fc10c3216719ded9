#!/usr/bin/env bash
# A malformed alarm list is reported once, not in a box a second, while the clock keeps running,
# the quiz line changes at the whole minute and the strip comes back on top at :x0; a different
# fault found while the box is open waits until it closes (no box inside the box); after the
# player mends the list and asks for "알림체크", its alarm fires.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

printf '번호|종류|시작|끝|요일|제목|내용\r\n1|7|2O:00|20:30|0|모임|광장\r\n' |
  iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.gogo"
e2e_file tavlin00.wav "RIFF"
for n in $(seq 150); do printf '문제 %d // 답 %d\r\n' "$n" "$n"; done |
  iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.quiz"

e2e_start --at "2026-12-07 00:50:50"
e2e_await '^window #32770 ' 50 >/dev/null || fail "no report of the faulty list"
quiz_before="$(text_of "$(quiz_label)")"
# Another program takes the strip out of the top-most band; the next :x0 tick puts it back.
expect_eq "dropped" "$(e2e_probe --drop-topmost TForm_study)" dropped
expect_eq "strip out of the top-most band" "$(strip_window | grep -o 'topmost=[01]')" topmost=0
e2e_await '^window TForm_study .* topmost=1 ' 120 >/dev/null || fail "the strip stayed below"
echo "back on top at $(text_of "$(real_time_panel)"), quiz line \"$quiz_before\""
# The pick at 00:51:00 (or, should it draw the same line, at 00:52:00) changes the quiz line.
for _ in $(seq 150); do [ "$(text_of "$(quiz_label)")" != "$quiz_before" ] && break; sleep 0.5; done
[ "$(text_of "$(quiz_label)")" != "$quiz_before" ] || fail "the quiz line stood still"
before="$(text_of "$(real_time_panel)")"
sleep 4
e2e_shot report >/dev/null
e2e_probe >"$E2E_ARTIFACTS/probe-report.txt"
expect_eq "report boxes after four more failing loads" "$(grep -c '^window #32770 ' "$E2E_ARTIFACTS/probe-report.txt")" 1
grep -q "^child Static .*'2O00' is not a valid integer value" "$E2E_ARTIFACTS/probe-report.txt" ||
  fail "the report does not carry the message"
grep -q '^child Static .*tavlin.gogo' "$E2E_ARTIFACTS/probe-report.txt" ||
  fail "the report does not name the file"
after="$(text_of "$(real_time_panel)")"
[ "$before" != "$after" ] || fail "the clock stood still behind the report ($before)"
grep -q '^window TfrmPopUp ' "$E2E_ARTIFACTS/probe-report.txt" && fail "a popup from a faulty list"

# Clicks the button of the report box in the probe output $1 (the strip, top-most too, may be
# listed above the box).
close_report() {
  local box button
  box="$(grep '^window #32770 ' "$1" | head -n 1 | grep -o ' hwnd=[^ ]*' | cut -d= -f2)"
  button="$(grep "^child Button .* parent=$box " "$1" | head -n 1)"
  [ -n "$button" ] || fail "no button in the report box"
  read -r l t r b <<<"$(rect_of "$button")"
  click_at $(((l + r) / 2)) $(((t + b) / 2))
}

printf '번호|종류|시작|끝|요일|제목|내용\r\n1|7|2X:00|20:30|0|모임|광장\r\n' |
  iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.gogo"
sleep 3
e2e_probe >"$E2E_ARTIFACTS/probe-second-fault.txt"
expect_eq "report boxes while a different fault waits" "$(grep -c '^window #32770 ' "$E2E_ARTIFACTS/probe-second-fault.txt")" 1
grep -q "^child Static .*'2O00' is not a valid integer value" "$E2E_ARTIFACTS/probe-second-fault.txt" ||
  fail "the open report changed"
close_report "$E2E_ARTIFACTS/probe-second-fault.txt"
e2e_await "^child Static .*'2X00' is not a valid integer value" 30 >/dev/null ||
  fail "the waiting fault was not reported when the first box closed"
sleep 1
e2e_probe >"$E2E_ARTIFACTS/probe-report.txt"
e2e_shot second-report >/dev/null
expect_eq "report boxes after the first closed" "$(grep -c '^window #32770 ' "$E2E_ARTIFACTS/probe-report.txt")" 1

# Mend the list, close the report, then "알림팝업 소리" > "알림체크" (the last item).
printf '번호|종류|시작|끝|요일|제목|내용\r\n1|7|00:00|23:59|0|모임|광장\r\n' |
  iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.gogo"
close_report "$E2E_ARTIFACTS/probe-report.txt"
closed=0
for _ in $(seq 30); do
  e2e_probe | grep -q '^window #32770 ' || { closed=1; break; }
  sleep 0.2
done
[ "$closed" -eq 1 ] || { e2e_shot report-after-click >/dev/null; fail "the report did not close"; }
menu="$(open_menu)"
read -r l t r b <<<"$(rect_of "$menu")"
xdotool mousemove $((l + 40)) $((t + ${MENU_OFFSET[sound]})) sleep 0.2 click 1
sleep 0.5
xdotool key Up sleep 0.2
e2e_shot reload-item >/dev/null
xdotool key Return
popup="$(e2e_await '^window TfrmPopUp ' 30)" || fail "no popup after the reload"
expect_eq "popup title" "$(text_of "$popup")" "모임 "
