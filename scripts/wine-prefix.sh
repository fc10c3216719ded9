#!/usr/bin/env bash
# Prepares a Wine prefix for tavlin in the folder given as $1 (never the user's own prefix):
# Korean fonts mapped onto the faces the program asks for, and no audio driver noise.
# Source it or run it; it exports WINEPREFIX.
set -euo pipefail
prefix="$(realpath -m "$1")"
export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/.tavlin-ready" ]; then
  mkdir -p "$prefix"
  wine wineboot -i >/dev/null 2>&1 </dev/null
  here="$(dirname "${BASH_SOURCE[0]}")"
  reg="$prefix/tavlin-fonts.reg"
  # regedit wants UTF-16LE with a BOM and CR LF line ends.
  { printf '\xff\xfe'; sed 's/$/\r/' "$here/wine-fonts.reg" | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
  wine regedit "$reg" >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f >/dev/null 2>&1 </dev/null
  # The Nanum faces have no Hanja (the timetable shows 未時 and the like): link a fallback face.
  for face in NanumGothic NanumGothicCoding; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d 'DroidSansFallbackFull.ttf,Droid Sans Fallback' /f \
      >/dev/null 2>&1 </dev/null
  done
  wineserver -w
  touch "$prefix/.tavlin-ready"
fi
