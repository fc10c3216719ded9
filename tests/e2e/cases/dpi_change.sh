#!/usr/bin/env bash
# When the strip's monitor changes its scaling (or the strip is dragged to a monitor with another
# one), Windows sends WM_DPICHANGED: the strip redraws itself for the new DPI where it stands,
# 488 x 75 at 144 DPI, and back to 325 x 50 at 96; an open timetable window takes the suggested
# place at its size for that DPI, 741 x 393.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_wine_draws_frames
e2e_start
sleep 3
read -r l t r b <<<"$(rect_of "$(strip_window)")"

e2e_send_dpi_change TForm_study 144
sleep 1
window="$(strip_window)"
expect_eq "strip at 144 DPI" "$(client_of "$window")" "488 75"
expect_eq "where it stood" "$(rect_of "$window" | cut -d' ' -f1-2)" "$l $t"
pane="$(e2e_child TavlinGameTimePane)"
read -r pl pt pr pb <<<"$(rect_of "$pane")"
expect_eq "pane at 144 DPI" "$((pl - l)) $((pt - t)) $((pr - pl)) $((pb - pt))" "72 6 134 32"
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
