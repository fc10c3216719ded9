#!/usr/bin/env bash
# A one-line quiz file in UTF-8 (no BOM) shows the same Korean text as a code page 949 file;
# every "//" goes, the spaces around them stay.
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
