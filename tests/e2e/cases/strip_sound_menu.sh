#!/usr/bin/env bash
# With tavlin00.wav and tavlin.gogo in the working folder, "알림팝업 소리" opens with "켜기"
# checked; without them it stays closed (disabled).
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_file tavlin00.wav "RIFF"
e2e_file tavlin.gogo ""
e2e_start
sleep 2
sub="$(open_sound_menu sound-menu)"
shot="$E2E_ARTIFACTS/sound-menu.png"
echo "$sub"
# "켜기" is the first item: its check bullet is black on the menu face, "끄기" (second) has none.
read -r sl st sr sb <<<"$(rect_of "$sub")"
on="$(count_colour "$shot" $((sl + 2)) $((st + 3)) "0,0,0" 16 14)"
off="$(count_colour "$shot" $((sl + 2)) $((st + 20)) "0,0,0" 16 14)"
echo "bullet pixels: 켜기 $on, 끄기 $off"
[ "$on" -gt 0 ] && [ "$off" -eq 0 ] || fail "켜기 not checked instead of 끄기"
