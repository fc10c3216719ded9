#!/usr/bin/env bash
# Without tavlin00.wav (so without "알림체크"), under a clock started at real 02:02:42: a game-clock
# alarm for game 23:00 (which begins at 02:04:47, the last second of 해시) with a two-minute warning
# shows a light-orange "2분 전 · 자시 보스" within ten seconds of 02:02:47; an alarm added to the
# list and saved meanwhile rises within ten seconds of the save, without the warning again; and
# the game alarm's own popup rises within ten seconds of 02:04:47. The clock starts seconds before
# the warning and, once the popups have left, is moved on to seconds before the alarm.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

list='번호|종류|시작|끝|요일|제목|내용|미리\r\n1|5|23:00|23:30|0|자시 보스|북문 앞//물약|2\r\n'
printf "$list" | iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.gogo"

# Waits for a popup titled $1 and prints the strip's real time then, as seconds of the day.
second_of_popup() {
  e2e_await "^window TfrmPopUp .* text=\"$1\"" 600 >/dev/null || return 1
  text_of "$(real_time_panel)" | sed -E 's/(..):(..):(..)/\1*3600+\2*60+\3/' | bc
}

e2e_start --at "2026-12-07 02:02:42" --movable-clock
warned="$(second_of_popup '2분 전 · 자시 보스')" || fail "no early warning"
echo "warning seen at $warned (02:02:47 is 7367)"
[ "$warned" -ge 7367 ] && [ "$warned" -le 7379 ] || fail "the warning came at second $warned"
e2e_await '^window TfrmPopUp .* rect=1069,688,1264,798 .* visible=1 ' 30 >/dev/null || true
e2e_probe | grep -q '^child TMouseLabel .* text="북문 앞\\r물약" ' || fail "no message on the warning"
expect_eq "light orange warning" "$(e2e_pixel "$(e2e_shot warning)" 1075 693)" "255,202,111"

printf "${list}2|7|00:00|23:59|0|저장한 알림|저장하면 바로\r\n" | iconv -f UTF-8 -t CP949 \
  >"$E2E_WORK/tavlin.gogo.new"
mv "$E2E_WORK/tavlin.gogo.new" "$E2E_WORK/tavlin.gogo"
saved=$(date +%s%N)
e2e_await '^window TfrmPopUp .* text="저장한 알림 "' 150 >/dev/null || fail "no popup after the save"
elapsed_ms=$((($(date +%s%N) - saved) / 1000000))
echo "the saved alarm seen $elapsed_ms ms after the save"
[ "$elapsed_ms" -le 11000 ] || fail "the saved alarm took $elapsed_ms ms"

# The warning and the saved alarm leave long before 02:04:47.
for _ in $(seq 300); do
  e2e_probe | grep -q '^window TfrmPopUp ' || break
  sleep 0.2
done
e2e_move_clock "2026-12-07 02:04:44"
due="$(second_of_popup '자시 보스 ')" || fail "no alarm after the warning"
echo "alarm seen at $due (02:04:47 is 7487)"
[ "$due" -ge 7487 ] && [ "$due" -le 7499 ] || fail "the alarm came at second $due"
# The first warning left at about 02:03:07; the reload on save must not have shown it again.
expect_eq "warnings open" "$(e2e_probe | grep -c '^window TfrmPopUp .* text="2분 전')" 0
e2e_shot alarm >/dev/null
e2e_running || fail "tavlin ended"
