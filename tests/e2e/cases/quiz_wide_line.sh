#!/usr/bin/env bash
# A quiz line wider than the screen makes the strip wider than the screen.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

line=""
for i in $(seq 1 40); do line="$line 문제$i"; done
write_cp949 tavlin.quiz "$line // 답"
e2e_start
sleep 1
window="$(strip_window)"
echo "$window"
read -r w h <<<"$(client_of "$window")"
[ "$w" -gt 1280 ] || fail "strip only $w wide"
expect_fitted_width
e2e_shot wide >/dev/null
