#!/usr/bin/env bash
# A real-time alarm due all day fires at the first tick: a light-green popup with its title and
# message rises at the bottom-right corner within two seconds of start, takes no focus, and does
# not fire again in the same hour. Eleven more due with it: the 1280 x 800 screen holds a column of
# seven; the other five rise, in order, once that column has left. Each opens once.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

{
  printf '번호|종류|시작|끝|요일|제목|내용\r\n1|7|00:00|23:59|0|출석 체크|접속 보상//받기\r\n'
  for n in $(seq -w 2 12); do printf '%s|7|00:00|23:59|0|알림 %s|본문\r\n' "$n" "$n"; done
} | iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.gogo"
# A short silent wave, so that "켜기" is checked and the sound is played (there is no audio device).
{ printf 'RIFF\x2c\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x40\x1f\x00\x00'
  printf '\x40\x1f\x00\x00\x01\x00\x08\x00data\x08\x00\x00\x00\x80\x80\x80\x80\x80\x80\x80\x80'; } \
  >"$E2E_WORK/tavlin00.wav"

e2e_start --at "2026-12-07 12:00:03"
started=$(date +%s%N)
popup="$(e2e_await '^window TfrmPopUp ' 40)" || fail "no popup within four seconds"
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
echo "popup after $elapsed_ms ms: $popup"
[ "$elapsed_ms" -le 2000 ] || fail "the popup took $elapsed_ms ms"

# Risen: 1280 x 800 screen with Wine's one-pixel task bar at the bottom, so the first slot is at
# left 1280 - 211 and top 800 - 112.
e2e_await '^window TfrmPopUp .* rect=1069,688,1264,798 .* visible=1 ' 30 >/dev/null || true
e2e_probe >"$E2E_ARTIFACTS/probe-risen.txt"
line="$(grep '^window TfrmPopUp .* text="출석 체크 "' "$E2E_ARTIFACTS/probe-risen.txt")"
expect_eq "popup place" "$(rect_of "$line" | tr ' ' ,)" "1069,688,1264,798"
expect_eq "title (with its trailing blank)" "$(text_of "$line")" "출석 체크 "
grep -q '^child TMouseLabel .* text="접속 보상\\r받기" ' "$E2E_ARTIFACTS/probe-risen.txt" ||
  fail "the message with its line break is not on the popup"
expect_eq "focus stays with the strip" \
  "$(grep '^foreground' "$E2E_ARTIFACTS/probe-risen.txt" | cut -d' ' -f2)" TForm_study

shot="$(e2e_shot risen)"
read -r w h <<<"$(client_of "$line")"
frame=$(((195 - w) / 2))
expect_eq "light green gradient start" "$(e2e_pixel "$shot" $((1069 + frame + 3)) $((688 + frame + 2)))" \
  "153,255,153"

# The checks at 12:00:10, :20 … find them fired in hour 12: each title opens one window only.
# Each look writes the titles open together, first as "01" (출석 체크).
for _ in $(seq 90); do
  e2e_probe | grep '^window TfrmPopUp .* visible=1 ' | sed -E 's/.* hwnd=([0-9a-f]+) text="(알림 )?//;
    s/출석 체크/01/; s/ ".*//' | sort -k2 >"$E2E_ARTIFACTS/now.txt"
  cat "$E2E_ARTIFACTS/now.txt" >>"$E2E_ARTIFACTS/seen.txt"
  echo $(cut -d' ' -f2 "$E2E_ARTIFACTS/now.txt") >>"$E2E_ARTIFACTS/together.txt"
  [ "$(sort -u "$E2E_ARTIFACTS/seen.txt" | wc -l)" -ge 12 ] && [ ! -s "$E2E_ARTIFACTS/now.txt" ] && break
  sleep 0.5
done
uniq "$E2E_ARTIFACTS/together.txt"
expect_eq "popup windows, titles" "$(sort -u "$E2E_ARTIFACTS/seen.txt" | wc -l), $(cut -d' ' -f2 \
  "$E2E_ARTIFACTS/seen.txt" | sort -u | tr '\n' ' ')" "12, 01 02 03 04 05 06 07 08 09 10 11 12 "
grep -qx '01 02 03 04 05 06 07' "$E2E_ARTIFACTS/together.txt" || fail "no column of seven"
grep -qx '08 09 10 11 12' "$E2E_ARTIFACTS/together.txt" || fail "the other five did not rise together"
grep -E '0[1-7].*(0[89]|1[0-2])' "$E2E_ARTIFACTS/together.txt" && fail "the columns overlapped"
e2e_running || fail "tavlin ended"
