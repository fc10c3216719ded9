# Helpers for one end-to-end case: a virtual display, the real tavlin.exe under Wine in a folder of
# the case's own, the probe that reads tavlin's windows, screenshots and pixels.
# A case sources this file, then calls e2e_start ...; every helper fails the case on error.
# No pipefail: cases read the probe through `grep -q` and `head`, which leave the pipe early, and
# the writer's SIGPIPE must not count as a failure; what a pipe yields is checked instead.
set -eu

E2E_BUILD="${E2E_BUILD:?run cases through tests/e2e/run.sh}"
E2E_ARTIFACTS="${E2E_ARTIFACTS:?}"
export WINEPREFIX="${E2E_PREFIX:?}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export TZ="${TZ:-UTC}"
FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
E2E_WORK="$(mktemp -d)"
E2E_XVFB=""
E2E_PID=""
# Commands that put back the Wine settings a case changed, run when the case ends.
E2E_UNDO=()

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

e2e_cleanup() {
  local undo
  for undo in "${E2E_UNDO[@]}"; do eval "$undo" </dev/null >/dev/null 2>&1 || true; done
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$E2E_XVFB" ] && kill "$E2E_XVFB" >/dev/null 2>&1 || true
  rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

# Starts a virtual 1280 x 800 screen on a free display.
e2e_display() {
  local n
  for n in $(seq 40 99); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    # -noreset: without it the server resets (and forgets the desktop colour) when xsetroot,
    # its only client, disconnects.
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    E2E_XVFB=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
    # Another run may have taken the same display a moment earlier: then try the next one.
    kill -0 "$E2E_XVFB" 2>/dev/null || continue
    # A plain grey desktop, so that transparent pixels show something known.
    xsetroot -solid '#336699' 2>/dev/null || true
    return 0
  done
  fail "no free display"
}

# Puts files for the case beside tavlin.exe: e2e_file NAME CONTENT (CONTENT taken as printf %b).
e2e_file() {
  printf '%b' "$2" >"$E2E_WORK/$1"
}

# Starts tavlin.exe from the case's folder. Options: --at "YYYY-MM-DD HH:MM:SS" starts the clock
# there (it runs on from that moment); --clock-file FILE makes the clock the real one plus the
# offset in seconds that FILE holds ("+86400"), read again at every reading, so that a case moves
# the running clock by rewriting FILE (e2e_set_clock); --compositor runs xcompmgr so window alpha
# shows.
# Without --at the clock starts at 00:50:05, twelve quiet minutes inside one game hour and ahead
# of the next whole minute, so no hour-change blink or minute's quiz pick falls into a case by
# chance.
e2e_start() {
  local at="2026-12-07 00:50:05" compositor=0 clock_file=""
  while [ $# -gt 0 ]; do
    case "$1" in
      --at) at="$2"; shift 2 ;;
      --clock-file) clock_file="$2"; shift 2 ;;
      --compositor) compositor=1; shift ;;
      *) fail "e2e_start: unknown option $1" ;;
    esac
  done
  [ -n "${DISPLAY:-}" ] || e2e_display
  [ "$compositor" -eq 1 ] && { xcompmgr >/dev/null 2>&1 & }
  cp "$E2E_BUILD/tavlin.exe" "$E2E_WORK/"
  # The server starts unfaked (a faked one sees absurd tick counts), warmed by one program.
  wineserver -p30 </dev/null >/dev/null 2>&1 || true
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  (
    cd "$E2E_WORK"
    if [ -n "$clock_file" ]; then
      LD_PRELOAD="$FAKETIME_LIB" FAKETIME_TIMESTAMP_FILE="$clock_file" FAKETIME_NO_CACHE=1 \
        NO_FAKE_STAT=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
        exec wine tavlin.exe </dev/null >"$E2E_ARTIFACTS/tavlin-stdout.txt" 2>&1
    elif [ -n "$at" ]; then
      LD_PRELOAD="$FAKETIME_LIB" FAKETIME="@$at" NO_FAKE_STAT=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
        exec wine tavlin.exe </dev/null >"$E2E_ARTIFACTS/tavlin-stdout.txt" 2>&1
    else
      exec wine tavlin.exe </dev/null >"$E2E_ARTIFACTS/tavlin-stdout.txt" 2>&1
    fi
  ) &
  E2E_PID=$!
  e2e_wait_for TForm_study
}

# Writes the clock file of e2e_start --clock-file: $1 the file, $2 "YYYY-MM-DD HH:MM:SS", the
# moment the clock shows now (it runs on from there).
e2e_set_clock() {
  printf '%+d\n' $(($(date -d "$2" +%s) - $(date +%s))) >"$1.new"
  mv "$1.new" "$1"
}

# True while the wine process of tavlin.exe runs.
e2e_running() {
  kill -0 "$E2E_PID" 2>/dev/null
}

# Waits up to 10 s for the wine process of tavlin.exe to end; fails, saying it was still running
# after $1, when it did not.
e2e_expect_exit() {
  local _
  for _ in $(seq 50); do
    e2e_running || return 0
    sleep 0.2
  done
  fail "still running after $1"
}

# Prints tavlin's windows as the probe sees them (see probe_win32.cpp for the format).
e2e_probe() {
  wine "$E2E_BUILD/tavlin_probe.exe" "$@" </dev/null 2>/dev/null | tr -d '\r'
}

# Waits up to 20 s until a visible top-level window of the class $1 exists.
e2e_wait_for() {
  local _
  for _ in $(seq 100); do
    e2e_probe | grep -q "^window $1 .* visible=1 " && return 0
    sleep 0.2
  done
  e2e_probe >&2 || true
  fail "no visible window of class $1"
}

# The probe line of the child of class $1 whose window text matches the regex $2 (or any text).
e2e_child() {
  e2e_probe | grep "^child $1 " | grep -E -- "${2:-.}" | head -n 1
}

# Polls the probe every 0.1 s, at most $2 times, and prints the first line matching the regex $1;
# fails (returns 1) when none came.
e2e_await() {
  local _ line
  for _ in $(seq "$2"); do
    line="$(e2e_probe | grep -E -- "$1" | head -n 1)"
    [ -n "$line" ] && { echo "$line"; return 0; }
    sleep 0.1
  done
  return 1
}

# Saves a screenshot as $E2E_ARTIFACTS/$1.png and prints its path.
e2e_shot() {
  local file="$E2E_ARTIFACTS/$1.png"
  import -window root "$file"
  echo "$file"
}

# Prints "R,G,B" of the pixel at X Y of the image $1.
e2e_pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 |
    sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Fails unless "$2" equals "$3"; $1 says what was compared.
expect_eq() {
  [ "$2" = "$3" ] || fail "$1: expected '$3', got '$2'"
  echo "ok: $1 = '$3'"
}

# Starts another program of the build, $1 (e.g. tavlin_timetable_demo.exe), from the case's folder
# as e2e_start starts tavlin.exe, and waits until the probe sees a top-level window of class $2,
# shown or hidden.
# Then: --at "YYYY-MM-DD HH:MM:SS" as for e2e_start; anything after -- goes to the program.
e2e_start_program() {
  local program="$1" class="$2" at=""
  shift 2
  while [ $# -gt 0 ]; do
    case "$1" in
      --at) at="$2"; shift 2 ;;
      --) shift; break ;;
      *) fail "e2e_start_program: unknown option $1" ;;
    esac
  done
  [ -n "${DISPLAY:-}" ] || e2e_display
  cp "$E2E_BUILD/$program" "$E2E_WORK/"
  wineserver -p30 </dev/null >/dev/null 2>&1 || true
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  (
    cd "$E2E_WORK"
    if [ -n "$at" ]; then
      LD_PRELOAD="$FAKETIME_LIB" FAKETIME="@$at" NO_FAKE_STAT=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
        exec wine "$program" "$@" </dev/null >"$E2E_ARTIFACTS/program-stdout.txt" 2>&1
    else
      exec wine "$program" "$@" </dev/null >"$E2E_ARTIFACTS/program-stdout.txt" 2>&1
    fi
  ) &
  E2E_PID=$!
  local _
  for _ in $(seq 100); do
    e2e_probe | grep -q "^window $class " && return 0
    sleep 0.2
  done
  fail "no window of class $class"
}

# The probe's line of the top-level window of class $1, then the lines of all its children.
e2e_window() {
  e2e_probe | awk -v cls="$1" '/^window /{inside = ($2 == cls)} /^foreground /{inside = 0} inside'
}

# Waits up to 20 s until the top-level window of class $1 is shown (visible=$2, default 1).
e2e_wait_shown() {
  local _
  for _ in $(seq 50); do
    e2e_probe | grep -q "^window $1 .* visible=${2:-1} " && return 0
    sleep 0.2
  done
  e2e_probe >&2 || true
  fail "no window of class $1 with visible=${2:-1}"
}

# Makes Wine draw window frames and captions itself (there is no window manager on the virtual
# screen), until the case ends. Call it before starting the program.
e2e_wine_draws_frames() {
  # Wine's first program of the session starts its desktop on this display.
  [ -n "${DISPLAY:-}" ] || e2e_display
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  E2E_UNDO+=("wine reg delete 'HKCU\\Software\\Wine\\X11 Driver' /v Managed /f")
}

# Shows the case's programs at $1 dots per inch (Windows' display scaling: 144 is 150 %), until
# the case ends. Call it before starting a program.
e2e_dpi() {
  [ -n "${DISPLAY:-}" ] || e2e_display
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    </dev/null >/dev/null 2>&1
  E2E_UNDO+=("wine reg delete 'HKCU\\Control Panel\\Desktop' /v LogPixels /f")
}

# Sends WM_DPICHANGED for $2 DPI (from $3, default the session's) to the visible windows of
# class $1 (see send_dpi_change_win32.cpp); Wine never sends it by itself. With $2 --display or
# --workarea, moves them to X Y ($3 $4) and sends that display change instead.
e2e_send_dpi_change() {
  wine "$E2E_BUILD/tavlin_send_dpi_change.exe" "$@" </dev/null 2>/dev/null | tr -d '\r' |
    grep -q '^sent [1-9]' || fail "no window of class $1 took the change"
}

# Fails unless the text in the W x H area at X,Y of image $1 keeps at least $6 pixels away from
# every edge of the area; $7 says what is checked. Text is what differs in brightness from the
# area's background (dark on light or light on dark).
expect_text_inside() {
  local image="$1" x="$2" y="$3" w="$4" h="$5" margin="$6" what="$7" box bw bh bx by
  box="$(convert "$image" -crop "${w}x${h}+${x}+${y}" +repage -colorspace Gray -threshold 50% \
    -trim -format '%w %h %X %Y' info:)"
  read -r bw bh bx by <<<"${box//+/}"
  [ "$bw" -lt "$w" ] || fail "$what: nothing drawn inside the area"
  if [ "$bx" -lt "$margin" ] || [ "$by" -lt "$margin" ] || [ $((bx + bw)) -gt $((w - margin)) ] ||
    [ $((by + bh)) -gt $((h - margin)) ]; then
    fail "$what: text at ${bw}x${bh}+$bx+$by reaches the edge of the ${w}x${h} area"
  fi
  echo "ok: $what: text ${bw}x${bh}+$bx+$by inside ${w}x${h}"
}
