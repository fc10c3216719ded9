#!/usr/bin/env bash
# "N" picks another line: over a few clicks of a two-line file both lines appear, and the width
# follows each one.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

printf '%s\r\n%s\r\n' "짧은 문제 // 답" "조금 더 긴 문제입니다, 답은 여기에 있습니다 // 아주 긴 대답입니다" \
  | iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.quiz"
e2e_start
sleep 1
button="$(e2e_child Button 'text="N"')"
read -r l t r b <<<"$(rect_of "$button")"
seen=""
# Picks are random: go on until both lines have come.
for _ in $(seq 30); do
  click_at $(((l + r) / 2)) $(((t + b) / 2))
  sleep 0.3
  text="$(text_of "$(quiz_label)")"
  expect_fitted_width >/dev/null
  seen="$seen|$text"
  echo "$seen" | grep -q '|짧은 문제  답' &&
    echo "$seen" | grep -q '|조금 더 긴 문제입니다, 답은 여기에 있습니다  아주 긴 대답입니다' && break
done
echo "$seen"
echo "$seen" | grep -q '|짧은 문제  답' || fail "the short line never came"
echo "$seen" | grep -q '|조금 더 긴 문제입니다, 답은 여기에 있습니다  아주 긴 대답입니다' ||
  fail "the long line never came"
e2e_shot after-clicks >/dev/null
