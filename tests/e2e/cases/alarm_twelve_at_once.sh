#!/usr/bin/env bash
# Twelve reminders due at once on the 1280 x 800 screen: a column of seven rises, and the five
# the notifier had no room for rise, in order, once that column has left. Each opens once.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

{
  echo '번호|종류|시작|끝|요일|제목|내용'
  for n in $(seq -w 12); do echo "$n|7|00:00|23:59|0|알림 $n|본문 $n"; done
} | sed 's/$/\r/' | iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.gogo"

e2e_start --at "2026-12-07 12:00:03"
# "hwnd title" of every popup seen, and the titles open together at each look.
for _ in $(seq 90); do
  e2e_probe | grep '^window TfrmPopUp .* visible=1 ' >"$E2E_ARTIFACTS/now.txt" || true
  sed -E 's/.* hwnd=([0-9a-fA-Fx]+) text="알림 ([0-9]+) ?".*/\1 \2/' "$E2E_ARTIFACTS/now.txt" |
    tee -a "$E2E_ARTIFACTS/seen.txt" | cut -d' ' -f2 | sort | tr '\n' ' ' |
    sed 's/ $/\n/' >>"$E2E_ARTIFACTS/together.txt"
  [ "$(sort -u "$E2E_ARTIFACTS/seen.txt" | wc -l)" -ge 12 ] && [ ! -s "$E2E_ARTIFACTS/now.txt" ] &&
    break
  grep -q '^01 02 03 04 05 06 07$' "$E2E_ARTIFACTS/together.txt" && [ ! -e "$E2E_ARTIFACTS/column.png" ] &&
    e2e_shot column >/dev/null
  sleep 0.5
done
e2e_shot after >/dev/null
uniq "$E2E_ARTIFACTS/together.txt" | grep . >"$E2E_ARTIFACTS/columns.txt" || true
cat "$E2E_ARTIFACTS/columns.txt"
expect_eq "popups, each with a window of its own" "$(sort -u "$E2E_ARTIFACTS/seen.txt" | wc -l)" 12
expect_eq "titles" "$(cut -d' ' -f2 "$E2E_ARTIFACTS/seen.txt" | sort -u | tr '\n' ' ')" \
  "01 02 03 04 05 06 07 08 09 10 11 12 "
# The first column fills the screen; the queued ones come only after all of it has left.
grep -qx '01 02 03 04 05 06 07' "$E2E_ARTIFACTS/columns.txt" || fail "no full first column"
grep -qx '08 09 10 11 12' "$E2E_ARTIFACTS/columns.txt" || fail "no second column"
grep -E '(0[1-7].*(0[89]|1[0-2]))' "$E2E_ARTIFACTS/columns.txt" && fail "the columns overlapped"
e2e_running || fail "tavlin ended"
