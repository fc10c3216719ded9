#!/usr/bin/env bash
# "문답공부시계 종료" ends the program.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_start
sleep 2
choose_menu exit
for _ in $(seq 50); do
  e2e_running || break
  sleep 0.2
done
e2e_running && fail "still running after 문답공부시계 종료"
echo "ok: the program ended"
