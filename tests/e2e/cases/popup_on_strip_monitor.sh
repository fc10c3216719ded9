#!/usr/bin/env bash
# "알림 위치" > "스트립이 있는 모니터": with the strip moved to the second of two monitors, an
# alarm's popup rises in the corner of that monitor's work area (2093,656 to 2288,766 for a
# 1024 x 768 monitor at 1280,0), not on the primary one, and the choice is remembered.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

write_list() {
  printf '번호|종류|시작|끝|요일|제목|내용\r\n%s' "$1" | iconv -f UTF-8 -t CP949 \
    >"$E2E_WORK/tavlin.gogo"
}

e2e_two_monitors
write_list ""
: >"$E2E_WORK/tavlin.ini"
e2e_start
choose_menu popups 1 2
for _ in $(seq 20); do grep -q '^popups=strip' "$E2E_WORK/tavlin.ini" && break; sleep 0.2; done
grep -q '^popups=strip' "$E2E_WORK/tavlin.ini" || fail "the choice was not remembered"

xdotool windowmove "$(xdotool search --name '^Velmar' | head -n 1)" 1500 300
for _ in $(seq 20); do strip_window | grep -q ' rect=1500,300,' && break; sleep 0.2; done
strip_window | grep -q ' rect=1500,300,' || fail "the strip did not move to the second monitor"

write_list $'1|7|00:00|23:59|0|둘째 모니터|스트립 옆에\r\n'
e2e_await '^window TfrmPopUp .* visible=1 ' 60 >/dev/null || fail "no popup"
popup="$(e2e_await '^window TfrmPopUp .* rect=2093,656,2288,766 ' 40)" ||
  fail "the popup did not rise in the second monitor's corner: $(e2e_probe | grep TfrmPopUp)"
expect_eq "popup title" "$(text_of "$popup")" "둘째 모니터 "
e2e_shot popup-on-second-monitor >/dev/null
