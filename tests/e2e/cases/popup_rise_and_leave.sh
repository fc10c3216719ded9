#!/usr/bin/env bash
# Three notices rise at the bottom-right corner in a column, each 112 pixels above the previous,
# painted light blue to white over the colour strip; they never take the keyboard focus and close
# by themselves 15 s after they have risen.
source "$(dirname "$0")/../lib.sh"

e2e_start_program tavlin_popup_demo.exe TfrmPopUp -- \
  "첫째 알림" "사냥터 집합" "둘째 알림" "보스 출현\\r서두르세요" "셋째 알림" "세 번째 본문"
# For a person to look at: the popups while they rise out of the task bar, top part first.
e2e_shot rising >/dev/null

# The screen is 1280 x 800 with Wine's one-pixel task bar along the bottom: the work area ends at
# 800 and the popups' tops are 800 − 112 × (k + 1), their left 1280 − 211.
declare -A expected_top=(["첫째 알림"]=688 ["둘째 알림"]=576 ["셋째 알림"]=464)
risen=0
for _ in $(seq 50); do
  # Risen: each in its slot at full height.
  risen=$(e2e_probe | grep -cE '^window TfrmPopUp .* rect=1069,(688,1264,798|576,1264,686|464,1264,574) .* visible=1 ' || true)
  [ "$risen" -eq 3 ] && break
  sleep 0.1
done
shown_at=$SECONDS
e2e_probe >"$E2E_ARTIFACTS/probe-risen.txt"
expect_eq "popups at full size" "$risen" 3
for title in "${!expected_top[@]}"; do
  top=${expected_top[$title]}
  line=$(grep "^window TfrmPopUp .* text=\"$title\"" "$E2E_ARTIFACTS/probe-risen.txt")
  rect=$(sed -E 's/.* rect=([-0-9,]+) .*/\1/' <<<"$line")
  expect_eq "$title: place" "$rect" "1069,$top,1264,$((top + 110))"
  expect_eq "$title: top-most" "$(grep -o 'topmost=[01]' <<<"$line")" "topmost=1"
  exstyle=$(sed -E 's/.* exstyle=(0x[0-9a-f]+) .*/\1/' <<<"$line")
  # WS_EX_TOOLWINDOW (0x80) and WS_EX_NOACTIVATE (0x8000000)
  expect_eq "$title: tool window, no activation" "$((exstyle & 0x8000080))" "$((0x8000080))"
done
grep -q '^child TMouseLabel .* text="보스 출현\\r서두르세요" ' "$E2E_ARTIFACTS/probe-risen.txt" ||
  fail "the body text is not on the second popup"
# A carriage return in the text starts a second line: the body label is twice as high.
label_height() {
  awk -v t="text=\"$1\"" '/^window /{inside = index($0, t) > 0} inside' \
    "$E2E_ARTIFACTS/probe-risen.txt" | grep '^child TMouseLabel .* id=2 ' |
    sed -E 's/.* rect=[-0-9]+,([-0-9]+),[-0-9]+,([-0-9]+) .*/\1 \2/' | awk '{print $2 - $1}'
}
expect_eq "two-line body height" "$(label_height "둘째 알림")" "$((2 * $(label_height "첫째 알림")))"
expect_eq "focus" "$(grep '^foreground' "$E2E_ARTIFACTS/probe-risen.txt" | cut -d' ' -f2)" \
  PopupDemoHost

# Colours of the lowest popup: the frame is what the window has around its client area.
line=$(grep '^window TfrmPopUp .* text="첫째 알림"' "$E2E_ARTIFACTS/probe-risen.txt")
client_w=$(sed -E 's/.* client=([0-9]+),([0-9]+) .*/\1/' <<<"$line")
client_h=$(sed -E 's/.* client=([0-9]+),([0-9]+) .*/\2/' <<<"$line")
frame=$(((195 - client_w) / 2))
x0=$((1069 + frame))
y0=$((688 + frame))
shot=$(e2e_shot risen)
expect_eq "gradient, first row" "$(e2e_pixel "$shot" $((x0 + 3)) $((y0 + 2)))" "153,204,255"
expect_eq "gradient, last row" "$(e2e_pixel "$shot" $((x0 + 3)) $((y0 + client_h - 6)))" \
  "254,254,255"
strip_y=$((y0 + client_h - 4))
expect_eq "strip, yellow band" "$(e2e_pixel "$shot" $((x0 + 3)) "$strip_y")" "251,218,48"
expect_eq "strip, red band" "$(e2e_pixel "$shot" $((x0 + 2 + 110)) "$strip_y")" "255,0,0"
expect_eq "strip, blue band" "$(e2e_pixel "$shot" $((x0 + 2 + 140)) "$strip_y")" "51,102,204"
expect_eq "strip, green band" "$(e2e_pixel "$shot" $((x0 + client_w - 4)) "$strip_y")" \
  "115,188,136"
expect_eq "strip, bottom row" "$(e2e_pixel "$shot" $((x0 + 3)) $((strip_y + 1)))" "255,204,51"

# They stay 15 s, then slide out (13 steps of 25 ms) and are gone, not only hidden.
sleep $((13 - (SECONDS - shown_at)))
e2e_probe >"$E2E_ARTIFACTS/probe-staying.txt"
expect_eq "still open after 13 s" \
  "$(grep -c '^window TfrmPopUp .* visible=1 ' "$E2E_ARTIFACTS/probe-staying.txt")" 3
e2e_shot staying >/dev/null
left=3
for _ in $(seq 80); do
  left=$(e2e_probe | grep -c '^window TfrmPopUp ' || true)
  [ "$left" -eq 0 ] && break
  sleep 0.1
done
gone_after=$((SECONDS - shown_at))
expect_eq "popup windows left" "$left" 0
[ "$gone_after" -ge 14 ] && [ "$gone_after" -le 18 ] || fail "gone after $gone_after s"
echo "ok: gone after $gone_after s"
expect_eq "focus at the end" "$(e2e_probe | grep '^foreground' | cut -d' ' -f2)" PopupDemoHost
e2e_running || fail "the demo ended"
