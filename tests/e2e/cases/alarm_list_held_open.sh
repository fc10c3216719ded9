#!/usr/bin/env bash
# An alarm list that another program holds open for writing with everyone else refused cannot be
# read: the player is told so once, with the file, the reason and what to do, while the clock runs
# on; as soon as the other program lets go, the list loads and its alarm fires without the player
# doing anything.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

printf '번호|종류|시작|끝|요일|제목|내용\r\n1|7|00:00|23:59|0|열린 목록|다시 읽음\r\n' |
  iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.gogo"
e2e_file tavlin00.wav "RIFF"
e2e_display
wineserver -p30 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
: >"$E2E_ARTIFACTS/hold.txt"
wine "$E2E_BUILD/tavlin_probe.exe" --hold "$(winepath -w "$E2E_WORK/tavlin.gogo")" 12 \
  </dev/null >"$E2E_ARTIFACTS/hold.txt" 2>/dev/null &
holder=$!
for _ in $(seq 50); do grep -q held "$E2E_ARTIFACTS/hold.txt" && break; sleep 0.1; done
grep -q held "$E2E_ARTIFACTS/hold.txt" || fail "the list was not held: $(cat "$E2E_ARTIFACTS/hold.txt")"

e2e_start --at "2026-12-07 12:00:03"
e2e_await '^window #32770 ' 50 >/dev/null || fail "no report of the list held open"
sleep 3
e2e_probe >"$E2E_ARTIFACTS/probe-held.txt"
e2e_shot held >/dev/null
expect_eq "report boxes while the list stays held" "$(grep -c '^window #32770 ' "$E2E_ARTIFACTS/probe-held.txt")" 1
grep -q '^child Static .*Cannot open file .*tavlin.gogo' "$E2E_ARTIFACTS/probe-held.txt" ||
  fail "the report does not say the file could not be opened"
grep -q '^child Static .*매초 다시 읽어 봅니다' "$E2E_ARTIFACTS/probe-held.txt" ||
  fail "the report does not tell the player what to do"
grep -q '^window TfrmPopUp ' "$E2E_ARTIFACTS/probe-held.txt" && fail "a popup from a list never read"
e2e_running || fail "tavlin ended"

wait "$holder" || fail "the holder failed"
popup="$(e2e_await '^window TfrmPopUp ' 40)" || fail "no popup after the list was let go"
expect_eq "popup title" "$(text_of "$popup")" "열린 목록 "
after="$(text_of "$(real_time_panel)")"
echo "clock after the release: $after"
