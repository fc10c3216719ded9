#!/usr/bin/env bash
# A tavlin.ini of 2 GB, mostly garbage, with a place off every screen and a colour tavlin does not
# know: the strip starts centred, opaque and green, without reading the transparency that lies
# past the first 64 KB. Then a read-only tavlin.ini: tavlin runs with it and says once that it
# cannot save, however often the player changes something.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

{
  head -c 3000 /dev/urandom
  printf '\r\n[tavlin]\r\nposition=-50000,90000\r\nmonitor=\\\\.\\DISPLAY1\r\ncolour=Purple\r\n'
} >"$E2E_WORK/tavlin.ini"
printf '\r\n[tavlin]\r\ntransparency=40\r\n' |
  dd of="$E2E_WORK/tavlin.ini" bs=1 seek=$((1 << 20)) conv=notrunc status=none
truncate -s 2G "$E2E_WORK/tavlin.ini"
started=$(date +%s%N)
e2e_start
took=$((($(date +%s%N) - started) / 1000000))
echo "visible after $took ms"
[ "$took" -lt 30000 ] || fail "the start took $took ms"
window="$(strip_window)"
read -r l t r b <<<"$(rect_of "$window")"
expect_eq "centred" "$l $t" "$(((1280 - (r - l)) / 2)) $(((800 - (b - t)) / 2))"
echo "$window" | grep -q ' alpha=255 colorkey=153,0,0$' || fail "not opaque: $window"
choose_menu exit
e2e_expect_exit "문답공부시계 종료"
expect_eq "size after exit" "$(stat -c %s "$E2E_WORK/tavlin.ini")" 2147483648

printf '[tavlin]\r\ncolour=Blue\r\n' >"$E2E_WORK/tavlin.ini"
chmod a-w "$E2E_WORK/tavlin.ini"
e2e_start
sleep 2
choose_menu alpha 3 4
e2e_await '^window #32770 ' 50 >/dev/null || fail "no report that tavlin cannot save"
e2e_probe >"$E2E_ARTIFACTS/probe-report.txt"
e2e_shot report >/dev/null
grep -q '^child Static .*tavlin.ini' "$E2E_ARTIFACTS/probe-report.txt" ||
  fail "the report does not name the file"
button="$(grep '^child Button .*text="OK"' "$E2E_ARTIFACTS/probe-report.txt")"
read -r l t r b <<<"$(rect_of "$button")"
click_at $(((l + r) / 2)) $(((t + b) / 2))
for _ in $(seq 30); do
  e2e_probe | grep -q '^window #32770 ' || break
  sleep 0.2
done
sleep 1
choose_menu colour 3 5
sleep 0.5
choose_menu alpha 2 4
sleep 3
expect_eq "report boxes after two more changes" "$(e2e_probe | grep -c '^window #32770 ')" 0
e2e_running || fail "tavlin ended"
echo "$(strip_window)" | grep -q ' alpha=160 colorkey=153,0,0$' || fail "40% not taken"
expect_eq "file untouched" "$(cat "$E2E_WORK/tavlin.ini")" $'[tavlin]\r\ncolour=Blue\r'
