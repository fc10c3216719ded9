#!/usr/bin/env bash
# "윈도우 시작 시 실행(&W)": ticking it writes the Run value tavlin holding the full path of this
# tavlin.exe in double quotes, unticking deletes it. The check mark shows the registry each time
# the menu opens: a mark of Task Manager's that disables the entry shows it unticked, and ticking
# it then clears that mark.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
approved='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run'
# Wine's first program of the session starts its desktop, notification area included, on the
# display: the registry tool must not be that program without one.
e2e_display
E2E_UNDO+=("wine reg delete '$run' /v tavlin /f" "wine reg delete '$approved' /v tavlin /f")
# A run that was killed may have left them behind.
for key in "$run" "$approved"; do wine reg delete "$key" /v tavlin /f >/dev/null 2>&1 || true; done

# The Run value's text, as the system's own tool reads it back; empty when there is none.
run_value() {
  wine reg query "$run" /v tavlin 2>/dev/null | tr -d '\r' | sed -n 's/^ *tavlin *REG_SZ *//p'
}

# Opens the menu and prints how many black pixels the check column of the item holds (0: no
# check mark); closes the menu again.
check_pixels() {
  local menu l t r b shot
  menu="$(open_menu)"
  read -r l t r b <<<"$(rect_of "$menu")"
  shot="$(e2e_shot "menu-$1")"
  count_colour "$shot" $((l + 2)) $((t + ${MENU_OFFSET[start_with_windows]} - 7)) "0,0,0" 16 14
  xdotool key Escape
  for _ in $(seq 20); do
    e2e_probe | grep -q '^window #32768 .* visible=1 ' || return 0
    sleep 0.2
  done
  fail "the menu did not close"
}

e2e_start
sleep 1
expect_eq "check pixels before any choice" "$(check_pixels before)" 0

choose_menu start_with_windows
sleep 0.5
expect_eq "Run value after ticking" "$(run_value)" "\"$(winepath -w "$E2E_WORK/tavlin.exe")\""
ticked="$(check_pixels ticked)"
echo "check pixels when ticked: $ticked"
[ "$ticked" -gt 0 ] || fail "not ticked after ticking"

# Task Manager disables the entry: 03, then the time of the change.
wine reg add "$approved" /v tavlin /t REG_BINARY /d 03000000d40d438dc83bd901 /f >/dev/null 2>&1
expect_eq "check pixels while disabled in Task Manager" "$(check_pixels disabled)" 0
choose_menu start_with_windows
sleep 0.5
if wine reg query "$approved" /v tavlin >/dev/null 2>&1; then fail "Task Manager's mark stayed"; fi
expect_eq "check pixels when enabled again" "$(check_pixels enabled)" "$ticked"

choose_menu start_with_windows
sleep 0.5
expect_eq "Run value after unticking" "$(run_value)" ""
expect_eq "check pixels after unticking" "$(check_pixels unticked)" 0
