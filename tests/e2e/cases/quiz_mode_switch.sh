#!/usr/bin/env bash
# "시계모드/문답+" hides the quiz panel and shows it again; the width stays.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

write_cp949 tavlin.quiz "고려를 세운 왕은? // 왕건"
e2e_start
sleep 1
quiz_label | grep -q 'visible=1' || fail "quiz panel not shown at start"
width="$(client_of "$(strip_window)")"

choose_menu quiz_mode
sleep 0.5
quiz_label | grep -q 'visible=0' || fail "quiz panel still shown after the switch"
xdotool mousemove 10 10
shot="$(e2e_shot clock-mode)"
read -r l t r b <<<"$(rect_of "$(strip_window)")"
expect_eq "lower band shows the desktop" "$(e2e_pixel "$shot" $((l + 100)) $((t + 40)))" "51,102,153"
expect_eq "width kept" "$(client_of "$(strip_window)")" "$width"

choose_menu quiz_mode
sleep 0.5
quiz_label | grep -q 'visible=1' || fail "quiz panel not shown again"
expect_eq "quiz line kept" "$(text_of "$(quiz_label)")" "고려를 세운 왕은?  왕건"
xdotool mousemove 10 10
e2e_shot quiz-mode >/dev/null
