#!/usr/bin/env bash
# Putting the strip away: "스트립 숨기기" hides the strip and remembers it; an alarm still rises
# while it is hidden; a left click on the notification-area icon brings it back in front,
# top-most; a right click opens the strip's menu at the pointer, which hides it again; a second
# start shows it; a start that finds it remembered hidden begins with the icon only.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

write_list() {
  printf '번호|종류|시작|끝|요일|제목|내용\r\n%s' "$1" | iconv -f UTF-8 -t CP949 \
    >"$E2E_WORK/tavlin.gogo"
}
remembered() {
  grep -o '^strip=[a-z]*' "$E2E_WORK/tavlin.ini" | tr -d '\r'
}
# A second start of tavlin.exe from the case's folder; waits for it to end.
start_again() {
  (cd "$E2E_WORK" && exec wine tavlin.exe) </dev/null >>"$E2E_ARTIFACTS/again-stdout.txt" 2>&1
}

write_list ""
: >"$E2E_WORK/tavlin.ini"
e2e_start
e2e_probe | grep -q '^window TavlinNotifyIcon ' || fail "no icon window"

choose_menu hide
e2e_wait_shown TForm_study 0
expect_eq "remembered" "$(remembered)" "strip=hidden"

# The shell announces itself again (Explorer restarted, or a new scaling): the icon stays, and the
# strip with it hidden.
e2e_probe --post TavlinNotifyIcon TaskbarCreated 0 0 | grep -q '^posted' || fail "not posted"
sleep 1
e2e_probe | grep -q '^window TForm_study .* visible=0 ' || fail "TaskbarCreated showed the strip"

# An alarm due all day, saved while the strip is hidden: its popup rises all the same, at the
# next check of the alarms (the whole ten seconds), up to eleven seconds after the save.
write_list $'1|7|00:00|23:59|0|숨은 시계|알림은 계속\r\n'
popup="$(e2e_await '^window TfrmPopUp .* visible=1 ' 150)" || fail "no popup while hidden"
expect_eq "popup title" "$(text_of "$popup")" "숨은 시계 "
e2e_probe | grep -q '^window TForm_study .* visible=0 ' || fail "the popup showed the strip"
e2e_shot popup-while-hidden >/dev/null

# A left click on the icon.
icon_message 0x400 1270 795
e2e_wait_shown TForm_study 1
e2e_await '^foreground TForm_study ' 20 >/dev/null || fail "the strip did not come to the front"
expect_eq "top-most" "$(strip_window | grep -o ' topmost=[01]' | cut -d= -f2)" 1
expect_eq "remembered" "$(remembered)" "strip=shown"

# A right click opens the menu where the pointer is; its hide item hides the strip.
choose_icon_menu hide 200 300
e2e_wait_shown TForm_study 0
# A second start shows the hidden strip and ends.
start_again
e2e_wait_shown TForm_study 1
e2e_running || fail "the first program ended"

# Hidden again and ended from the icon's menu: the next start begins hidden, with its icon.
choose_icon_menu hide 200 300
e2e_wait_shown TForm_study 0
choose_icon_menu exit 200 300
e2e_expect_exit "exit from the icon's menu"
e2e_launch tavlin.exe tavlin-stdout-2.txt "2026-12-07 00:50:05"
e2e_wait_shown TForm_study 0
e2e_probe | grep -q '^window TavlinNotifyIcon ' || fail "no icon window at the hidden start"
sleep 2
e2e_probe | grep -q '^window TForm_study .* visible=0 ' || fail "the hidden start showed the strip"
start_again
e2e_wait_shown TForm_study 1
e2e_shot shown-by-second-start >/dev/null
