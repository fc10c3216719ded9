#!/usr/bin/env bash
# One tavlin at a time: two starts at the same moment leave one strip; a later start, while the
# timetable window is in front, brings the running strip to the front, top-most, and ends within
# three seconds (a Wine start of its own takes most of them), and the first program runs on.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

# Starts tavlin.exe (once e2e_start has put it in the case's folder) in the background; prints
# the process id. Its output goes to a file, so that the caller's $(...) does not wait for it.
start_another() {
  (
    until [ -f "$E2E_WORK/tavlin.exe" ]; do sleep 0.05; done
    cd "$E2E_WORK" && exec wine tavlin.exe
  ) </dev/null >>"$E2E_ARTIFACTS/another-stdout.txt" 2>&1 &
  echo $!
}

strip_count() {
  e2e_probe | grep -c '^window TForm_study ' || true
}

# Two starts racing each other: whichever takes the claim first keeps its strip.
e2e_display
racer=$(start_another)
e2e_start
sleep 3
expect_eq "strips after two starts at once" "$(strip_count)" 1
alive=0
kill -0 "$racer" 2>/dev/null && alive=$((alive + 1)) running="$racer"
e2e_running && alive=$((alive + 1)) running="$E2E_PID"
expect_eq "programs running after two starts at once" "$alive" 1
echo "ok: the claim went to the $([ "$running" = "$racer" ] && echo first || echo second) start"

# The timetable window takes the front.
choose_menu timetable
e2e_wait_shown TForm_TimeTable
e2e_probe | grep -q '^foreground TForm_TimeTable ' || fail "the timetable is not in front"

started=$(date +%s%N)
second=$(start_another)
for _ in $(seq 30); do
  kill -0 "$second" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$second" 2>/dev/null && fail "the second start still runs after 3 s"
echo "ok: the second start ended after $((($(date +%s%N) - started) / 1000000)) ms"
kill -0 "$running" 2>/dev/null || fail "the first program ended"
expect_eq "strips after the second start" "$(strip_count)" 1
e2e_await '^foreground TForm_study ' 20 || fail "the strip did not come to the front"
expect_eq "top-most" "$(strip_window | grep -o ' topmost=[01]' | cut -d= -f2)" 1
e2e_shot after-second-start >/dev/null
