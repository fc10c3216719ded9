#!/usr/bin/env bash
# Checks the release zip that `--target release_zip` made in the Windows build folder $1 the way a
# player receives it: exactly tavlin.exe, the two samples, the alarm chime and the Korean guide;
# the samples, the chime and the guide byte for byte as in the repository; a chime short and small
# enough to pass unnoticed as a sound (a wave file under 50 KB and 1.5 s); a guide Notepad shows right on any Windows; the
# guide's Korean name stored as UTF-8 and flagged so; a stripped, self-contained tavlin.exe that
# carries its icon and its Korean and English version resource.
# Prints each fault and exits 1 when there is one.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(realpath "$1")"
# unzip writes names that are not ASCII as #U escapes in the C locale.
export LC_ALL=C.UTF-8
guide="사용설명서.txt"

faults=0
fault() {
  echo "release zip: $*" >&2
  faults=$((faults + 1))
}

version="$(sed -nE 's/^project\(tavlin VERSION ([0-9]+\.[0-9]+\.[0-9]+).*/\1/p' "$here/CMakeLists.txt")"
[ -n "$version" ] || { echo "release zip: no project version in CMakeLists.txt" >&2; exit 1; }
zip="$build/tavlin-$version-win64.zip"
[ -f "$zip" ] || { echo "release zip: $zip is missing" >&2; exit 1; }

# The files, at the top of the zip, and nothing else.
expected="$(printf '%s\n' tavlin.exe tavlin.gogo tavlin.quiz tavlin00.wav "$guide" | sort)"
listed="$(unzip -Z1 "$zip" | sort)"
[ "$listed" = "$expected" ] || fault "holds $(echo $listed), expected $(echo $expected)"

# The guide's name: UTF-8 in the central directory, with the UTF-8 flag (bit 11) set, so that
# Explorer does not read it in the OEM code page.
utf8_name="$(printf '%s' "$guide" | od -An -tx1 | tr -d ' \n')"
flagged=0
while read -r offset; do
  flags="$(od -An -tu2 -j $((offset + 8)) -N2 "$zip" | tr -d ' ')"
  name_length="$(od -An -tu2 -j $((offset + 28)) -N2 "$zip" | tr -d ' ')"
  name="$(od -An -tx1 -j $((offset + 46)) -N "$name_length" "$zip" | tr -d ' \n')"
  if [ "$name" = "$utf8_name" ] && [ $((flags & 0x800)) -ne 0 ]; then flagged=1; fi
done < <(LC_ALL=C grep -obUaP 'PK\x01\x02' "$zip" | cut -d: -f1)
[ "$flagged" -eq 1 ] || fault "$guide is not stored under its UTF-8 name with the UTF-8 flag"

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$zip" -d "$unpacked"

for sample in tavlin.gogo tavlin.quiz; do
  cmp -s "$unpacked/$sample" "$here/examples/$sample" || fault "$sample differs from examples/"
done

chime="$unpacked/tavlin00.wav"
if [ -f "$chime" ]; then
  cmp -s "$chime" "$here/src/app/tavlin00.wav" || fault "tavlin00.wav differs from src/app/"
  [ "$(head -c 4 "$chime")$(tail -c +9 "$chime" | head -c 8)" = "RIFFWAVEfmt " ] ||
    fault "tavlin00.wav is not a wave file"
  size="$(stat -c %s "$chime")"
  [ "$size" -lt 50000 ] || fault "tavlin00.wav is $size bytes, not under 50 KB"
  # The length from the header: the data chunk's size over the bytes per second.
  rate="$(od -An -tu4 -j 28 -N4 "$chime" | tr -d ' ')"
  data="$(od -An -tu4 -j 40 -N4 "$chime" | tr -d ' ')"
  [ $((data * 1000 / rate)) -lt 1500 ] || fault "tavlin00.wav lasts $((data * 1000 / rate)) ms"
fi

# The guide: UTF-8 with a BOM (Notepad then reads it whatever the system's code page) and CR LF
# line ends only.
text="$unpacked/$guide"
if [ -f "$text" ]; then
  cmp -s "$text" "$here/docs/$guide" || fault "$guide differs from docs/"
  [ "$(head -c 3 "$text" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] || fault "$guide has no UTF-8 BOM"
  iconv -f UTF-8 -t UTF-8 "$text" >/dev/null 2>&1 || fault "$guide is not valid UTF-8"
  bare_lf="$(LC_ALL=C grep -c $'[^\r]$\|^$' "$text" || true)"
  lone_cr="$(LC_ALL=C grep -c $'\r.' "$text" || true)"
  [ "$bare_lf" -eq 0 ] && [ "$lone_cr" -eq 0 ] ||
    fault "$guide has $bare_lf line ends without CR and $lone_cr CRs without LF"
  [ "$(tail -c 2 "$text" | od -An -tx1 | tr -d ' ')" = "0d0a" ] || fault "$guide does not end in CR LF"
fi

exe="$unpacked/tavlin.exe"
if [ -f "$exe" ]; then
  "$here/scripts/check-imports.sh" "$exe" >/dev/null || fault "tavlin.exe imports a non-system DLL"
  headers="$(x86_64-w64-mingw32-objdump -x "$exe")"
  grep -q 'symbols stripped' <<<"$headers" || fault "tavlin.exe keeps its symbol table"
  ! x86_64-w64-mingw32-objdump -h "$exe" | grep -q '\.debug' || fault "tavlin.exe keeps debug sections"

  # The icon: the group in the exe is src/app/tavlin.ico (wrestool pads what it writes out with
  # zeros, so only the icon's own length is compared).
  wrestool -x -t 14 "$exe" >"$unpacked/icon.ico" 2>/dev/null || true
  ico="$here/src/app/tavlin.ico"
  cmp -s -n "$(stat -c %s "$ico")" "$unpacked/icon.ico" "$ico" || fault "tavlin.exe lacks the icon"

  # The version resource: the project version, both language blocks, Korean text as Hangul.
  resources="$(x86_64-w64-mingw32-windres -i "$exe" -O rc 2>/dev/null || true)"
  info="$(sed -n '/VERSIONINFO/,/^END/p' <<<"$resources")"
  IFS=. read -r major minor patch <<<"$version"
  grep -q "FILEVERSION $major, $minor, $patch, 0" <<<"$info" || fault "FILEVERSION is not $version"
  grep -q "PRODUCTVERSION $major, $minor, $patch, 0" <<<"$info" || fault "PRODUCTVERSION is not $version"
  grep -q 'VALUE "Translation", 0x412, 1200, 0x409, 1200' <<<"$info" ||
    fault "the version resource does not name Korean and English"
  for block in 041204B0 040904B0; do
    strings="$(sed -n "/BLOCK \"$block\"/,/END/p" <<<"$info")"
    for key in FileVersion ProductVersion; do
      grep -q "VALUE \"$key\", \"$version\"" <<<"$strings" || fault "$block: $key is not $version"
    done
    grep -q 'VALUE "ProductName", "tavlin"' <<<"$strings" || fault "$block: no ProductName"
    grep -q 'VALUE "FileDescription", L\?"..*"' <<<"$strings" || fault "$block: no FileDescription"
  done
  # windres writes what is not ASCII as \xNNNN; every such character must be a Hangul syllable.
  korean="$(sed -n '/BLOCK "041204B0"/,/END/p' <<<"$info" | grep 'FileDescription' || true)"
  codes="$(grep -oE '\\x[0-9a-f]{4}' <<<"$korean" | cut -c3- || true)"
  [ -n "$codes" ] || fault "the Korean FileDescription holds no Korean"
  for code in $codes; do
    [ $((16#$code)) -ge $((16#AC00)) ] && [ $((16#$code)) -le $((16#D7A3)) ] ||
      fault "the Korean FileDescription holds U+$code, not a Hangul syllable"
  done
fi

if [ "$faults" -gt 0 ]; then
  exit 1
fi
echo "release zip: $(basename "$zip") holds $(echo $listed); all as shipped"
