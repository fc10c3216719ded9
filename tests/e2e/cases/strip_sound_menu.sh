#!/usr/bin/env bash
# With tavlin00.wav and tavlin.gogo in the working folder, "알림팝업 소리" opens with "켜기"
# checked; without them it stays closed (disabled).
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_file tavlin00.wav "RIFF"
e2e_file tavlin.gogo ""
e2e_start
sleep 2
menu="$(open_menu)"
read -r l t r b <<<"$(rect_of "$menu")"
xdotool mousemove $((l + 40)) $((t + ${MENU_OFFSET[sound]})) sleep 0.2 click 1
sleep 0.8
shot="$(e2e_shot sound-menu)"
sub="$(e2e_probe | grep '^window #32768 .* visible=1 ' | grep -v "${menu%% text=*}" | head -n 1)"
[ -n "$sub" ] || fail "the sound submenu did not open"
echo "$sub"
# "켜기" is the first item: its check bullet is black on the menu face, "끄기" (second) has none.
read -r sl st sr sb <<<"$(rect_of "$sub")"
on="$(count_colour "$shot" $((sl + 2)) $((st + 3)) "0,0,0" 16 14)"
off="$(count_colour "$shot" $((sl + 2)) $((st + 20)) "0,0,0" 16 14)"
echo "bullet pixels: 켜기 $on, 끄기 $off"
[ "$on" -gt 0 ] && [ "$off" -eq 0 ] || fail "켜기 not checked instead of 끄기"
