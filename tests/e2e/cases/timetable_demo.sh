#!/usr/bin/env bash
# The timetable window through the demo program's button, which stands in for the main window's
# menu item "게임시진->현실시간표": created hidden and already filled, opened centred at 494 x 262
# with the header and twelve rows in view and the double-hour in progress highlighted, not
# refilled by a second choice while open, hidden by its close button and refilled when opened
# again. The clock starts at 10:04:36, 12 s before 해시 gives way to 자시.
source "$(dirname "$0")/../lib.sh"

e2e_wine_draws_frames
e2e_start_program tavlin_timetable_demo.exe TForm_TimeTable --at "2026-12-07 10:04:36"
started=$SECONDS

# The demo window sits at the top-left corner; its button fills it.
choose() {
  xdotool mousemove 120 45 click 1
  sleep 1
}
row_text() {
  e2e_window TForm_TimeTable | grep "^child Static .* id=$((100 + $1)) " |
    sed -E 's/.* text="(.*)" rect=.*/\1/'
}
window_field() {
  e2e_window TForm_TimeTable | head -n 1 | grep -o " $1=[^ ]*" | cut -d= -f2
}
system_colour() {
  wine reg query 'HKCU\Control Panel\Colors' /v "$1" </dev/null 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name {print $3 "," $4 "," $5}'
}

haesi='해시(亥時) 21~23 | 09:55:12~(09:36) | 13:55:12 ~ | 17:55:12 ~ | 21:55:12 ~'
jasi='자시(子時) 23~01 | 10:04:48~(04:48) | 14:04:48 ~ | 18:04:48 ~ | 22:04:48 ~'

expect_eq "hidden at start" "$(window_field visible)" 0
expect_eq "filled at creation" "$(row_text 1)" "$haesi"

choose
e2e_wait_shown TForm_TimeTable
expect_eq "caption" "$(e2e_window TForm_TimeTable | head -n 1 | sed -E 's/.* text="([^"]*)".*/\1/')" \
  "Ondrela 게임시간표(중국자료)"
expect_eq "centred, 494 x 262" "$(window_field rect)" "393,269,887,531"
expect_eq "top-most" "$(window_field topmost)" 1
expect_eq "header" "$(row_text 0)" "게임속 시진 | 현실시간~(지속) | 다음시간1 | 다음시간2 | 다음시간3"
expect_eq "row 1" "$(row_text 1)" "$haesi"
expect_eq "row 2" "$(row_text 2)" "$jasi"
expect_eq "row 12" "$(row_text 12)" \
  "술시(戌時) 19~21 | 13:36:00~(19:12) | 17:36:00 ~ | 21:36:00 ~ | 01:36:00 ~"
expect_eq "selected row" "$(e2e_child TavlinTimeGrid | sed -E 's/.* text="(.*)" rect=.*/\1/')" \
  "$haesi"

# The grid's client area starts inside its one-pixel border; rows are 16 pixels plus a line.
read -r gl gt gr gb < <(e2e_child TavlinTimeGrid | sed -E 's/.* rect=([-0-9]+),([-0-9]+),([-0-9]+),([-0-9]+) .*/\1 \2 \3 \4/')
[ $((gb - gt - 2)) -ge $((13 * 17)) ] || fail "grid too low for 13 rows: $gt..$gb"
[ $((gr - gl - 2)) -ge 475 ] || fail "grid too narrow for 5 columns: $gl..$gr"
shot=$(e2e_shot opened)
x=$((gl + 1 + 3))
expect_eq "header background" "$(e2e_pixel "$shot" $x $((gt + 1 + 3)))" "$(system_colour ButtonFace)"
expect_eq "row 1 highlighted" "$(e2e_pixel "$shot" $x $((gt + 1 + 17 + 3)))" "$(system_colour Hilight)"
expect_eq "row 2 plain" "$(e2e_pixel "$shot" $x $((gt + 1 + 34 + 3)))" "$(system_colour Window)"
expect_eq "row 12 plain" "$(e2e_pixel "$shot" $x $((gt + 1 + 12 * 17 + 3)))" "$(system_colour Window)"
expect_eq "line below row 12" "$(e2e_pixel "$shot" $x $((gt + 1 + 13 * 17 - 1)))" "192,192,192"
# No scroll bar along the right or bottom edge: the grid's own background shows there.
expect_eq "right edge" "$(e2e_pixel "$shot" $((gr - 4)) $(((gt + gb) / 2)))" "$(system_colour Window)"
expect_eq "bottom edge" "$(e2e_pixel "$shot" $(((gl + gr) / 2)) $((gb - 4)))" "$(system_colour Window)"

# Past 10:04:48 the present double-hour is 자시, but choosing again only brings the window up.
wait_left=$((16 - (SECONDS - started)))
[ "$wait_left" -le 0 ] || sleep "$wait_left"
choose
expect_eq "still shown" "$(window_field visible)" 1
expect_eq "row 1 not refilled" "$(row_text 1)" "$haesi"
e2e_shot chosen-again >/dev/null

# The close button, at the right end of the caption, hides the window; it still exists.
read -r wl wt wr wb < <(window_field rect | tr ',' ' ')
xdotool mousemove $((wr - 15)) $((wt + 11)) click 1
sleep 1
e2e_window TForm_TimeTable | head -n 1 | grep -q . || fail "the window was destroyed"
expect_eq "hidden by the close button" "$(window_field visible)" 0
e2e_shot closed >/dev/null

choose
e2e_wait_shown TForm_TimeTable
expect_eq "row 1 refilled" "$(row_text 1)" "$jasi"
expect_eq "row 12 refilled" "$(row_text 12)" \
  "해시(亥時) 21~23 | 13:55:12~(09:36) | 17:55:12 ~ | 21:55:12 ~ | 01:55:12 ~"
expect_eq "same place" "$(window_field rect)" "393,269,887,531"
e2e_shot reopened >/dev/null

# Rows are selected whole, by the mouse or the arrow keys; typing edits nothing.
grid_text() { e2e_child TavlinTimeGrid | sed -E 's/.* text="(.*)" rect=.*/\1/'; }
read -r gl gt gr gb <<<"$(e2e_child TavlinTimeGrid | sed -E 's/.* rect=([-0-9]+),([-0-9]+),([-0-9]+),([-0-9]+) .*/\1 \2 \3 \4/')"
xdotool mousemove $((gl + 300)) $((gt + 1 + 3 * 17 + 8)) click 1
sleep 0.5
expect_eq "row 3 selected by a click" "$(grid_text)" "$(row_text 3)"
xdotool key Down
sleep 0.5
expect_eq "row 4 selected by the Down key" "$(grid_text)" "$(row_text 4)"
xdotool mousemove $((gl + 300)) $((gt + 1 + 8)) click 1
sleep 0.5
expect_eq "a click on the header selects nothing" "$(grid_text)" "$(row_text 4)"
xdotool key End sleep 0.3 type 12
sleep 0.5
expect_eq "row 12 selected by the End key" "$(grid_text)" "$(row_text 12)"
expect_eq "row 12 unchanged by typing" "$(row_text 12)" \
  "해시(亥時) 21~23 | 13:55:12~(09:36) | 17:55:12 ~ | 21:55:12 ~ | 01:55:12 ~"
shot=$(e2e_shot selection)
expect_eq "row 12 highlighted" "$(e2e_pixel "$shot" $((gl + 4)) $((gt + 1 + 12 * 17 + 3)))" \
  "$(system_colour Hilight)"
expect_eq "row 1 plain again" "$(e2e_pixel "$shot" $((gl + 4)) $((gt + 1 + 17 + 3)))" \
  "$(system_colour Window)"
