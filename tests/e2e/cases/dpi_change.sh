#!/usr/bin/env bash
# When the strip's monitor changes its scaling (or the strip is dragged to a monitor with another
# one), Windows sends WM_DPICHANGED: the strip redraws itself for the new DPI where it stands,
# 493 x 75 at 144 DPI (the top row fitted to its texts), and back to 325 x 50 at 96; an open timetable window takes the suggested
# place at its size for that DPI, 741 x 393; a popup that is open grows to 293 x 165 in its slot.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

# An alarm due all day: its popup rises at the first tick.
printf '번호|종류|시작|끝|요일|제목|내용\r\n1|7|00:00|23:59|0|출석 체크|접속 보상 받기\r\n' |
  iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.gogo"
e2e_wine_draws_frames
e2e_start
e2e_await '^window TfrmPopUp .* rect=1069,688,1264,798 .* visible=1 ' 40 >/dev/null ||
  fail "no popup risen at 96 DPI"
e2e_send_dpi_change TfrmPopUp 144
popup="$(e2e_await '^window TfrmPopUp .* visible=1 ' 10)"
expect_eq "popup at 144 DPI, in its slot" "$(rect_of "$popup" | tr ' ' ,)" "963,632,1256,797"
shot="$(e2e_shot popup-144)"
read -r cw ch <<<"$(client_of "$popup")"
frame=$(((293 - cw) / 2))
expect_text_inside "$shot" $((963 + frame + 3)) $((632 + frame + 45)) $((cw - 6)) $((ch - 55)) 10 \
  "popup text"
sleep 2  # past the start-up blink
read -r l t r b <<<"$(rect_of "$(strip_window)")"

e2e_send_dpi_change TForm_study 144
sleep 1
window="$(strip_window)"
expect_eq "strip at 144 DPI" "$(client_of "$window")" "493 75"
expect_eq "where it stood" "$(rect_of "$window" | cut -d' ' -f1-2)" "$l $t"
pane="$(e2e_child TavlinGameTimePane)"
read -r pl pt pr pb <<<"$(rect_of "$pane")"
expect_eq "pane at 144 DPI" "$((pl - l)) $((pt - t)) $((pr - pl)) $((pb - pt))" "72 6 135 32"
shot="$(e2e_shot strip-144)"
expect_text_inside "$shot" $((pl + 4)) $((pt + 4)) $((pr - pl - 8)) $((pb - pt - 8)) 0 "game time"
[ "$(count_colour "$shot" "$pl" "$pt" "0,255,0" $((pr - pl)) $((pb - pt)))" -gt 200 ] ||
  fail "the game time is not redrawn in the larger font"

# The timetable opens over the strip.
choose_menu timetable
e2e_wait_shown TForm_TimeTable
timetable_rect() {
  e2e_window TForm_TimeTable | head -n 1 | grep -o ' rect=[^ ]*' | cut -d= -f2
}
expect_eq "timetable at 96 DPI" "$(timetable_rect)" "393,269,887,531"
e2e_send_dpi_change TForm_TimeTable 144
sleep 1
expect_eq "timetable at 144 DPI" "$(timetable_rect)" "393,269,1134,662"
e2e_shot timetable-144 >/dev/null

e2e_send_dpi_change TForm_study 96 144
sleep 1
window="$(strip_window)"
expect_eq "strip back at 96 DPI" "$(client_of "$window")" "325 50"
pane="$(e2e_child TavlinGameTimePane)"
read -r pl pt pr pb <<<"$(rect_of "$pane")"
expect_eq "pane back at 96 DPI" "$((pl - l)) $((pt - t)) $((pr - pl)) $((pb - pt))" "48 4 89 21"
e2e_shot strip-96 >/dev/null
e2e_running || fail "the program ended"
