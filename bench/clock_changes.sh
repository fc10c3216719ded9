#!/usr/bin/env bash
# Clock changes under a running tavlin.exe: the real program under Wine and Xvfb, on a faked clock
# that the script moves while tavlin runs, as players' machines do over weeks (a clock set back an
# hour, a day skipped, a clock set back across midnight, a sleep). For each change it prints how
# long the strip took to show the new clock's time, the popups that rose (by title, with the real
# and game hour the strip showed when they were first seen) and whether an alarm fired twice in
# one hour of its clock.
#
# The clock: tavlin.exe and the watcher run under libfaketime with FAKETIME_TIMESTAMP_FILE and
# FAKETIME_NO_CACHE=1, so every clock reading reads the file again. The file holds an offset in
# seconds from the real clock ("-3600"), which the script rewrites for a change; both processes
# read the same offset, so they agree on the time. (An "@YYYY-MM-DD hh:mm:ss" start in the file
# made the clock stand still at it when tried with date(1): offsets are what moves a running
# clock.) Monotonic clocks stay real (FAKETIME_DONT_FAKE_MONOTONIC=1): Windows timers
# run on them. The wineserver runs unfaked.
#
# The changes, each half a second into a fake second chosen away from the ten-second alarm checks
# (TZ=UTC):
#   start                Mon 2026-12-07 14:29:25
#   back one hour        14:30:05 -> 13:30:05
#   forward one day      Mon 13:30:45 -> Tue 13:30:45
#   to midnight (setup)  Tue 13:31:25 -> Wed 00:00:15
#   back across midnight Wed 00:00:55 -> Tue 23:58:55
#   to 00:58 (setup)     Wed 00:00:45 -> Wed 00:58:45
#   pause                SIGSTOP of tavlin's Wine process at 00:59:05 for 120 s, SIGCONT at 01:01:05
# The alarm list (beside tavlin.exe) makes each change observable: real-clock alarms due all day,
# in the afternoon hours moved across, across midnight, on Tuesdays only, and in 00:58-00:59 (a
# popup open while the process sleeps), and a game-clock alarm due all day.
#
# Measured:
#   lag      from the change (the file rewritten, or SIGCONT) to the moment tavlin_tick_watch.exe,
#            reading the strip's real-time text every 2 ms on the same faked clock, first saw a
#            text of the new clock; "into" is how far into its second that text appeared;
#   popups   TfrmPopUp windows seen by tavlin_probe every ~0.5 s (not while tavlin is stopped);
#   twice    the same title seen rising twice while its clock's hour (as the strip showed it)
#            stayed the same, on the same day.
# Screenshots 1.5 s after SIGCONT and at the end, and the raw logs, stay in DIR/clock-changes/.
# A benchmark, not a test: it prints figures and fails only when it cannot measure.
#
# Usage: bench/clock_changes.sh [--build DIR]   (default build/windows, with tavlin_probe.exe and
#        tavlin_tick_watch.exe built beside tavlin.exe)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build="build/windows"
while [ $# -gt 0 ]; do
  case "$1" in
    --build) build="$2"; shift 2 ;;
    *) echo "usage: $0 [--build DIR]" >&2; exit 2 ;;
  esac
done
build="$(realpath "$build")"
for exe in tavlin.exe tavlin_probe.exe tavlin_tick_watch.exe; do
  [ -f "$build/$exe" ] || { echo "no $build/$exe: build the Windows build first" >&2; exit 1; }
done

export TZ=UTC E2E_BUILD="$build" E2E_ARTIFACTS="$build/clock-changes" E2E_PREFIX="$build/bench-prefix"
rm -rf "$E2E_ARTIFACTS"
mkdir -p "$E2E_ARTIFACTS"
scripts/wine-prefix.sh "$E2E_PREFIX" >/dev/null
source tests/e2e/lib.sh
set +o pipefail  # as lib.sh says: the probe is read through grep and head
art="$E2E_ARTIFACTS"
events="$art/events.txt" polls="$art/polls.txt" watch="$art/watch.txt"
: >"$events"
: >"$polls"

printf '%s\r\n' '번호|종류|시작|끝|요일|제목|내용' \
  '1|7|00:00|23:59|0|종일|매시 한 번' \
  '2|7|13:00|14:59|0|오후|13시와 14시' \
  '3|7|23:00|00:59|0|자정 넘김|23:01~00:58' \
  '4|7|00:00|23:59|2|화요일|화요일만' \
  '5|7|00:58|00:59|0|잠들기 전|00:58~00:59' \
  '6|5|00:00|23:59|0|게임 종일|게임 시간 매시' | iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.gogo"
game_titles="게임 종일"

# The faked clock: fake = real + offset seconds.
stamp="$E2E_WORK/faketime"
offset=0
set_offset() {
  offset="$1"
  printf '%+d\n' "$offset" >"$stamp.new"
  mv "$stamp.new" "$stamp"
}
real_ms() { date +%s%3N; }
epoch() { date -d "$1" +%s; }
# Sleeps until the fake clock reaches "$1" (a date) and $2 milliseconds.
sleep_until() {
  local wait_ms=$(($(epoch "$1") * 1000 + ${2:-0} - $(real_ms) - offset * 1000))
  [ "$wait_ms" -gt 0 ] && sleep "$((wait_ms / 1000)).$(printf '%03d' $((wait_ms % 1000)))"
  return 0
}
# Notes an event in the events file: kind|name|real ms|offset before|offset after|fake from|fake to.
note() {
  local ms from to
  ms="$(real_ms)"
  from="$(date -d "@$((ms / 1000 + $3))" '+%a %T')"
  to="$(date -d "@$((ms / 1000 + offset))" '+%a %T')"
  echo "$1|$2|$ms|$3|$offset|$from|$to" >>"$events"
}
# A change of the clock: its name and the new offset.
change() {
  local before="$offset"
  set_offset "$2"
  note change "$1" "$before"
}
# At "$1" on the fake clock, half a second into it (the tick runs just after each second begins,
# so the strip should show the new clock about half a second later), the change "$2" moves the
# clock by $3 seconds.
change_at() {
  sleep_until "$1" 500
  change "$2" $((offset + $3))
}
faked() {
  LD_PRELOAD="$FAKETIME_LIB" FAKETIME_TIMESTAMP_FILE="$stamp" FAKETIME_NO_CACHE=1 NO_FAKE_STAT=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1 "$@"
}

# The poller: what the probe sees, one "poll MS REAL GAME" line and a "popup HWND TITLE" line per
# popup. It stops polling while the file "paused" exists (the probe would wait for the stopped
# process) and says so with the file "idle".
poll_loop() {
  local out
  while [ ! -e "$art/stop" ]; do
    if [ -e "$art/paused" ]; then
      touch "$art/idle"
      sleep 0.1
      continue
    fi
    out="$(e2e_probe)"
    awk -v ms="$(real_ms)" '
      function text(line) { sub(/.* text="/, "", line); sub(/" .*/, "", line); return line }
      /^child TavlinRoundedPanel .*text="[0-9][0-9]:[0-9][0-9]:[0-9][0-9]"/ && real == "" { real = text($0) }
      /^child TavlinGameTimePane / { game = text($0) }
      /^window TfrmPopUp / { split($3, h, "="); popups = popups "popup " h[2] " " text($0) "\n" }
      END { if (real != "") printf "poll %s %s %s\n%s", ms, real, game, popups }' <<<"$out" >>"$polls"
    sleep 0.4
  done
}

e2e_display
cp "$build/tavlin.exe" "$E2E_WORK/"
wineserver -p30 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
start="2026-12-07 14:29:25"
set_offset $(($(epoch "$start") - $(date +%s)))
note change start "$offset"
(cd "$E2E_WORK" && faked exec wine tavlin.exe </dev/null >"$art/tavlin-stdout.txt" 2>&1) &
E2E_PID=$!
e2e_wait_for TForm_study
[ "$(cat "/proc/$E2E_PID/comm")" = tavlin.exe ] || fail "process $E2E_PID is not tavlin.exe"
echo "clock changes: tavlin.exe as process $E2E_PID on $DISPLAY, load $(cut -d' ' -f1-3 /proc/loadavg)"
# The watcher ends by itself a little after the last change's 40 s (the fake timeline below runs
# 450 s from the start, the pause included).
watch_seconds=$((450 + 3 - ($(real_ms) - $(awk -F'|' '{ print $3; exit }' "$events")) / 1000))
(faked exec wine "$build/tavlin_tick_watch.exe" "$watch_seconds" </dev/null >"$watch" 2>/dev/null) &
watcher=$!
poll_loop &
poller=$!

change_at "2026-12-07 14:30:05" "back one hour" -3600
change_at "2026-12-07 13:30:45" "forward one day" 86400
change_at "2026-12-08 13:31:25" "to midnight (setup)" \
  $(($(epoch "2026-12-09 00:00:15") - $(epoch "2026-12-08 13:31:25")))
change_at "2026-12-09 00:00:55" "back across midnight" -120
change_at "2026-12-09 00:00:45" "to 00:58 (setup)" \
  $(($(epoch "2026-12-09 00:58:45") - $(epoch "2026-12-09 00:00:45")))
sleep_until "2026-12-09 00:59:05" 500
touch "$art/paused"
while [ ! -e "$art/idle" ]; do sleep 0.05; done
kill -STOP "$E2E_PID"
note stop pause "$offset"
sleep 120
kill -CONT "$E2E_PID"
note change "pause of 120 s" "$offset"
rm -f "$art/paused" "$art/idle"
sleep 1.5
e2e_shot after-pause >/dev/null
sleep_until "2026-12-09 01:01:45"
note end end "$offset"
e2e_shot end >/dev/null
touch "$art/stop"
wait "$poller"
# The watcher's lines are written as they come; should it hang (it did, in a Sleep across a clock
# set back, before it waited on the monotonic clock), it gets 15 s to end and is then stopped.
for _ in $(seq 150); do
  kill -0 "$watcher" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$watcher" 2>/dev/null; then
  echo "the watcher did not end by itself; stopped"
  kill "$watcher"
fi
wait "$watcher" || true
e2e_running || fail "tavlin ended"

# The figures. Each poll and each popup belongs to the latest change before the poll.
awk -F'|' -v game_titles="$game_titles" '
  BEGIN { day = 86400000; n = 0 }
  FILENAME == ARGV[1] {
    if ($1 == "change") { n++; name[n] = $2; at[n] = $3; after[n] = $5; from[n] = $6; to[n] = $7 }
    if ($1 == "end") end_ms = $3
    next
  }
  FILENAME == ARGV[2] {
    sub(/\r$/, "")
    split($0, w, " ")
    if (w[1] != "change") next
    split(w[2], t, ":")
    second_ms[++lines] = (t[1] * 3600 + t[2] * 60 + t[3]) * 1000
    seen_ms[lines] = (second_ms[lines] + w[3]) % day
    into[lines] = w[3]
    shown[lines] = w[2]
    next
  }
  {
    split($0, p, " ")
    if (p[1] == "poll") {
      # The popups open at the last look before a change and at the first look after it.
      if (pending) { open_after[pending] = open_now; pending = 0 }
      previous = phase
      while (phase < n && at[phase + 1] <= p[2]) {
        phase++
        # A change to another day starts another hour of both clocks, though the strip may show
        # the same hour as before it (a real day is six game days).
        if (substr(from[phase], 1, 3) != substr(to[phase], 1, 3)) { real_stretch++; game_stretch++ }
      }
      if (phase != previous) { open_before[phase] = open_now; pending = phase }
      open_now = ""
      p_real = p[3]; p_game = p[4]
      real_hour = substr(p_real, 1, 2); game_hour = substr(p_game, 1, 2)
      if (real_hour != last_real) { real_stretch++; last_real = real_hour }
      if (game_hour != last_game) { game_stretch++; last_game = game_hour }
      poll_ms = p[2]
      next
    }
    if (p[1] != "popup") next
    title = $0; sub(/^popup [^ ]+ /, "", title); sub(/ $/, "", title)
    open_now = open_now (open_now == "" ? "" : ", ") title
    if (p[2] in known) next
    known[p[2]] = 1
    game = index("|" game_titles "|", "|" title "|") > 0
    hour = game ? "game " game_hour : "real " real_hour
    popups[phase] = popups[phase] (popups[phase] == "" ? "" : ", ") title " (" hour ", seen " \
      (game ? "at game " p_game : "at " p_real) ")"
    count[phase]++
    key = title SUBSEP (game ? "g" game_stretch : "r" real_stretch)
    if (key in fired) { twice[phase] = twice[phase] " " title " (" hour ")"; doubles++ }
    fired[key] = 1
    if (title in last_seen && poll_ms - last_seen[title] < 5000) burst[phase] = burst[phase] " " title
    last_seen[title] = poll_ms
  }
  END {
    if (pending) open_after[pending] = open_now
    j = 0
    for (i = 1; i <= n; i++) {
      printf "%s: %s -> %s\n", name[i], from[i], to[i]
      if (i > 1) {
        c = (at[i] + after[i] * 1000) % day
        # The first text of the new clock: its second began at most a second before the change
        # (a text of the old clock seen late is passed over).
        for (found = 0; j < lines && !found; ) {
          j++
          d = (seen_ms[j] - c + day) % day
          if (d < 30000 && (second_ms[j] - c + 1000 + day) % day < 31000) found = 1
        }
        if (found) {
          # The ten texts after it, each one second on from the one before.
          for (k = j + 1; k <= j + 10 && k <= lines; k++)
            in_step += (second_ms[k] - second_ms[k - 1] + day) % day == 1000
          printf "  strip: showed %s %d ms after the change, %d ms into that second;" \
            " %d of the next %d texts one second on\n", shown[j], d, into[j], in_step, k - j - 1
          in_step = 0
        } else {
          printf "  strip: %s\n", lines ? "never showed the new time" : "no figures, the watcher saw nothing"
        }
      }
      if (i > 1)
        printf "  open at the last look before: %s; at the first look after: %s\n",
          open_before[i] == "" ? "none" : open_before[i], open_after[i] == "" ? "none" : open_after[i]
      printf "  popups that rose: %d%s%s\n", count[i], count[i] ? ": " : "", popups[i]
      printf "  fired twice in one hour of its clock: %s\n", twice[i] == "" ? "no" : "YES:" twice[i]
      if (burst[i] != "") printf "  burst (one title twice within 5 s):%s\n", burst[i]
    }
    printf "alarms fired twice in one hour of their clock: %d\n", doubles
  }' "$events" "$watch" "$polls" | tee "$art/figures.txt"
echo "watcher: $(grep -c '^change ' "$watch" || true) new texts read"
echo "artifacts: $art"
