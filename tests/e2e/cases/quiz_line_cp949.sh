#!/usr/bin/env bash
# A one-line quiz file in code page 949: the quiz panel shows the line without its "//", Korean
# intact, and the strip is as wide as the label plus 40.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

write_cp949 tavlin.quiz "조선의 첫 번째 왕은 누구인가? // 태조 이성계 (1392년 즉위)"
e2e_start
sleep 1
label="$(quiz_label)"
echo "$label"
expect_eq "quiz line" "$(text_of "$label")" "조선의 첫 번째 왕은 누구인가?  태조 이성계 (1392년 즉위)"
echo "$label" | grep -q 'visible=1' || fail "quiz panel not shown"
expect_fitted_width
# The quiz panel keeps a 3-pixel margin to the right edge of the strip.
read -r wl wt wr wb <<<"$(rect_of "$(strip_window)")"
panel2="$(e2e_probe | grep '^child TavlinRoundedPanel ' | grep 'text=""' | head -n 1)"
read -r pl pt pr pb <<<"$(rect_of "$panel2")"
expect_eq "quiz panel place" "$((pl - wl)) $((pt - wt)) $((wr - pr)) $((wb - pb))" "2 27 3 0"
e2e_shot quiz >/dev/null
