# Helpers for one end-to-end case: a virtual display, the real tavlin.exe under Wine in a folder of
# the case's own, the probe that reads tavlin's windows, screenshots and pixels.
# A case sources this file, then calls e2e_start ...; every helper fails the case on error.
# No pipefail: cases read the probe through `grep -q` and `head`, which leave the pipe early, and
# the writer's SIGPIPE must not count as a failure; what a pipe yields is checked instead.
set -eu

E2E_BUILD="${E2E_BUILD:?run cases through tests/e2e/run.sh}"
E2E_ARTIFACTS="${E2E_ARTIFACTS:?}"
export WINEPREFIX="${E2E_PREFIX:?}"
source "$(dirname "${BASH_SOURCE[0]}")/lane.bash"
export TZ="${TZ:-UTC}"
FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
E2E_WORK="$(mktemp -d)"
# The helpers' own files (the probe's pipes, a movable clock), kept out of tavlin's folder.
E2E_HELPER_FILES="$(mktemp -d)"
E2E_XVFB=""
E2E_PID=""
E2E_MOVABLE_CLOCK=0
# The working folder tavlin starts in when not the case's folder (e2e_start --working-folder).
E2E_WORKING_FOLDER=""
# The probe that stays running and answers e2e_probe (see e2e_probe_serve): its process and the
# shell's ends of its request and answer pipes.
E2E_PROBE_PID=""
E2E_PROBE_IN=""
E2E_PROBE_OUT=""
E2E_PROBE_ANSWER=""
# The last answer e2e_look took, and the pipe e2e_nap waits on.
E2E_ANSWER=""
E2E_NAP=""
# Commands that put back the Wine settings a case changed, run when the case ends.
E2E_UNDO=()
# Set when the case runs in a Wine session of its own (see e2e_own_session).
E2E_OWN_SESSION=0
# Every process the case starts, Wine's included, carries this mark in its environment, so that
# the case's end finds them all in a lane's session that outlives it. run.sh names the case by
# E2E_CASE_ID, so that it can end them too when the case was killed; the mark has a name of its
# own, so that run.sh and the case's shell, which hold E2E_CASE_ID, never carry it.
export E2E_CASE_MARK="${E2E_CASE_ID:-case-$$-$RANDOM}"

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

e2e_cleanup() {
  local undo
  for undo in "${E2E_UNDO[@]}"; do eval "$undo" </dev/null >/dev/null 2>&1 || true; done
  e2e_probe_stop
  # A lane's Wine session serves its next case; a session of the case's own ends with it.
  if [ -n "${E2E_LANE_DISPLAY:-}" ] && [ "$E2E_OWN_SESSION" -eq 0 ]; then
    e2e_end_marked_processes "$E2E_CASE_MARK"
  else
    wineserver -k >/dev/null 2>&1 || true
  fi
  [ -n "$E2E_XVFB" ] && kill "$E2E_XVFB" >/dev/null 2>&1 || true
  rm -rf "$E2E_WORK" "$E2E_HELPER_FILES"
}
trap e2e_cleanup EXIT

# Gives the case a virtual 1280 x 800 screen: the screen of its lane when run.sh runs it
# (E2E_LANE_DISPLAY, with the pointer back in the middle, where a new screen has it), otherwise a
# new one on a free display (from E2E_DISPLAY_FIRST on, 40 unless set).
e2e_display() {
  if [ -n "${E2E_LANE_DISPLAY:-}" ]; then
    export DISPLAY="$E2E_LANE_DISPLAY"
    xdotool mousemove 640 400 || fail "the lane's screen $DISPLAY does not answer"
    return 0
  fi
  e2e_virtual_screen "${E2E_DISPLAY_FIRST:-40}" || fail "no free display"
}

# Gives the case a Wine session of its own, which ends with it: for Wine settings that a program
# of the session may read once for the whole session, and for a screen other than the lane's.
# Call it before starting a program.
e2e_own_session() {
  [ "$E2E_OWN_SESSION" -eq 1 ] && return 0
  E2E_OWN_SESSION=1
  e2e_probe_stop
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}

# Makes the case's screen two monitors side by side, as Windows sees them: a 1280 x 800 primary
# one and a 1024 x 768 one at its right (1280,0). Xvfb cannot place two screens apart, so a nested
# server shows them on the virtual display, and without its RandR Wine takes its Xinerama heads for
# monitors. Call it before starting a program; it ends with the case.
e2e_two_monitors() {
  [ -n "${DISPLAY:-}" ] || e2e_display
  e2e_own_session
  local n host="$DISPLAY" nested
  for n in $(seq "$((${DISPLAY#:} + 1))" 99); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    DISPLAY="$host" Xephyr ":$n" -screen 1280x800+0+0 -screen 1024x768+1280+0 +xinerama \
      -extension RANDR -nolisten tcp -noreset >/dev/null 2>&1 &
    nested=$!
    e2e_server_took_display "$n" "$nested" || continue
    E2E_UNDO+=("kill $nested")
    export DISPLAY=":$n"
    DISPLAY=":$n" xsetroot -solid '#336699' 2>/dev/null || true
    return 0
  done
  fail "no free display for two monitors"
}

# Puts files for the case beside tavlin.exe: e2e_file NAME CONTENT (CONTENT taken as printf %b).
e2e_file() {
  printf '%b' "$2" >"$E2E_WORK/$1"
}

# Copies the program $1 of the build into the case's folder and starts it there under Wine, on
# the case's display, its output in $E2E_ARTIFACTS/$2; with a moment $3 ("YYYY-MM-DD HH:MM:SS")
# its clock starts there and runs on. The rest goes to the program. Sets E2E_PID.
e2e_launch() {
  local program="$1" output="$2" at="$3"
  shift 3
  [ -n "${DISPLAY:-}" ] || e2e_display
  cp "$E2E_BUILD/$program" "$E2E_WORK/"
  # The server starts unfaked (a faked one sees absurd tick counts), and so does the session's
  # first program, the probe (or, in a lane, the lane's own probe): before the program, not beside
  # it, so that the program's start-up has the machine to itself. It runs with the same Wine
  # settings (DPI, say), set before this. A lane's server is already running and stays.
  wineserver -p30 </dev/null >/dev/null 2>&1 || true
  e2e_probe_serve
  local run="$program"
  [ -n "$E2E_WORKING_FOLDER" ] && run="$E2E_WORK/$program"
  (
    cd "${E2E_WORKING_FOLDER:-$E2E_WORK}"
    e2e_probe_close_pipes
    if [ -n "$at" ]; then
      export LD_PRELOAD="$FAKETIME_LIB" NO_FAKE_STAT=1 FAKETIME_DONT_FAKE_MONOTONIC=1
      if [ "${E2E_MOVABLE_CLOCK:-0}" -eq 1 ]; then
        # The clock's distance from the real one comes from a file that e2e_move_clock rewrites;
        # the program reads it again at most a second after.
        e2e_move_clock "$at"
        export FAKETIME_TIMESTAMP_FILE="$E2E_HELPER_FILES/clock" FAKETIME_CACHE_DURATION=1
      else
        export FAKETIME="@$at"
      fi
    fi
    exec wine "$run" "$@" </dev/null >"$E2E_ARTIFACTS/$output" 2>&1
  ) &
  E2E_PID=$!
}

# Starts tavlin.exe from the case's folder. Options: --at "YYYY-MM-DD HH:MM:SS" starts the clock
# there (it runs on from that moment); --movable-clock lets e2e_move_clock move that clock later;
# --compositor runs xcompmgr so window alpha shows; --working-folder DIR starts it in DIR, its
# files staying beside tavlin.exe in the case's folder.
# Without --at the clock starts at 00:50:05, twelve quiet minutes inside one game hour and ahead
# of the next whole minute, so no hour-change blink or minute's quiz pick falls into a case by
# chance.
e2e_start() {
  local at="2026-12-07 00:50:05" compositor=0
  E2E_MOVABLE_CLOCK=0
  while [ $# -gt 0 ]; do
    case "$1" in
      --at) at="$2"; shift 2 ;;
      --compositor) compositor=1; shift ;;
      --movable-clock) E2E_MOVABLE_CLOCK=1; shift ;;
      --working-folder) E2E_WORKING_FOLDER="$2"; shift 2 ;;
      *) fail "e2e_start: unknown option $1" ;;
    esac
  done
  [ -n "${DISPLAY:-}" ] || e2e_display
  [ "$compositor" -eq 1 ] && { xcompmgr >/dev/null 2>&1 & }
  e2e_launch tavlin.exe tavlin-stdout.txt "$at"
  e2e_wait_for TForm_study
}

# Moves the clock of tavlin started with --movable-clock to "YYYY-MM-DD HH:MM:SS" (whole seconds
# from the real clock, so the tick keeps its place within the second); tavlin reads it within a
# second. The clock runs on from there.
e2e_move_clock() {
  local offset=$(($(date -d "$1" +%s) - $(date +%s)))
  [ "$offset" -lt 0 ] || offset="+$offset"
  echo "$offset" >"$E2E_HELPER_FILES/clock.new"
  mv "$E2E_HELPER_FILES/clock.new" "$E2E_HELPER_FILES/clock"
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

# Prints tavlin's windows as the probe sees them (see probe_win32.cpp for the format); with the
# probe's options (--resources, --drop-topmost CLASS, --hold FILE SECONDS), what that call prints.
# The probe started with the program answers, when it runs; otherwise a new probe does.
e2e_probe() {
  if [ "${1:-}" != --hold ] && e2e_probe_ask "$@"; then
    printf '%s' "$E2E_ANSWER"
    return 0
  fi
  wine "$E2E_BUILD/tavlin_probe.exe" "$@" </dev/null 2>/dev/null | tr -d '\r'
}

# Sets E2E_ANSWER to what e2e_probe prints, in this shell: the waits below look up to ten times a
# second, and a pipe into grep starts two processes a look.
e2e_look() {
  e2e_probe_ask "$@" || E2E_ANSWER="$(e2e_probe "$@")"
}

# Polls the probe at most $2 times, $3 seconds apart, and prints the first line matching the
# extended regex $1; fails (returns 1) when none came. A wait for a top-level window's line asks
# the probe for those lines only.
e2e_poll() {
  local _ only=()
  [[ $1 == "^window "* || $1 == "^foreground "* ]] && only=(--top-level)
  for _ in $(seq "$2"); do
    e2e_look "${only[@]}"
    e2e_first_line "$1" && return 0
    e2e_nap "$3"
  done
  return 1
}

# Sleeps $1 seconds without starting a program: a read that no one ever answers.
e2e_nap() {
  if [ -z "$E2E_NAP" ]; then
    mkfifo "$E2E_HELPER_FILES/nap"
    exec {E2E_NAP}<>"$E2E_HELPER_FILES/nap"
  fi
  read -r -t "$1" -u "$E2E_NAP" _ || true
}

# Starts the probe that stays running and answers e2e_probe (tavlin_probe --serve), in place of
# one started before. It writes its answers to a file and says on a pipe when one is complete; the
# shell holds both ends of the request pipe and of that pipe open, so that neither side waits for
# the other to open them. Its files live in the helpers' folder.
e2e_probe_serve() {
  e2e_probe_stop
  local pipe="$E2E_HELPER_FILES/probe-$RANDOM"
  mkfifo "$pipe.in" "$pipe.done"
  : >"$pipe.answer"
  E2E_PROBE_ANSWER="$pipe.answer"
  rm -f "$E2E_HELPER_FILES/probe.gone"
  # Appending, the probe writes each answer from the start of the file the shell has emptied.
  wine "$E2E_BUILD/tavlin_probe.exe" --serve <"$pipe.in" >>"$pipe.answer" 2>"$pipe.done" &
  E2E_PROBE_PID=$!
  exec {E2E_PROBE_IN}<>"$pipe.in" {E2E_PROBE_OUT}<>"$pipe.done"
  # Its first answer says it has started (Wine may start a program slowly on a busy machine).
  E2E_PROBE_WAIT=60 e2e_probe_ask >/dev/null || true
}

# Closes the shell's ends of the serving probe's pipes (the probe then ends at the end of its
# input); programs started from the shell take them with them otherwise.
e2e_probe_close_pipes() {
  [ -n "$E2E_PROBE_IN" ] && exec {E2E_PROBE_IN}>&-
  [ -n "$E2E_PROBE_OUT" ] && exec {E2E_PROBE_OUT}<&-
  E2E_PROBE_IN=""
  E2E_PROBE_OUT=""
}

e2e_probe_stop() {
  e2e_probe_close_pipes
  [ -z "$E2E_PROBE_PID" ] || kill "$E2E_PROBE_PID" >/dev/null 2>&1 || true
  E2E_PROBE_PID=""
  return 0
}

# Asks the serving probe for the call with the arguments "$@" and sets E2E_ANSWER to its answer;
# fails when no probe serves or it did not answer within E2E_PROBE_WAIT seconds (10 unless set;
# it is then not asked again).
# Cases look many times a second while they wait, so this starts no program: on the tests' two
# cores each one counts. The shell reads a pipe a byte at a time but a file in blocks, hence the
# answer in a file.
e2e_probe_ask() {
  E2E_ANSWER=""
  [ -n "$E2E_PROBE_PID" ] && [ ! -e "$E2E_HELPER_FILES/probe.gone" ] || return 1
  kill -0 "$E2E_PROBE_PID" 2>/dev/null || return 1
  local lock request line answer="" IFS=$'\t'
  request="$*"
  # Questions from shells running side by side take turns.
  exec {lock}>>"$E2E_HELPER_FILES/probe.lock"
  flock "$lock"
  : >"$E2E_PROBE_ANSWER"
  printf '%s\n' "$request" >&"$E2E_PROBE_IN"
  # The shell holds the pipe open for writing too, so a silent probe is a time-out, never the end
  # of the pipe. Lines other than the word (Wine's own complaints) are passed over.
  while IFS= read -r -t "${E2E_PROBE_WAIT:-10}" -u "$E2E_PROBE_OUT" line; do
    [ "${line%$'\r'}" = end-of-answer ] || continue
    IFS= read -r -d '' answer <"$E2E_PROBE_ANSWER" || true
    exec {lock}>&-
    E2E_ANSWER="${answer//$'\r'/}"
    return 0
  done
  : >"$E2E_HELPER_FILES/probe.gone"
  exec {lock}>&-
  return 1
}

# Waits up to 20 s until a visible top-level window of the class $1 exists.
e2e_wait_for() {
  e2e_poll "^window $1 .* visible=1 " 100 0.2 >/dev/null && return 0
  e2e_probe >&2 || true
  fail "no visible window of class $1"
}

# The probe line of the child of class $1 whose window text matches the regex $2 (or any text).
e2e_child() {
  e2e_look
  e2e_first_line "^child $1 " "${2:-.}" || true
}

# Prints the first line of E2E_ANSWER that matches both extended regexes $1 and $2 (any line for
# a missing one); fails when none does. The shell's own matching: no program started.
e2e_first_line() {
  local line rest="$E2E_ANSWER"
  while [ -n "$rest" ]; do
    line="${rest%%$'\n'*}"
    rest="${rest#"$line"}"
    rest="${rest#$'\n'}"
    [[ $line =~ $1 && $line =~ ${2:-.} ]] && { echo "$line"; return 0; }
  done
  return 1
}

# Polls the probe every 0.1 s, at most $2 times, and prints the first line matching the regex $1;
# fails (returns 1) when none came.
e2e_await() {
  e2e_poll "$1" "$2" 0.1
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
  e2e_launch "$program" program-stdout.txt "$at" "$@"
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
  e2e_poll "^window $1 .* visible=${2:-1} " 50 0.2 >/dev/null && return 0
  e2e_probe >&2 || true
  fail "no window of class $1 with visible=${2:-1}"
}

# Makes Wine draw window frames and captions itself (there is no window manager on the virtual
# screen), until the case ends. Call it before starting the program.
e2e_wine_draws_frames() {
  # Wine's first program of the session starts its desktop on this display.
  [ -n "${DISPLAY:-}" ] || e2e_display
  e2e_own_session
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  E2E_UNDO+=("wine reg delete 'HKCU\\Software\\Wine\\X11 Driver' /v Managed /f")
}

# Shows the case's programs at $1 dots per inch (Windows' display scaling: 144 is 150 %), until
# the case ends. Call it before starting a program.
e2e_dpi() {
  [ -n "${DISPLAY:-}" ] || e2e_display
  e2e_own_session
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
