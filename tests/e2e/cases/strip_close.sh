#!/usr/bin/env bash
# "×" ends the program.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_start
sleep 2
button="$(e2e_child Button 'text="×"')"
[ -n "$button" ] || fail "no × button"
read -r l t r b <<<"$(rect_of "$button")"
click_at $(((l + r) / 2)) $(((t + b) / 2))
e2e_expect_exit "×"
echo "ok: the program ended"
