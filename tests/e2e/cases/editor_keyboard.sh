#!/usr/bin/env bash
# The alarm editor by keyboard alone, on a code page 949 list with a heading, two alarms, an empty
# line and an alarm parked after it. "알림 편집(&E)..." opens it; Ctrl+N, Tab and typing add a
# real-clock alarm for two minutes later and Ctrl+S saves it: the file holds exactly one new line,
# before the empty line, and every other byte is as it was; the alarm's popup rises when it falls
# due (the clock is moved to just before). Then one title is changed (one line differs), one alarm
# is deleted (one line gone), a read-only list is reported with the system's reason and the edit
# stays on screen, and a list another program changed meanwhile is left as that program wrote it,
# the editor saying so. Escape with unsaved changes asks first.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

head='번호|종류|시작|끝|요일|제목|내용|미리'
first='1|7|07:00|07:10|0|아침 알림|물 마시기'
second='2|5|23:00|23:30|0|자시 보스|북문 앞//물약|5'
parked='3|7|12:00|12:10|0|쉬는 알림|점심'
added='4|7|10:02|10:03|0|new alarm|hello'
# The list as lines; list_file writes them in code page 949 with CR LF.
list_file() {
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP949
}
list_file "$head" "$first" "$second" "" "$parked" >"$E2E_WORK/tavlin.gogo"

# Fails unless the list holds exactly the lines $2...; $1 says what is checked.
expect_list() {
  local what="$1"
  shift
  list_file "$@" >"$E2E_WORK/expected"
  cmp -s "$E2E_WORK/expected" "$E2E_WORK/tavlin.gogo" || {
    iconv -f CP949 -t UTF-8 "$E2E_WORK/tavlin.gogo" >&2
    fail "$what: the list is not as expected"
  }
  echo "ok: $what"
}
status_text() {
  text_of "$(e2e_window TavlinAlarmEditor | grep '^child Static .* id=127 ')"
}
keys() {
  xdotool key --delay 60 "$@"
  sleep 0.4
}
typed() {
  xdotool type --delay 60 "$1"
  sleep 0.4
}

e2e_wine_draws_frames
e2e_start --at "2026-12-07 10:00:05" --movable-clock
open_menu >/dev/null
keys e
e2e_wait_shown TavlinAlarmEditor
expect_eq "caption" "$(text_of "$(e2e_window TavlinAlarmEditor | head -n 1)")" "tavlin 알림 편집"
e2e_shot editor-96dpi >/dev/null

# Ctrl+N: the focus in 종류 (real clock, every day); then 시작, 끝, 요일, 제목, 내용 by Tab.
keys ctrl+n
keys Tab
typed "10:02"
keys Tab
typed "10:03"
keys Tab Tab
typed "new alarm"
keys Tab
typed "hello"
e2e_shot editor-added >/dev/null
keys ctrl+s
expect_list "one new line before the empty line" "$head" "$first" "$second" "$added" "" "$parked"
expect_eq "status after saving" "$(status_text)" "저장했습니다. 알림에 바로 쓰입니다."

e2e_move_clock "2026-12-07 10:01:55"
e2e_await '^window TfrmPopUp .* text="new alarm "' 250 >/dev/null || fail "no popup for the new alarm"
echo "ok: the new alarm's popup rose"

# The form is on the new alarm; the list (four Tabs on, past 미리, 저장 and 닫기) and Home take it
# to the first line; ten Tabs lead to 제목.
keys Tab Tab Tab Tab Home
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab End shift+Home
typed "morning"
keys ctrl+s
changed='1|7|7:00|7:10|0|morning|물 마시기'
expect_list "one line differs" "$head" "$changed" "$second" "$added" "" "$parked"

# Back to the list (Shift+Tab past the buttons and the first fields), one line down, Delete.
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab \
  shift+Tab Down Delete ctrl+s
expect_list "one alarm deleted" "$head" "$changed" "$added" "" "$parked"

# A read-only list: the system's reason, the file untouched, the typed title still in the form.
chmod a-w "$E2E_WORK/tavlin.gogo"
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab End shift+Home
typed "kept"
keys ctrl+s
status="$(status_text)"
echo "status: $status"
case "$status" in
  "tavlin.gogo를 저장하지 못했습니다: "?*) echo "ok: read-only reported" ;;
  *) fail "read-only list not reported: $status" ;;
esac
expect_list "read-only list untouched" "$head" "$changed" "$added" "" "$parked"
expect_eq "the edit stays" "$(text_of "$(e2e_window TavlinAlarmEditor | grep '^child Edit .* id=118 ')")" "kept"
e2e_shot editor-read-only >/dev/null
chmod u+w "$E2E_WORK/tavlin.gogo"

# Another program saves the list meanwhile: nothing written, the editor says so and asks whether
# to load it again; No (the default) keeps the edit.
list_file "$head" "$changed" "$added" "" "$parked" "5|7|1:00|2:00|0|notepad|x" >"$E2E_WORK/other"
mv "$E2E_WORK/other" "$E2E_WORK/tavlin.gogo"
keys ctrl+s
e2e_wait_for '#32770'
e2e_probe | grep -q '^child Static .*text="그동안 다른 프로그램이 tavlin.gogo를 바꿨습니다' ||
  fail "the box does not say the list changed"
e2e_shot editor-changed-meanwhile >/dev/null
keys Return
expect_eq "status" "$(status_text)" \
  "그동안 다른 프로그램이 tavlin.gogo를 바꿨습니다. 아무것도 쓰지 않았습니다."
expect_list "the other program's list kept" "$head" "$changed" "$added" "" "$parked" \
  "5|7|1:00|2:00|0|notepad|x"

# Escape with unsaved changes asks; No keeps the window open.
keys Escape
e2e_wait_for '#32770'
keys Return
sleep 0.5
e2e_window TavlinAlarmEditor | head -n 1 | grep -q ' visible=1 ' || fail "Escape closed without asking"
echo "ok: Escape asked first"
e2e_running || fail "tavlin ended"
