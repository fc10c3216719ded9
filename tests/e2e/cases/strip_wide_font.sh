#!/usr/bin/env bash
# With "굴림" drawn in a wider Korean face (Baekmuk Gulim) the strip's text boxes grow with their
# texts: at 100 % and at 150 % scaling the game time's ink stays a column clear of its pane's
# sides (the last digit's too, not clipped), and the summary line keeps a gap to the pane, its first
# syllable showing, instead of running under it.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

fc-list | grep -q 'Baekmuk Gulim' || fail "Baekmuk Gulim is not installed (fonts-baekmuk)"
fonts='HKCU\Software\Wine\Fonts\Replacements'
e2e_display
for face in 굴림 Gulim; do
  wine reg add "$fonts" /v "$face" /d 'Baekmuk Gulim' /f </dev/null >/dev/null 2>&1
  # As scripts/wine-fonts.reg maps it for every other case.
  E2E_UNDO+=("wine reg add '$fonts' /v '$face' /d NanumGothic /f")
done

# $1 DPI, $2 one pixel there, $3 the least gap between pane and summary there, $4 the pane's
# designed width there.
check_strip() {
  local dpi="$1" u="$2" gap="$3" designed="$4" pane panel1 shot
  pane="$(e2e_child TavlinGameTimePane)"
  panel1="$(e2e_child TavlinRoundedPanel 'text=".*>.*"')"
  read -r pl pt pr pb <<<"$(rect_of "$pane")"
  read -r ql qt qr qb <<<"$(rect_of "$panel1")"
  echo "pane $pl $pt $pr $pb, Panel1 $ql $qt $qr $qb"
  # Nanum's game time fits the designed pane: a wider pane shows the wide face is in use.
  [ $((pr - pl)) -gt "$designed" ] || fail "the pane is $((pr - pl)) wide at $dpi DPI"
  shot="$(e2e_shot "strip-wide-$dpi")"
  # Inside the black interior, a pixel clear of it on every side: the last digit's ink too.
  local seen w=$((pr - pl - 4 * u))
  seen="$(expect_text_inside "$shot" $((pl + 2 * u)) $((pt + 2 * u)) "$w" $((pb - pt - 4 * u)) 1 \
    "game time at $dpi DPI")" || exit 1
  echo "$seen"
  read -r bw bx <<<"$(sed -E 's/.* text ([0-9]+)x[0-9]+\+([0-9]+)\+.*/\1 \2/' <<<"$seen")"
  [ "$bx" -ge 1 ] && [ $((bx + bw)) -le $((w - 1)) ] ||
    fail "game time at $dpi DPI: ink ${bw} wide at +$bx touches the side of the ${w} interior"
  expect_text_inside "$shot" "$pr" $((qt + 2 * u)) $((qr - 2 * u - pr)) $((qb - qt - 4 * u)) \
    "$gap" "double-hours at $dpi DPI"
}

e2e_start
sleep 4  # past the start-up blink
check_strip 96 1 2 89

wineserver -k >/dev/null 2>&1 || true
e2e_dpi 144
e2e_start
sleep 4
check_strip 144 2 3 134
