#!/usr/bin/env bash
# Started in a working folder that holds none of tavlin's files, as Windows starts a Run entry in
# its system folder: the quiz line, and the sound menu with "켜기" checked, come from the files
# beside tavlin.exe.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

printf '%s\r\n' "시작 폴더 밖의 문제 // 답" >"$E2E_WORK/tavlin.quiz"
e2e_file tavlin00.wav "RIFF"
e2e_file tavlin.gogo ""
system="$WINEPREFIX/drive_c/windows/system32"
for name in tavlin.quiz tavlin00.wav tavlin.gogo; do
  [ ! -e "$system/$name" ] || fail "the system folder holds $name"
done
e2e_start --working-folder "$system"
sleep 2
expect_eq "quiz line" "$(text_of "$(quiz_label)")" "시작 폴더 밖의 문제  답"

sub="$(open_sound_menu sound-menu)"
shot="$E2E_ARTIFACTS/sound-menu.png"
read -r sl st sr sb <<<"$(rect_of "$sub")"
on="$(count_colour "$shot" $((sl + 2)) $((st + 3)) "0,0,0" 16 14)"
echo "bullet pixels of 켜기: $on"
[ "$on" -gt 0 ] || fail "켜기 is not checked"
