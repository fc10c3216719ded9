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

source scripts/wine-prefix.sh "$build/bench-prefix"
work="$(mktemp -d)"
display=""
xvfb=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb" ] && kill "$xvfb" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
for n in $(seq 100 140); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  display=":$n"
  break
done
[ -n "$display" ] || { echo "no free display" >&2; exit 1; }
export DISPLAY="$display"
sleep 1

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
