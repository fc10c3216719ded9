#!/usr/bin/env bash
# A click closes a popup at once; the others stay where they are. A middle-button release on the
# body text and any click on the colour strip do nothing. The window that had the keyboard focus
# keeps it throughout.
source "$(dirname "$0")/../lib.sh"

e2e_start_program tavlin_popup_demo.exe TfrmPopUp -- \
  "첫째 알림" "사냥터 집합" "둘째 알림" "보스 출현" "셋째 알림" "세 번째 본문"

risen=0
for _ in $(seq 50); do
  # Risen: each in its slot at full height.
  risen=$(e2e_probe | grep -cE '^window TfrmPopUp .* rect=1069,(688,1264,798|576,1264,686|464,1264,574) .* visible=1 ' || true)
  [ "$risen" -eq 3 ] && break
  sleep 0.1
done
expect_eq "popups at full size" "$risen" 3
e2e_shot before >/dev/null

# Centre of the child of the popup titled $1 whose id is $2 (1: title, 2: body text).
label_centre() {
  local window
  window=$(e2e_probe | awk -v t="text=\"$1\"" '/^window /{inside = index($0, t) > 0} inside')
  grep "^child TMouseLabel .* id=$2 " <<<"$window" |
    sed -E 's/.* rect=([-0-9]+),([-0-9]+),([-0-9]+),([-0-9]+) .*/\1 \2 \3 \4/' |
    awk '{print int(($1 + $3) / 2), int(($2 + $4) / 2)}'
}
open_titles() {
  { e2e_probe | grep '^window TfrmPopUp ' || true; } | sed -E 's/.* text="([^"]*)".*/\1/' | sort |
    tr '\n' '|'
}
expect_focus() {
  expect_eq "focus $1" "$(e2e_probe | grep '^foreground' | cut -d' ' -f2)" PopupDemoHost
}
# Waits up to 2 s until the open popups are $1.
expect_open() {
  local now=""
  for _ in $(seq 20); do
    now=$(open_titles)
    [ "$now" = "$1" ] && break
    sleep 0.1
  done
  expect_eq "open popups $2" "$now" "$1"
}

all="셋째 알림|첫째 알림|둘째 알림|"
all=$(tr '|' '\n' <<<"$all" | grep . | sort | tr '\n' '|')

# A left click on the middle popup's text closes it alone.
read -r x y <<<"$(label_centre "둘째 알림" 2)"
xdotool mousemove "$x" "$y" click 1
expect_open "$(tr '|' '\n' <<<"$all" | grep -v 둘째 | grep . | tr '\n' '|')" "after a click"
e2e_shot after-click >/dev/null
expect_focus "after the click"
expect_eq "lowest popup stays" \
  "$(e2e_probe | grep '^window TfrmPopUp .* text="첫째 알림"' | sed -E 's/.* rect=([-0-9,]+) .*/\1/')" \
  "1069,688,1264,798"

# The middle button on the body text does nothing; on the title it closes.
read -r x y <<<"$(label_centre "첫째 알림" 2)"
xdotool mousemove "$x" "$y" click 2
sleep 0.7
expect_eq "after a middle click on the text" "$(open_titles)" "셋째 알림|첫째 알림|"
read -r x y <<<"$(label_centre "첫째 알림" 1)"
xdotool mousemove "$x" "$y" click 2
expect_open "셋째 알림|" "after a middle click on the title"

# The colour strip reacts to nothing; the background closes with any button.
frame=3
xdotool mousemove $((1069 + frame + 60)) $((464 + frame + 104 - 4)) click 1
sleep 0.7
expect_eq "after a click on the strip" "$(open_titles)" "셋째 알림|"
xdotool mousemove $((1069 + frame + 5)) $((464 + frame + 60)) click 3
expect_open "" "after a right click on the background"
expect_focus "at the end"
e2e_shot after-all >/dev/null
e2e_running || fail "the demo ended"
