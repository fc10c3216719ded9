#!/usr/bin/env bash
# The alarm editor at 144 DPI (150 %): the window, its controls and its font scaled by 1.5, the
# whole window on the 1280 x 800 screen; 미리 보기 shows the selected alarm's popup. Its 96 DPI
# picture comes from editor_keyboard.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

printf '%s\r\n' '번호|종류|시작|끝|요일|제목|내용|미리' '1|7|07:00|07:10|0|아침 알림|물 마시기' \
  '2|5|23:00|23:30|0|자시 보스|북문 앞//물약|5' '2|6|1:00|2:00|3|요일 있는 게임 알림|x' '' \
  '3|7|12:00|12:10|0|쉬는 알림|점심' | iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.gogo"
e2e_dpi 144
e2e_wine_draws_frames
e2e_start
open_menu >/dev/null
xdotool key e
e2e_wait_shown TavlinAlarmEditor
sleep 1
window="$(e2e_window TavlinAlarmEditor | head -n 1)"
expect_eq "client area at 150 %" "$(client_of "$window")" "1140 726"
read -r l t r b <<<"$(rect_of "$window")"
[ "$l" -ge 0 ] && [ "$t" -ge 0 ] && [ "$r" -le 1280 ] && [ "$b" -le 800 ] ||
  fail "the window leaves the screen: $l $t $r $b"
save="$(e2e_window TavlinAlarmEditor | grep '^child Button .*text="저장"')"
read -r sl st sr sb <<<"$(rect_of "$save")"
expect_eq "save button at 150 %" "$((sr - sl)) $((sb - st))" "114 42"
e2e_shot editor-144dpi >/dev/null

# 미리 보기 (Alt+T) shows the selected alarm's popup now, as the alarm would.
xdotool key alt+t
e2e_await '^window TfrmPopUp .* text="아침 알림 "' 50 >/dev/null || fail "no preview popup"
e2e_probe | grep -q '^child TMouseLabel .* text="물 마시기" ' || fail "no message on the preview"
echo "ok: the preview popup rose"
e2e_shot editor-preview-144dpi >/dev/null
