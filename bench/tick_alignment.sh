#!/usr/bin/env bash
# How punctually the strip's real time follows the wall clock: runs the real tavlin.exe under Wine
# on a virtual display, watches its real-time text from another process and prints the lag of
# each new second after the second began (median, p95, max) with the skipped and doubled seconds.
# A benchmark, not a test: it prints figures and fails only when it cannot measure.
#
# Usage: bench/tick_alignment.sh [--minutes N] [--exe PATH] [--build DIR]
#   --minutes N   how long to watch (default 10)
#   --exe PATH    the tavlin.exe to measure (default: the one in the build folder)
#   --build DIR   the Windows build with tavlin_tick_watch.exe (default build/windows)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$PWD"
minutes=10
build="build/windows"
exe=""
while [ $# -gt 0 ]; do
  case "$1" in
    --minutes) minutes="$2"; shift 2 ;;
    --exe) exe="$2"; shift 2 ;;
    --build) build="$2"; shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
build="$(realpath "$build")"
exe="$(realpath "${exe:-$build/tavlin.exe}")"
[ -x "$build/tavlin_tick_watch.exe" ] || {
  echo "no $build/tavlin_tick_watch.exe: build the Windows build first (scripts/test.sh)" >&2
  exit 1
}

# The end-to-end helpers give the prefix, a free virtual display and a work folder they remove.
export E2E_BUILD="$build" E2E_ARTIFACTS="$build" E2E_PREFIX="$build/bench-prefix"
scripts/wine-prefix.sh "$E2E_PREFIX" >/dev/null
source tests/e2e/lib.sh
work="$E2E_WORK"
e2e_display

cp "$exe" "$work/tavlin.exe"
wineserver -p30 </dev/null >/dev/null 2>&1 || true
(cd "$work" && exec wine tavlin.exe </dev/null >/dev/null 2>&1) &
echo "tick alignment: $exe for $minutes min on $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
# Past the start-up second and the first few ticks.
sleep 5
log="$build/tick-alignment.log"
wine "$build/tavlin_tick_watch.exe" $((minutes * 60)) </dev/null 2>/dev/null | tr -d '\r' >"$log"
echo "per-second log: $log"
tail -n 1 "$log"
grep -q '^seconds [1-9]' "$log"
