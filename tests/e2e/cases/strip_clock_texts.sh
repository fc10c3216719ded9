#!/usr/bin/env bash
# The strip's texts at known seconds: at 00:10:00 the game-time pane reads 14:03:24, Panel1
# "미(13)>06:47>신(15) " and Panel3 00:10:00; the following seconds give the next values. The
# clock starts a little before 00:10:00 because the first tick comes one second after start-up.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

declare -A PANE=([00:10:00]="14:03:24" [00:10:01]="14:03:32" [00:10:02]="14:03:41")
declare -A SUMMARY=([00:10:00]="미(13)>06:47>신(15) " [00:10:01]="미(13)>06:46>신(15) "
                    [00:10:02]="미(13)>06:45>신(15) ")

# Panel3's text in a probe listing.
real_of() {
  text_of "$(echo "$1" | grep '^child TavlinRoundedPanel ' |
    grep -E 'text="[0-9]{2}:[0-9]{2}:[0-9]{2}"' | head -n 1)"
}

e2e_start --at "2026-12-07 00:09:58"
seen=""
for _ in $(seq 100); do
  probe="$(e2e_probe)"
  real="$(real_of "$probe")"
  if [ -n "$real" ] && [ -n "${PANE[$real]:-}" ] && [[ "$seen" != *"$real"* ]]; then
    # The probe reads the texts one by one and a tick may fall between them: a second listing
    # that still shows the same second was read wholly inside it.
    probe="$(e2e_probe)"
    [ "$(real_of "$probe")" = "$real" ] || continue
    echo "$probe" | grep -v '^child Button'
    expect_eq "game time at $real" \
      "$(text_of "$(echo "$probe" | grep '^child TavlinGameTimePane ')")" "${PANE[$real]}"
    expect_eq "summary at $real" "$(echo "$probe" | grep -c "^child TavlinRoundedPanel .*text=\"${SUMMARY[$real]}\"")" 1
    seen="$seen $real"
    e2e_shot "at-${real//:/}" >/dev/null
  fi
  [[ "$real" > "00:10:02" ]] && break
  sleep 0.1
done
echo "seen:$seen"
[[ "$seen" == *"00:10:00"* ]] || fail "Panel3 never read 00:10:00"
[[ "$seen" == *"00:10:01"* || "$seen" == *"00:10:02"* ]] || fail "the real time did not move on"

# The panels and the pane feed their hints themselves: a resting pointer brings up each one's.
hint_at() {
  read -r l t r b <<<"$(rect_of "$1")"
  xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) sleep 0.1 mousemove_relative 1 0
  e2e_await "^window tooltips_class32 .*text=\"$2\".* visible=1 " 40 >/dev/null ||
    fail "no hint \"$2\" over $(echo "$1" | cut -d' ' -f2)"
  e2e_shot "hint-$3" >/dev/null
}
hint_at "$(real_time_panel)" "현재시간" real-time
hint_at "$(e2e_child TavlinGameTimePane)" "게임상의 시간" game-time
