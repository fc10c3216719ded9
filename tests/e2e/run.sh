#!/usr/bin/env bash
# Runs every end-to-end case (tests/e2e/cases/*.sh) against the Windows build in $1 and keeps
# screenshots under $1/e2e-artifacts/<case>/.
# Usage: tests/e2e/run.sh BUILD_DIR [CASE_NAME_PATTERN]
#        tests/e2e/run.sh BUILD_DIR --prepare   (only makes the lanes' Wine prefixes ready)
# The cases run in E2E_LANES lanes side by side (4 unless set), each lane one case at a time on a
# virtual screen and in a Wine prefix of its own, so that the Wine settings a case changes (DPI,
# frames) never reach a case of another lane. The cases that took longest start first.
set -uo pipefail
shopt -s nullglob
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/lane.bash"
export E2E_BUILD="$(realpath "$1")"
pattern="${2:-}"
lanes="${E2E_LANES:-4}"
started=$SECONDS

# The prefix of lane $1: the first keeps the name it always had.
prefix_of() {
  if [ "$1" -eq 1 ]; then echo "$E2E_BUILD/e2e-prefix"; else echo "$E2E_BUILD/e2e-prefix-$1"; fi
}

# Wine settings a case changes for itself; a run that was killed may have left them behind.
reset_prefix() {
  local prefix="$1"
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f \
    </dev/null >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f \
    </dev/null >/dev/null 2>&1 || true
  # That Wine session started without a display: end it, or the next program would join it and
  # find no graphics driver.
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" wineserver -w >/dev/null 2>&1 || true
}

# Makes the prefixes of lanes 1 to $1 ready. A lane's prefix is put back to plain Wine settings
# unless it is marked as left clean: a run that was killed may have left a case's settings behind.
prepare_lanes() {
  local lane prefix
  "$here/../../scripts/wine-prefix.sh" "$(prefix_of 1)" || return 1
  for lane in $(seq 2 "$1"); do
    prefix="$(prefix_of "$lane")"
    if [ ! -f "$prefix/.tavlin-ready" ]; then
      # A copy of the first lane's prefix takes seconds where a new one takes half a minute.
      rm -rf "$prefix"
      cp -a "$(prefix_of 1)" "$prefix"
      rm -f "$prefix/.tavlin-clean"
    fi
  done
  for lane in $(seq "$1"); do
    prefix="$(prefix_of "$lane")"
    [ -f "$prefix/.tavlin-clean" ] || { reset_prefix "$prefix" && touch "$prefix/.tavlin-clean"; } &
  done
  wait
}

if [ "$pattern" = --prepare ]; then
  prepare_lanes "$lanes"
  exit
fi

cases=()
for case_file in "$here"/cases/*.sh; do
  name="$(basename "$case_file" .sh)"
  [[ -z "$pattern" || "$name" == *$pattern* ]] && cases+=("$name")
done
[ "${#cases[@]}" -gt 0 ] || { echo "e2e: 0 passed, 0 failed"; exit 1; }
[ "$lanes" -le "${#cases[@]}" ] || lanes=${#cases[@]}
prepare_lanes "$lanes"
# In use: a case may change the settings; the mark comes back when the lane ends as it began.
for lane in $(seq "$lanes"); do rm -f "$(prefix_of "$lane")/.tavlin-clean"; done

# The queue of cases, longest first by the times of the last run (new cases first of all); a first
# run goes by the times kept with the cases (a quiet machine's, in four lanes).
times="$E2E_BUILD/e2e-times.txt"
order="$times"
[ -f "$order" ] || order="$here/case-times.txt"
queue="$(mktemp)"
results="$(mktemp)"
trap 'rm -f "$queue" "$results" "$queue.lock"' EXIT
for name in "${cases[@]}"; do
  seconds="$(awk -v name="$name" '$1 == name {print $2}' "$order" 2>/dev/null | tail -n 1)"
  echo "${seconds:-999999} $name"
done | sort -k1,1nr -k2 | cut -d' ' -f2 >"$queue"

# Takes the next case off the queue and prints its name; fails when none is left.
next_case() {
  local name
  exec {lock}>>"$queue.lock"
  flock "$lock"
  name="$(head -n 1 "$queue")"
  [ -z "$name" ] || sed -i 1d "$queue"
  exec {lock}>&-
  [ -n "$name" ] && echo "$name"
}

# Prints a case's outcome whole, and records it, without mixing with the other lanes' lines.
report() {
  exec {lock}>>"$queue.lock"
  flock "$lock"
  printf '%s' "$1"
  echo "$2" >>"$results"
  exec {lock}>&-
}

# Keeps the Wine session of the lane's prefix going between its cases: a server that stays, and a
# program that holds the desktop on the lane's screen (Wine closes a desktop a moment after its
# last program ends, and a program starting meanwhile waits seconds for the next). The program is
# a probe that waits for a question that never comes; it needs the pipe $1, held open.
keep_session() {
  WINEPREFIX="$E2E_PREFIX" wineserver -p </dev/null >/dev/null 2>&1 || true
  [ -n "$keeper" ] && kill -0 "$keeper" 2>/dev/null && return 0
  DISPLAY="$E2E_LANE_DISPLAY" WINEPREFIX="$E2E_PREFIX" wine "$E2E_BUILD/tavlin_probe.exe" --serve \
    <"$1" >/dev/null 2>&1 &
  keeper=$!
}

# Runs the cases of lane $1 one after another, until the queue is empty. The lane keeps one
# virtual screen and one Wine session for all its cases: a case ends only its own processes, and
# its successor finds Wine warm (a case that changes Wine's settings or screen takes a session of
# its own, see e2e_own_session).
run_lane() {
  local lane="$1" name start seconds keeper="" quiet hold
  export E2E_PREFIX="$(prefix_of "$lane")"
  # Lanes look for free displays from different numbers, so that they seldom reach for the same.
  e2e_virtual_screen $((40 + (lane - 1) * 10)) || { echo "lane $lane: no free display"; return 1; }
  # A case takes it through e2e_display, which also puts the pointer back where a new screen has it.
  export E2E_LANE_DISPLAY="$DISPLAY"
  unset DISPLAY
  quiet="$(mktemp -u)"
  mkfifo "$quiet"
  exec {hold}<>"$quiet"
  while name="$(next_case)"; do
    export E2E_ARTIFACTS="$E2E_BUILD/e2e-artifacts/$name"
    export E2E_CASE_ID="lane$lane-$name-$RANDOM"
    rm -rf "$E2E_ARTIFACTS"
    mkdir -p "$E2E_ARTIFACTS"
    # A case that ended the session (its own, or by failing) leaves none for the next.
    keep_session "$quiet"
    start=$SECONDS
    if timeout 300 bash "$here/cases/$name.sh" >"$E2E_ARTIFACTS/log.txt" 2>&1; then
      seconds=$((SECONDS - start))
      report "PASS $name ($seconds s)"$'\n' "PASS $name $seconds"
    else
      seconds=$((SECONDS - start))
      report "FAIL $name ($seconds s); log:"$'\n'"$(sed 's/^/    /' "$E2E_ARTIFACTS/log.txt" |
        tail -n 40)"$'\n' "FAIL $name $seconds"
      # A case killed by the time limit leaves its Wine settings and processes behind.
      e2e_end_marked_processes "$E2E_CASE_ID"
      reset_prefix "$E2E_PREFIX"
    fi
  done
  WINEPREFIX="$E2E_PREFIX" wineserver -k >/dev/null 2>&1 || true
  kill "$E2E_XVFB" 2>/dev/null || true
  exec {hold}>&-
  rm -f "$quiet"
  # Each case put back the settings it changed, and a failed one was reset.
  touch "$E2E_PREFIX/.tavlin-clean"
}

for lane in $(seq "$lanes"); do
  run_lane "$lane" &
done
wait

passed="$(grep -c '^PASS ' "$results")"
failed="$(grep -c '^FAIL ' "$results")"
# The times of this run order the next one; cases not run this time keep theirs.
{
  [ ! -f "$times" ] || awk 'NR == FNR {ran[$2] = 1; next} !($1 in ran)' "$results" "$times"
  awk '{print $2, $3}' "$results"
} >"$times.new"
mv "$times.new" "$times"
echo "screenshots: $E2E_BUILD/e2e-artifacts"
[ "$failed" -eq 0 ] || echo "failed cases: $(awk '$1 == "FAIL" {print $2}' "$results" | xargs)"
echo "e2e: $lanes lanes, $((SECONDS - started)) s"
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
