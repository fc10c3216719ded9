# Helpers shared by the strip_* and quiz_* cases (sourced after lib.sh).

# These helpers run many times a case: they match with the shell's own regexes rather than start
# grep and sed, since every program started costs the tests' two cores.

# The probe line of the strip window.
strip_window() {
  e2e_look --top-level
  e2e_first_line '^window TForm_study ' || true
}

# "L T R B" of a probe line's rect.
rect_of() {
  local re='^.* rect=(-?[0-9]+),(-?[0-9]+),(-?[0-9]+),(-?[0-9]+) '
  if [[ $1 =~ $re ]]; then
    echo "${BASH_REMATCH[1]} ${BASH_REMATCH[2]} ${BASH_REMATCH[3]} ${BASH_REMATCH[4]}"
  else
    echo "$1"
  fi
}

# "W H" of a probe window line's client size.
client_of() {
  local re='^.* client=([0-9]+),([0-9]+) '
  if [[ $1 =~ $re ]]; then
    echo "${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
  else
    echo "$1"
  fi
}

# The window text of a probe line.
text_of() {
  local re='^.* text="(([^"\]|\\.)*)"'
  if [[ $1 =~ $re ]]; then
    echo "${BASH_REMATCH[1]}"
  else
    echo "$1"
  fi
}

# The probe line of the real-time panel (the rounded panel whose text is a time of day).
real_time_panel() {
  e2e_look
  e2e_first_line '^child TavlinRoundedPanel ' 'text="[0-9]{2}:[0-9]{2}:[0-9]{2}"' || true
}

# Number of pixels of colour R,G,B ($4) in the W x H area at X,Y ($2 $3 $5 $6) of image $1.
count_colour() {
  local image="$1" x="$2" y="$3" colour="$4" w="$5" h="$6"
  convert "$image" -crop "${w}x${h}+${x}+${y}" +repage -depth 8 txt:- |
    grep -c "($colour)" || true
}

# Clicks the left button at screen X Y.
click_at() {
  xdotool mousemove "$1" "$2" sleep 0.2 click 1
}

# Waits until a popup menu window exists; prints its probe line.
wait_for_menu() {
  e2e_poll '^window #32768 .* visible=1 ' 40 0.2 >/dev/null || fail "no popup menu appeared"
  # The last one listed: a submenu comes after its menu.
  printf '%s' "$E2E_ANSWER" | grep '^window #32768 .* visible=1 ' | tail -n 1
}

# Clicks the strip's "M" button and waits for the menu; prints the menu's probe line.
open_menu() {
  local button
  button="$(e2e_child Button 'text="M"')"
  [ -n "$button" ] || fail "no M button"
  read -r l t r b <<<"$(rect_of "$button")"
  click_at $(((l + r) / 2)) $(((t + b) / 2))
  wait_for_menu
}

# Screen "X Y" of item $2 (0-based) of the $3 items of the popup menu whose probe line is $1, for
# menus without separators.
menu_item_at() {
  local l t r b w h
  read -r l t r b <<<"$(rect_of "$1")"
  read -r w h <<<"$(client_of "$1")"
  echo "$(((l + r) / 2)) $((t + 2 + (h - 4) * (2 * $2 + 1) / (2 * $3)))"
}

# Offsets from the top of the strip's menu to the middle of its items, measured on the menu as
# Wine draws it with the prefix's fonts (items 17-18 pixels, separators about 9).
declare -A MENU_OFFSET=([sound]=35 [alpha]=53 [colour]=70 [timetable]=98 [quiz_mode]=115
                        [next_quiz]=133 [alarm_editor]=150 [mute]=176 [hold]=193
                        [full_screen]=210 [hide]=236 [popups]=253 [start_with_windows]=270
                        [exit]=296)

# Opens the strip's menu and its "알림팝업 소리" submenu, takes the screenshot $1 of it open, and
# prints the submenu's probe line; fails when the submenu does not open (the item is disabled).
open_sound_menu() {
  local menu l t r b sub
  menu="$(open_menu)"
  read -r l t r b <<<"$(rect_of "$menu")"
  xdotool mousemove $((l + 40)) $((t + ${MENU_OFFSET[sound]})) sleep 0.2 click 1
  sleep 0.8
  e2e_shot "$1" >/dev/null
  sub="$(e2e_probe | grep '^window #32768 .* visible=1 ' | grep -v "${menu%% text=*}" | head -n 1)"
  [ -n "$sub" ] || fail "the sound submenu did not open: it is disabled"
  echo "$sub"
}

# Opens the strip's menu and chooses item $1 of MENU_OFFSET; with $2 and $3, opens that submenu
# and chooses its item $2 (0-based) of $3.
choose_menu() {
  local menu l t r b sub x y
  menu="$(open_menu)"
  read -r l t r b <<<"$(rect_of "$menu")"
  xdotool mousemove $((l + 40)) $((t + ${MENU_OFFSET[$1]}))
  if [ $# -eq 1 ]; then
    sleep 0.3
    xdotool click 1
    return 0
  fi
  sleep 0.2
  xdotool click 1  # opens the submenu at once
  for _ in $(seq 20); do
    sub="$(e2e_probe | grep '^window #32768 .* visible=1 ' | grep -v "${menu%% text=*}" | head -n 1)" || true
    [ -n "$sub" ] && break
    sleep 0.2
  done
  [ -n "$sub" ] || fail "submenu $1 did not open"
  read -r x y <<<"$(menu_item_at "$sub" "$2" "$3")"
  xdotool mousemove "$x" "$y" sleep 0.3
  e2e_shot "menu-$1-$2" >/dev/null
  xdotool click 1
}

# Writes the UTF-8 text $2 to the file $1 of the case's folder in code page 949, each line ended
# by CR LF.
write_cp949() {
  printf '%s\r\n' "$2" | iconv -f UTF-8 -t CP949 >"$E2E_WORK/$1"
}

# The probe line of the quiz label.
quiz_label() {
  e2e_look
  e2e_first_line '^child TavlinQuizLabel ' || true
}

# Fails unless the strip's client width is the quiz label's width + 40 (and at least 325).
expect_fitted_width() {
  local label window l t r b w h want
  label="$(quiz_label)"
  window="$(strip_window)"
  read -r l t r b <<<"$(rect_of "$label")"
  read -r w h <<<"$(client_of "$window")"
  want=$((r - l + 40))
  [ "$want" -ge 325 ] || want=325
  expect_eq "client width for a label $((r - l)) wide" "$w $h" "$want 50"
}

# Sends tavlin's notification-area icon the message the shell sends for event $1 (NIN_SELECT
# 0x400 for a left click, WM_CONTEXTMENU 0x7b for a right click) at screen X Y ($2 $3), in the
# layout of NOTIFYICON_VERSION_4: the event and the icon's id 1 in lParam, the point in wParam.
# Wine's notification area cannot be clicked on the virtual screen, so the case speaks for it.
icon_message() {
  e2e_probe --post TavlinNotifyIcon 0x801e $((($3 << 16) | $2)) $(((1 << 16) | $1)) |
    grep -q '^posted' || fail "no icon window took the message"
}

# Opens the icon's menu with a right click at X Y ($2 $3) and chooses item $1 of MENU_OFFSET.
choose_icon_menu() {
  local menu l t r b
  icon_message 0x7b "$2" "$3"
  menu="$(wait_for_menu)"
  read -r l t r b <<<"$(rect_of "$menu")"
  [ "$l $t" = "$2 $3" ] || fail "the icon's menu opened at $l $t, not at the pointer $2 $3"
  xdotool mousemove $((l + 40)) $((t + ${MENU_OFFSET[$1]})) sleep 0.3 click 1
}
