#!/usr/bin/env bash
# Nothing lost, nothing at the wrong moment, on one running tavlin with a movable clock:
#  1. paused from before 10:02 until the clock says 10:10, it lists the 10:02-10:03 alarm it
#     slept through in one popup "놓친 알림";
#  2. "1시간 동안 알림 모아 두기" holds the 10:11 alarm's popup until the item is chosen again;
#  3. with "전체 화면일 때 모아 두기" remembered in tavlin.ini, a window covering the screen holds
#     the 10:13 alarm's popup until it closes;
#  4. ending while a notice is held asks first: "지금 보기" shows it and tavlin runs on; the item
#     chosen off is written to tavlin.ini, and an exit with nothing held asks nothing.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

printf '%s\r\n' '번호|종류|시작|끝|요일|제목|내용' '1|7|10:02|10:03|0|점검 알림|놓친 뒤' \
  '2|7|10:11|10:12|0|모아 둔 점검|메뉴로' '3|7|10:13|10:14|0|전체 화면 점검|도구 창' \
  '4|7|10:15|10:16|0|끝낼 때 점검|종료 전' | iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.gogo"
e2e_file tavlin.ini '[tavlin]\r\nfullscreen_hold=on\r\n'

# The faked clock now, as seconds since 1970 and as "HH:MM:SS".
fake_now() { echo $(($(date +%s) + $(cat "$E2E_HELPER_FILES/clock"))); }
fake_time() { date -d "@$(fake_now)" +%H:%M:%S; }
# Waits until the faked clock has reached "YYYY-MM-DD HH:MM:SS".
wait_clock() {
  local until
  until="$(date -d "$1" +%s)"
  while [ "$(fake_now)" -lt "$until" ]; do sleep 0.2; done
}
popup_titled() { e2e_probe | grep -c "^window TfrmPopUp .* text=\"$1\" .* visible=1 " || true; }

# 1. A sleep from before 10:02 to 10:10, as a paused process and a clock moved meanwhile (to just
#    before the check of the alarms at 10:10:10).
e2e_start --at "2026-12-07 10:00:50" --movable-clock
sleep 1  # the first tick has checked the alarms
[ "$(fake_now)" -lt "$(date -d "2026-12-07 10:01:50" +%s)" ] || fail "started too late: $(fake_time)"
echo "paused at $(fake_time)"
kill -STOP "$E2E_PID"
e2e_move_clock "2026-12-07 10:10:07"
sleep 1
kill -CONT "$E2E_PID"
e2e_await '^window TfrmPopUp .* text="놓친 알림"' 200 >/dev/null || fail "no popup of missed alarms"
sleep 1
e2e_probe >"$E2E_ARTIFACTS/probe-missed.txt"
grep -q '^child TMouseLabel .* text="10:02 점검 알림" ' "$E2E_ARTIFACTS/probe-missed.txt" ||
  fail "the missed alarm is not listed with its due time"
expect_eq "missed-alarm popups" "$(grep -c '^window TfrmPopUp ' "$E2E_ARTIFACTS/probe-missed.txt")" 1

# 2. Held by the menu item, shown when it is chosen again.
choose_menu hold
e2e_move_clock "2026-12-07 10:10:57"
wait_clock "2026-12-07 10:11:05"
expect_eq "10:11 popups while held" "$(popup_titled '모아 둔 점검 ')" 0
choose_menu hold
e2e_await '^window TfrmPopUp .* text="모아 둔 점검 "' 50 >/dev/null ||
  fail "ending the hold did not show the held popup"
echo "ok: shown at $(fake_time) after the hold ended"

# 3. Held while another program's window covers the screen, shown when it closes.
wine "$E2E_BUILD/tavlin_probe.exe" --cover-screen 12 </dev/null >"$E2E_ARTIFACTS/cover.txt" 2>&1 &
cover=$!
for _ in $(seq 50); do
  grep -q covering "$E2E_ARTIFACTS/cover.txt" && break
  sleep 0.2
done
e2e_probe | grep -q '^foreground TavlinE2eCover ' || fail "the covering window is not in front"
e2e_move_clock "2026-12-07 10:12:58"
wait_clock "2026-12-07 10:13:03"
e2e_shot covered >/dev/null
expect_eq "10:13 popups while the screen is covered" "$(popup_titled '전체 화면 점검 ')" 0
wait "$cover"
grep -q closed "$E2E_ARTIFACTS/cover.txt" || fail "the covering window did not close by itself"
e2e_await '^window TfrmPopUp .* text="전체 화면 점검 "' 50 >/dev/null ||
  fail "the popup held during the full screen did not come when it closed"
echo "ok: shown at $(fake_time) after the covering window closed"

# 4. Ending with a notice held asks; "지금 보기" shows it instead.
choose_menu hold
e2e_move_clock "2026-12-07 10:14:57"
wait_clock "2026-12-07 10:15:05"
expect_eq "10:15 popups while held" "$(popup_titled '끝낼 때 점검 ')" 0
choose_menu exit
e2e_await '^window #32770 ' 50 >/dev/null || fail "ending with a held notice did not ask"
box="$(e2e_window '#32770')"
echo "$box" >"$E2E_ARTIFACTS/probe-ask.txt"
e2e_shot ask >/dev/null
echo "$box" | grep -q '^child Static .*text="모아 둔 알림이 1개 있습니다' ||
  fail "the question does not say how many are held"
echo "$box" | grep -q '^child Button .*text="그냥 종료"' || fail "no button 그냥 종료"
show="$(echo "$box" | grep '^child Button .*text="지금 보기"')" || fail "no button 지금 보기"
read -r l t r b <<<"$(rect_of "$show")"
click_at $(((l + r) / 2)) $(((t + b) / 2))
e2e_await '^window TfrmPopUp .* text="끝낼 때 점검 "' 50 >/dev/null ||
  fail "지금 보기 did not show the held popup"
e2e_running || fail "지금 보기 ended tavlin"
echo "ok: 지금 보기 showed the held popup and tavlin runs on"
choose_menu full_screen
sleep 0.5
grep -q '^fullscreen_hold=off' "$E2E_WORK/tavlin.ini" || fail "tavlin.ini does not remember the item off"
choose_menu exit
e2e_expect_exit "문답공부시계 종료 with nothing held"
echo "ok: ended without asking"
