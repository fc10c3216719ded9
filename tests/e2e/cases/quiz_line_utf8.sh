#!/usr/bin/env bash
# A one-line quiz file in UTF-8 (no BOM) shows the same Korean text as a code page 949 file;
# every "//" goes, the spaces around them stay; an edit shows at the next pick, and so does the
# same line saved as UTF-16.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

printf '%s\n' "훈민정음 반포 연도는? // 1446년 //// 세종" >"$E2E_WORK/tavlin.quiz"
e2e_start
sleep 1
label="$(quiz_label)"
echo "$label"
expect_eq "quiz line" "$(text_of "$label")" "훈민정음 반포 연도는?  1446년  세종"
expect_fitted_width
e2e_shot quiz >/dev/null

# An edit saved at once, of the same size, shows at the next pick ("N"): the file is read again
# when its last-write time changes, not only its size.
printf '%s\n' "훈민정음 반포 연도는? // 1443년 //// 세종" >"$E2E_WORK/tavlin.quiz"
button="$(e2e_child Button 'text="N"')"
read -r l t r b <<<"$(rect_of "$button")"
click_at $(((l + r) / 2)) $(((t + b) / 2))
sleep 0.5
expect_eq "quiz line after the edit" "$(text_of "$(quiz_label)")" "훈민정음 반포 연도는?  1443년  세종"

# Saved as UTF-16 (Notepad's "유니코드", with its byte-order mark): the same line again.
{ printf '\xFF\xFE'; printf '%s\r\n' "훈민정음 반포 연도는? // 1446년 //// 세종" | iconv -f UTF-8 -t UTF-16LE; } \
  >"$E2E_WORK/tavlin.quiz"
click_at $(((l + r) / 2)) $(((t + b) / 2))
sleep 0.5
expect_eq "quiz line in UTF-16" "$(text_of "$(quiz_label)")" "훈민정음 반포 연도는?  1446년  세종"
