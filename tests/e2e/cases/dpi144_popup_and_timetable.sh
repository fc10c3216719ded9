#!/usr/bin/env bash
# At 150 % scaling (144 DPI) a notice is a 293 x 165 popup (195 x 110 at 100 %) 24 pixels from the
# right edge, the next one 168 pixels above it, with its title and text in scaled fonts inside it;
# the timetable window opens centred at 741 x 393 (494 x 262), its grid filling it.
source "$(dirname "$0")/../lib.sh"

e2e_dpi 144
e2e_start_program tavlin_popup_demo.exe TfrmPopUp -- "첫째 알림" "사냥터 집합" "둘째 알림" "보스 출현"
risen=0
for _ in $(seq 50); do
  risen=$(e2e_probe | grep -cE '^window TfrmPopUp .* rect=963,(632,1256,797|464,1256,629) .* visible=1 ' || true)
  [ "$risen" -eq 2 ] && break
  sleep 0.1
done
e2e_probe >"$E2E_ARTIFACTS/probe-risen.txt"
expect_eq "popups at full size in their slots" "$risen" 2
shot="$(e2e_shot popups-144)"
line=$(grep '^window TfrmPopUp .* text="첫째 알림"' "$E2E_ARTIFACTS/probe-risen.txt")
read -r cw ch <<<"$(sed -E 's/.* client=([0-9]+),([0-9]+) .*/\1 \2/' <<<"$line")"
frame=$(((293 - cw) / 2))
x0=$((963 + frame))
y0=$((632 + frame))
# Inside the three-pixel bevel: the gradient from light blue; the five-pixel strip at the bottom.
expect_eq "gradient, first row" "$(e2e_pixel "$shot" $((x0 + 4)) $((y0 + 3)))" "153,204,255"
expect_eq "strip, red band" "$(e2e_pixel "$shot" $((x0 + 3 + 170)) $((y0 + ch - 6)))" "255,0,0"
# The title and the text keep clear of the popup's edges (the title starts 12 pixels in).
expect_text_inside "$shot" $((x0 + 3)) $((y0 + 3)) $((cw - 6)) 40 6 "title"
expect_text_inside "$shot" $((x0 + 3)) $((y0 + 45)) $((cw - 6)) $((ch - 55)) 10 "body text"
wineserver -k >/dev/null 2>&1 || true

e2e_start_program tavlin_timetable_demo.exe TForm_TimeTable -- --show
e2e_wait_shown TForm_TimeTable
timetable="$(e2e_window TForm_TimeTable | head -n 1)"
echo "$timetable"
expect_eq "centred, 741 x 393" "$(grep -o ' rect=[^ ]*' <<<"$timetable" | cut -d= -f2)" \
  "269,203,1010,596"
grid="$(e2e_child TavlinTimeGrid)"
shot="$(e2e_shot timetable-144)"
read -r gl gt gr gb <<<"$(sed -E 's/.* rect=(-?[0-9]+),(-?[0-9]+),(-?[0-9]+),(-?[0-9]+) .*/\1 \2 \3 \4/' <<<"$grid")"
# Cells of 173 x 24 pixels with two-pixel lines: the first header cell's text inside its cell.
expect_text_inside "$shot" $((gl + 1)) $((gt + 1)) 173 24 2 "header cell"
row1=$(e2e_pixel "$shot" $((gl + 6)) $((gt + 1 + 26 + 4)))
row2=$(e2e_pixel "$shot" $((gl + 6)) $((gt + 1 + 52 + 4)))
[ "$row1" != "$row2" ] || fail "row 1 is not highlighted: $row1"
