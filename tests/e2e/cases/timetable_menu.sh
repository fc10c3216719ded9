#!/usr/bin/env bash
# "게임시진->현실시간표" in the strip's menu: the timetable window opens centred at 494 x 262 with
# the double-hour in progress highlighted; chosen again while open it comes to the front without
# a refill; its close button hides it, and the next choice shows it refilled. The clock starts at
# 10:04:36, 12 s before 해시 gives way to 자시.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

# Both windows open in the middle of the screen, the timetable above the strip. A long quiz line
# makes the strip wider than the timetable, so that its menu button stays in reach.
e2e_file tavlin.quiz "The strip grows with its quiz line; this one is long enough to reach out // from under the timetable window\r\n"
e2e_wine_draws_frames
e2e_start --at "2026-12-07 10:04:36"
started=$SECONDS

row_text() {
  e2e_window TForm_TimeTable | grep "^child Static .* id=$((100 + $1)) " |
    sed -E 's/.* text="(.*)" rect=.*/\1/'
}
window_field() {
  e2e_window TForm_TimeTable | head -n 1 | grep -o " $1=[^ ]*" | cut -d= -f2
}
# The classes of the shown top-level windows, topmost first (the probe lists them in z-order).
z_order() {
  e2e_probe | awk '/^window / && / visible=1 / {printf "%s ", $2}'
}
haesi='해시(亥時) 21~23 | 09:55:12~(09:36) | 13:55:12 ~ | 17:55:12 ~ | 21:55:12 ~'
jasi='자시(子時) 23~01 | 10:04:48~(04:48) | 14:04:48 ~ | 18:04:48 ~ | 22:04:48 ~'

expect_eq "created hidden" "$(window_field visible)" 0
read -r ml mt mr mb <<<"$(rect_of "$(e2e_child Button 'text="M"')")"
[ "$mr" -lt 393 ] || fail "the strip's menu button would lie under the timetable: $ml..$mr"
choose_menu timetable
e2e_wait_shown TForm_TimeTable
expect_eq "centred, 494 x 262" "$(window_field rect)" "393,269,887,531"
expect_eq "top-most" "$(window_field topmost)" 1
expect_eq "header" "$(row_text 0)" "게임속 시진 | 현실시간~(지속) | 다음시간1 | 다음시간2 | 다음시간3"
expect_eq "row 1" "$(row_text 1)" "$haesi"
expect_eq "selected row" "$(e2e_child TavlinTimeGrid | sed -E 's/.* text="(.*)" rect=.*/\1/')" \
  "$haesi"
shot=$(e2e_shot opened)
read -r gl gt gr gb <<<"$(rect_of "$(e2e_child TavlinTimeGrid)")"
row1=$(e2e_pixel "$shot" $((gl + 4)) $((gt + 1 + 17 + 3)))
row2=$(e2e_pixel "$shot" $((gl + 4)) $((gt + 1 + 34 + 3)))
[ "$row1" != "$row2" ] || fail "row 1 is not highlighted: $row1"

# By now 자시 has begun, and the ten-second tick at 10:04:50 has placed the strip on top again,
# just below the timetable.
wait_left=$((16 - (SECONDS - started)))
[ "$wait_left" -le 0 ] || sleep "$wait_left"
expect_eq "above the strip after the ten-second ticks" "$(z_order)" "TForm_TimeTable TForm_study "
choose_menu timetable
sleep 1
expect_eq "still shown" "$(window_field visible)" 1
expect_eq "row 1 not refilled" "$(row_text 1)" "$haesi"
e2e_shot chosen-again >/dev/null

read -r wl wt wr wb <<<"$(window_field rect | tr ',' ' ')"
click_at $((wr - 15)) $((wt + 11))
sleep 1
expect_eq "hidden by the close button" "$(window_field visible)" 0
e2e_running || fail "closing the timetable ended the program"

choose_menu timetable
e2e_wait_shown TForm_TimeTable
expect_eq "row 1 refilled" "$(row_text 1)" "$jasi"
e2e_shot reopened >/dev/null
