#!/usr/bin/env bash
# Soak run: the real tavlin.exe under Wine and Xvfb opens and closes alarm popups in rounds, as a
# player would make it do, until at least --popups popups (200) have opened and closed and at least
# --minutes minutes (10) have passed. It samples tavlin's resources before, during and after, and
# prints them as a table, then checks that the strip's clock still shows the wall-clock time.
#
# A round: the script writes tavlin.gogo (beside tavlin.exe, in code page 949) with --per-round
# real-time alarms (7) due in the current minute, chooses "알림팝업 소리" > "알림체크" in the strip's
# menu with xdotool (tavlin reads the list again and fires every due alarm), waits until all of the
# round's popups are open with their titles, and then lets them slide away by themselves (odd rounds)
# or clicks each one closed (even rounds), and waits until none is left.
#
# What is measured (of the Wine process that runs tavlin.exe, found as the process the script
# started, whose /proc/PID/comm is tavlin.exe):
#   RSS      VmRSS from /proc/PID/status, in kB;
#   GDI      live entries of the process's GDI handle table, stock objects apart (tavlin_probe
#            --resources; GetGuiResources is not implemented by Wine and returns 0);
#   windows  the process's windows, top-level and children, shown or hidden: the USER objects a
#            popup creates (Wine cannot count the others from outside);
#   handles  the process's kernel handle count from the system's process list.
# Not part of the test command; it takes as long as it runs. Usage:
#   bench/soak.sh [--minutes N] [--popups N] [--per-round N]
set -euo pipefail

minutes=10
min_popups=200
per_round=7  # seven popups fit above each other on the 1280 x 800 screen
while [ $# -gt 0 ]; do
  case "$1" in
    --minutes) minutes="$2"; shift 2 ;;
    --popups) min_popups="$2"; shift 2 ;;
    --per-round) per_round="$2"; shift 2 ;;
    *) echo "usage: $0 [--minutes N] [--popups N] [--per-round N]" >&2; exit 2 ;;
  esac
done

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
scripts/install-packages.sh
build="$root/build/soak"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build "$build" --target tavlin tavlin_probe >/dev/null

export E2E_BUILD="$build" E2E_ARTIFACTS="$build/soak-artifacts" E2E_PREFIX="$build/soak-prefix"
rm -rf "$E2E_ARTIFACTS"
mkdir -p "$E2E_ARTIFACTS"
scripts/wine-prefix.sh "$E2E_PREFIX"
source tests/e2e/lib.sh
source tests/e2e/cases/strip_lib.bash
set +o pipefail  # as lib.sh says: the probe is read through grep -q and head

samples="$E2E_ARTIFACTS/samples.csv"
echo "moment,popups,open,rss_kb,gdi,windows,handles" >"$samples"

# Writes the alarm list: $1 alarms titled "점검 R-k" for round $2, due from $3 to $4 (hh:mm).
write_list() {
  local k text="번호|종류|시작|끝|요일|제목|내용"
  for k in $(seq "$1"); do
    text="$text"$'\n'"$k|7|$3|$4|0|점검 $2-$k|팝업 $k//회차 $2"
  done
  printf '%s\n' "$text" | sed 's/$/\r/' | iconv -f UTF-8 -t CP949 >"$E2E_WORK/tavlin.gogo.new"
  mv "$E2E_WORK/tavlin.gogo.new" "$E2E_WORK/tavlin.gogo"
}

# The probe lines of the open popups.
open_popups() {
  e2e_probe | grep '^window TfrmPopUp ' || true
}

# Appends a sample for the moment $1 with $2 popups open.
sample() {
  local line rss
  line="$(e2e_probe --resources)"
  rss="$(awk '/^VmRSS:/ {print $2}' "/proc/$E2E_PID/status")"
  field() { echo "$line" | sed -E "s/.* $1=(-?[0-9]+).*/\1/"; }
  echo "$1,$shown,$2,$rss,$(field gdi),$(field windows),$(field handles)" >>"$samples"
  echo "$line" >>"$E2E_ARTIFACTS/resources.txt"
}

# Chooses "알림팝업 소리" > "알림체크" (the submenu's last item).
choose_alarm_check() {
  local menu l t r b
  menu="$(open_menu)"
  read -r l t r b <<<"$(rect_of "$menu")"
  xdotool mousemove $((l + 40)) $((t + ${MENU_OFFSET[sound]})) sleep 0.2 click 1
  sleep 0.5
  xdotool key Up sleep 0.2 key Return
}

# Sleeps until the wall clock leaves minute 59, so that no round's alarm window crosses an hour
# (a fired alarm is armed again in the next hour and would fire a second series by itself).
avoid_hour_end() {
  while [ "$(date +%M)" = 59 ]; do sleep 1; done
}

# At start-up the list holds alarms due twelve hours from now, so that the sound menu is enabled
# (tavlin.gogo and tavlin00.wav are in the working folder) and nothing fires yet.
write_list "$per_round" 0 "$(date -d '+12 hours' +%H:%M)" "$(date -d '+12 hours 1 minute' +%H:%M)"
{ printf 'RIFF\x2c\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x40\x1f\x00\x00'
  printf '\x40\x1f\x00\x00\x01\x00\x08\x00data\x08\x00\x00\x00\x80\x80\x80\x80\x80\x80\x80\x80'; } \
  >"$E2E_WORK/tavlin00.wav"
e2e_start --at ""  # the real clock: the strip is compared with the wall clock at the end
[ "$(cat "/proc/$E2E_PID/comm")" = tavlin.exe ] || fail "process $E2E_PID is not tavlin.exe"
echo "tavlin.exe runs as process $E2E_PID on $DISPLAY; artifacts in $E2E_ARTIFACTS"
e2e_probe --resources | tee "$E2E_ARTIFACTS/resources-first.txt"
shown=0
sleep 3
sample before 0

rounds=0
lost=0
menu_retries=0
started=$SECONDS
: >"$E2E_ARTIFACTS/popups.txt"
while [ $((SECONDS - started)) -lt $((minutes * 60)) ] || [ "$shown" -lt "$min_popups" ]; do
  rounds=$((rounds + 1))
  avoid_hour_end
  write_list "$per_round" "$rounds" "$(date +%H:%M)" "$(date -d '+1 minute' +%H:%M)"
  popups=""
  for attempt in 1 2 3; do
    choose_alarm_check
    for _ in $(seq 40); do
      popups="$(open_popups)"
      [ "$(grep -c . <<<"$popups")" -ge "$per_round" ] && break
      sleep 0.25
    done
    [ -n "$popups" ] && break
    # Nothing opened: the menu did not take the clicks. Close whatever menu is open and retry.
    menu_retries=$((menu_retries + 1))
    xdotool key Escape sleep 0.2 key Escape
    sleep 1
  done
  popups="$(open_popups)"
  echo "$popups" >>"$E2E_ARTIFACTS/popups.txt"
  count="$(grep -c . <<<"$popups" || true)"
  for k in $(seq "$per_round"); do
    grep -q "text=\"점검 $rounds-$k \"" <<<"$popups" ||
      { lost=$((lost + 1)); echo "round $rounds: popup $k did not open" >&2; }
  done
  sample "round $rounds open" "$count"
  if [ $((rounds % 2)) -eq 0 ]; then
    # Click each popup closed.
    while read -r line; do
      [ -n "$line" ] || continue
      read -r l t r b <<<"$(rect_of "$line")"
      xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) sleep 0.1 click 1 sleep 0.2
    done <<<"$popups"
    xdotool mousemove 10 10
  fi
  for _ in $(seq 160); do
    [ -z "$(open_popups)" ] && break
    sleep 0.25
  done
  left="$(open_popups | grep -c . || true)"
  [ "$left" -eq 0 ] || fail "round $rounds: $left popups still open after 40 s"
  shown=$((shown + count))
  sample "round $rounds closed" 0
  echo "round $rounds: $count popups opened and closed ($shown in all, $((SECONDS - started)) s)"
  e2e_running || fail "tavlin ended"
done
run_seconds=$((SECONDS - started))
sleep 20
sample "20 s after the last round" 0

# The clock: the real-time panel against the wall clock, five times a second apart. The panel
# shows the time of the latest tick, so it may be up to a second behind the clock.
worst=0
seconds_of_day() {
  IFS=: read -r h m s <<<"$1"
  echo $((10#$h * 3600 + 10#$m * 60 + 10#$s))
}
for _ in 1 2 3 4 5; do
  before="$(date +%T)"
  text="$(text_of "$(real_time_panel)")"
  after="$(date +%T)"
  panel="$(seconds_of_day "$text")"
  # Seconds the panel is ahead of the clock when the probe started, -43200..43199 across midnight.
  offset=$(((panel - $(seconds_of_day "$before") + 129600) % 86400 - 43200))
  late=$(((panel - $(seconds_of_day "$after") + 129600) % 86400 - 43200))
  echo "clock: panel $text, wall clock $before..$after"
  # On time: no later than the clock after the probe, and at most a second behind it before.
  if [ "$offset" -lt -1 ] || [ "$late" -gt 0 ]; then
    echo "clock: off by $offset s" >&2
    clock_faults=$((${clock_faults:-0} + 1))
  fi
  [ "${offset#-}" -gt "${worst#-}" ] && worst="$offset"
  sleep 1
done
e2e_shot end >/dev/null

echo
echo "Soak run: $shown popups in $rounds rounds of $per_round, opened and closed in $run_seconds s;"
echo "$lost popups missing, $menu_retries menu choices repeated; tavlin still running: $(e2e_running && echo yes || echo no)"
echo
pick() {  # the sample rows to print: before, round 1, then about every sixth of the run, the end
  local total="$1" step
  step=$(((total + 5) / 6))
  awk -F, -v step="$step" -v total="$total" 'NR == 1 { next }
    { row[NR] = $0; split($1, w, " "); r = w[2] + 0 }
    $1 == "before" || $1 ~ /^20 s/ || r == 1 || r == total || (r > 0 && r % step == 0) { print }' \
    "$samples"
}
printf '| %-26s | %6s | %4s | %8s | %5s | %7s | %7s |\n' moment popups open "RSS kB" GDI windows handles
printf '|%s|%s|%s|%s|%s|%s|%s|\n' "----------------------------" "--------" "------" "----------" \
  "-------" "---------" "---------"
pick "$rounds" | while IFS=, read -r moment popups open rss gdi windows handles; do
  printf '| %-26s | %6s | %4s | %8s | %5s | %7s | %7s |\n' "$moment" "$popups" "$open" "$rss" \
    "$gdi" "$windows" "$handles"
done
echo
# Growth: each figure after the first round, and its range after the rounds of the first and the
# second half of the run (RSS moves up and down by a megabyte as Wine's heap is used and given back).
awk -F, -v rounds="$rounds" '$1 ~ /closed$/ {
    split($1, w, " "); r = w[2] + 0
    for (i = 4; i <= 7; i++) {
      if (r == 1) first[i] = $i
      h = (r <= rounds / 2) ? 1 : 2
      if (r > 1 && (!((h, i) in lo) || $i < lo[h, i])) lo[h, i] = $i
      if (r > 1 && $i > hi[h, i]) hi[h, i] = $i
    }
  }
  END {
    split("RSS kB,GDI,windows,handles", name, ",")
    for (i = 4; i <= 7; i++)
      printf "%-8s after round 1: %s; after rounds 2..%d: %s..%s; after rounds %d..%d: %s..%s; growth of the highest: %+d\n",
        name[i - 3], first[i], int(rounds / 2), lo[1, i], hi[1, i], int(rounds / 2) + 1, rounds,
        lo[2, i], hi[2, i], hi[2, i] - hi[1, i]
  }' "$samples"
echo "clock: the strip's real time was at most ${worst#-} s behind the wall clock at the end" \
  "(${clock_faults:-0} of 5 readings off)"
echo "all samples: $samples"
[ "$lost" -eq 0 ] && [ "${clock_faults:-0}" -eq 0 ] && e2e_running
