#!/usr/bin/env bash
# Makes tavlin's alarm sound, src/app/tavlin00.wav, with sox: a soft two-note chime (C6 then E6, a
# major third up), each note a sine with a quieter octave above it and a bell-like decay, the
# second starting 0.18 s after the first. 1.1 s, mono, 22,050 Hz, 16 bits: about 48 KB.
# Dither is off, so the same sox makes the same bytes every time. Run it after changing the sound;
# commit the .wav. The release zip ships it beside tavlin.exe.
# Usage: scripts/make-chime.sh [OUTPUT_FILE]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
out="${1:-src/app/tavlin00.wav}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

rate=22050
# note FILE FREQUENCY LENGTH DELAY: a sine and its octave at a fifth of its loudness, starting
# after DELAY seconds, with a 5 ms attack and a fade over the whole of LENGTH.
note() {
  sox -D -n -r "$rate" -c 1 -b 16 "$work/$1" \
    synth "$3" sine "$2" sine "$(echo "$2 * 2" | bc)" remix 1v0.83,2v0.17 \
    fade q 0.005 "$3" "$(echo "$3 - 0.005" | bc)" pad "$4" 0
}
note low.wav 1046.50 0.92 0
note high.wav 1318.51 0.92 0.18
sox -D -m -v 0.5 "$work/low.wav" -v 0.5 "$work/high.wav" -r "$rate" -c 1 -b 16 "$out" \
  gain -n -3
echo "$out: $(stat -c %s "$out") bytes, $(soxi -D "$out") s"
