#!/usr/bin/env bash
# "60%" makes the strip 120/255 opaque: a panel's face blends with the desktop below, and the
# key-coloured background stays invisible.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/strip_lib.bash"

e2e_start --compositor
sleep 3
window="$(strip_window)"
read -r l t r b <<<"$(rect_of "$window")"
x=$((l + 150)) y=$((t + 20))  # Panel1's face, right of the pane, below its caption
opaque="$(e2e_shot opaque)"
face="$(e2e_pixel "$opaque" "$x" "$y")"
# The compositor paints the desktop itself (grey where no wallpaper is set): read what it shows.
desktop="$(e2e_pixel "$opaque" 10 10)"
echo "face when opaque: $face, desktop: $desktop"

choose_menu alpha 3 4
xdotool mousemove 10 10
sleep 1
window="$(strip_window)"
echo "$window" | grep -q ' alpha=120 colorkey=153,0,0$' || fail "alpha 120 with the key: $window"
shot="$(e2e_shot alpha-60)"
blended="$(e2e_pixel "$shot" "$x" "$y")"
echo "face at 60%: $blended"
IFS=, read -r fr fg fb <<<"$face"
IFS=, read -r br bg bb <<<"$blended"
IFS=, read -r dr dg db <<<"$desktop"
[ "$face" != "$desktop" ] || fail "face and desktop look the same"
# Expected: face * 120/255 + desktop * 135/255, within a few steps of rounding.
for c in "r $fr $br $dr" "g $fg $bg $dg" "b $fb $bb $db"; do
  read -r name f got d <<<"$c"
  want=$(((f * 120 + d * 135 + 127) / 255))
  [ $((got - want)) -le 3 ] && [ $((want - got)) -le 3 ] ||
    fail "channel $name: $got, expected about $want"
done
echo "ok: the face blends with the desktop"
expect_eq "background still invisible" "$(e2e_pixel "$shot" $((l + 100)) $((t + 40)))" "$desktop"
