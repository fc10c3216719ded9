#!/usr/bin/env bash
# What tavlin costs while nothing happens, against the simplest clock there is: runs tavlin.exe
# (quiz mode on, then quiz mode off) and tavlin_empty_clock.exe (a top-most layered 325 x 50
# window that repaints its time once a second) in turn under the same Wine and Xvfb, and prints
# for each the CPU time per 60 s, the wakes per second and the RSS, then the ratios.
# A benchmark, not a test: it prints figures and fails only when it cannot measure.
#
#   CPU     utime + stime of /proc/PID/stat over the window, in ms per 60 s (10 ms steps), and
#           the sum of the threads' /proc/PID/task/*/schedstat run times (ns, so exact);
#   wakes   voluntary context switches of all the process's threads (/proc/PID/task/*/status)
#           over the window, per second: each one is a sleep the process woke from;
#   RSS     VmRSS of /proc/PID/status at the end of the window.
#
# Both programs start at the same faked moment (00:50:05, twelve minutes inside one game hour:
# no hour-change blink, no alarm of examples/tavlin.gogo due, one whole-minute quiz pick) and are
# measured from 15 s after their start, past the start-up blink and the first alarm check, with
# the pointer away from both windows.
#
# Usage: bench/idle_cost.sh [--seconds N] [--rounds N] [--exe PATH]... [--build DIR]
#   --seconds N   length of each measuring window (default 60)
#   --rounds N    how often the runs are repeated (default 2)
#   --exe PATH    a tavlin.exe to measure (default: the one in the build folder); given twice or
#                 more (a build before a change and after it), each round runs each of them
#   --build DIR   the Windows build with tavlin_empty_clock.exe (default build/windows)
#   --hover       the pointer rests in the middle of the screen, on the centred strip (the
#                 empty clock's window is elsewhere): what a pointer resting on the strip costs
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$PWD"
seconds=60
rounds=2
build="build/windows"
hover=0
exes=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds="$2"; shift 2 ;;
    --rounds) rounds="$2"; shift 2 ;;
    --exe) exes+=("$(realpath "$2")"); shift 2 ;;
    --build) build="$2"; shift 2 ;;
    --hover) hover=1; shift ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
build="$(realpath "$build")"
[ ${#exes[@]} -gt 0 ] || exes=("$build/tavlin.exe")
empty="$build/tavlin_empty_clock.exe"
[ -f "$empty" ] || {
  echo "no $empty: cmake --build $build --target tavlin_empty_clock" >&2
  exit 1
}
faketime_lib=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[ -f "$faketime_lib" ] || { echo "no $faketime_lib (apt-get install faketime)" >&2; exit 1; }

# The end-to-end helpers give the prefix, a free virtual display and a work folder they remove.
export E2E_BUILD="$build" E2E_ARTIFACTS="$build" E2E_PREFIX="$build/bench-prefix"
scripts/wine-prefix.sh "$E2E_PREFIX" >/dev/null
source tests/e2e/lib.sh
work="$E2E_WORK"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" >/dev/null 2>&1 || true
  e2e_cleanup
}
trap cleanup EXIT
e2e_display

for i in "${!exes[@]}"; do cp "${exes[$i]}" "$work/tavlin$((i + 1)).exe"; done
cp "$empty" "$work/empty_clock.exe"
cp "$root/examples/tavlin.gogo" "$work/"
wineserver -p30 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

# cpu_ticks PID: utime + stime in clock ticks (the fields after the command name).
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }
# run_ns PID: nanoseconds on a CPU, all threads.
run_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%d", s}'; }
# wakes PID: voluntary context switches, all threads.
wakes() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s}'; }

hz="$(getconf CLK_TCK)"
results="$work/results"
: >"$results"

# measure NAME PROGRAM: starts PROGRAM from the work folder and measures it.
measure() {
  local name="$1" program="$2" comm
  # Nobody points at an idle clock: the pointer waits in the far corner before the program starts
  # (the strip's hints are made when the pointer first comes over it). --hover puts it in the
  # middle of the screen instead, where the strip opens.
  if [ "$hover" -eq 1 ]; then xdotool mousemove 640 400; else xdotool mousemove 1279 0; fi
  (cd "$work" && LD_PRELOAD="$faketime_lib" FAKETIME="@2026-12-07 00:50:05" NO_FAKE_STAT=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1 exec wine "$program" </dev/null >/dev/null 2>&1) &
  pid=$!
  sleep 15
  comm="$(cat "/proc/$pid/comm" 2>/dev/null || true)"
  [ "$comm" = "$program" ] || { echo "process $pid is '$comm', not $program" >&2; exit 1; }
  local c0 n0 w0 c1 n1 w1 rss
  c0="$(cpu_ticks "$pid")"; n0="$(run_ns "$pid")"; w0="$(wakes "$pid")"
  sleep "$seconds"
  c1="$(cpu_ticks "$pid")"; n1="$(run_ns "$pid")"; w1="$(wakes "$pid")"
  rss="$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  awk -v name="$name" -v hz="$hz" -v s="$seconds" -v c="$((c1 - c0))" -v n="$((n1 - n0))" \
    -v w="$((w1 - w0))" -v rss="$rss" 'BEGIN {
      printf "%-16s %10.0f %12.1f %9.2f %9.1f\n", name, c * 1000 / hz * 60 / s, n / 1e6 * 60 / s,
        w / s, rss / 1024 }' | tee -a "$results"
}

echo "idle cost: ${seconds} s windows, $rounds rounds, $(nproc) cores," \
  "load $(cut -d' ' -f1-3 /proc/loadavg)"
for i in "${!exes[@]}"; do echo "tavlin$((i + 1)): ${exes[$i]}"; done
printf "%-16s %10s %12s %9s %9s\n" program "stat ms/60s" "sched ms/60s" wakes/s "RSS MB"
for round in $(seq "$rounds"); do
  for i in "${!exes[@]}"; do
    cp "$root/examples/tavlin.quiz" "$work/"
    measure "tavlin$((i + 1)) quiz on" "tavlin$((i + 1)).exe"
    rm -f "$work/tavlin.quiz"
    measure "tavlin$((i + 1)) quiz off" "tavlin$((i + 1)).exe"
  done
  measure "empty clock" empty_clock.exe
  # The ratios of this round, each tavlin run against the empty clock (CPU from the exact column).
  runs=$((2 * ${#exes[@]} + 1))
  tail -n "$runs" "$results" | awk -v n="$runs" '
    {name[NR] = $1 " " $2 " " $3; cpu[NR] = $(NF - 2); wake[NR] = $(NF - 1); rss[NR] = $NF}
    END {
      for (i = 1; i < n; i++)
        printf "  ratio %-17s CPU %.1f x, wakes %.1f x, RSS %.2f x\n", name[i], cpu[i] / cpu[n],
          wake[i] / wake[n], rss[i] / rss[n] }'
done
