#!/usr/bin/env bash
# Keeps the source tree's layering honest:
#  - portable sources (every file under src/ and tests/unit/ whose name has no _win32) include
#    neither <windows.h> nor any *_win32 header;
#  - a top folder of src/ includes only folders below it in `layers`, so includes go one way;
#  - no top folder holds more than 30 % of src/ (non-blank lines): a larger one is two rooms;
#  - no file of src/ but src/win32/system_library_win32.h loads a library (LoadLibrary...): every
#    library comes from the system folder through it, never from the folder tavlin.exe is in;
#  - every unit test of a platform seam (the real disk, text decoding) is among the Windows unit
#    tests in CMakeLists.txt, which run only those.
# Prints each fault and exits 1 when there is one.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Tracked and new files alike, as they are on disk now.
sources() {
  git ls-files --cached --others --exclude-standard "$@" | while IFS= read -r f; do
    [ -f "$f" ] && echo "$f"
  done | sort -u
}

faults=0
fault() {
  echo "layout: $*" >&2
  faults=$((faults + 1))
}

# Each check reads all its files in one grep: the script runs first in every test run.
portable=()
while IFS= read -r file; do
  case "$file" in *_win32.*) ;; *) portable+=("$file") ;; esac
done < <(sources 'src/*.h' 'src/*.cpp' 'tests/unit/*.h' 'tests/unit/*.cpp')
while IFS= read -r hit; do
  fault "${hit%%:*} includes window code: ${hit#*:}"
done < <(grep -HnE '^\s*#\s*include\s*[<"]([^">]*_win32\.h|windows\.h)[">]' "${portable[@]}" || true)

# "from to" for every include of one top folder's header by another top folder's file.
mapfile -t src_files < <(sources 'src/*.h' 'src/*.cpp')
edges="$(
  { grep -HoE '^\s*#\s*include\s*"[a-z0-9_]+/' "${src_files[@]}" || true; } |
    sed -E 's#^src/([a-z0-9_]+)/[^:]*:.*"([a-z0-9_]+)/$#\1 \2#' | awk '$1 != $2' | sort -u
)"
# The rooms from the bottom up: each may include the ones before it, never one after it.
layers=(base win32 clock popup alarms quiz widgets timetable editor strip app)
rank() {
  local i
  for i in "${!layers[@]}"; do
    [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
  done
  echo -1
}
for dir in src/*/; do
  dir="$(basename "$dir")"
  [ "$(rank "$dir")" -ge 0 ] || fault "src/$dir is not in the layers of check-layout.sh"
done
while read -r from to; do
  [ -n "$from" ] || continue
  if [ "$(rank "$to")" -ge "$(rank "$from")" ]; then
    fault "src/$from includes src/$to, which comes after it in the layers (${layers[*]})"
  fi
done <<<"$edges"

while IFS= read -r hit; do
  [ "${hit%%:*}" = src/win32/system_library_win32.h ] && continue
  fault "${hit%%:*} loads a library itself, not through win32/system_library_win32.h: ${hit#*:}"
done < <(sources 'src/*' | xargs grep -Hn 'LoadLibrary' || true)

# The list of the Windows unit tests, from "set(unit_test_sources" to its ")".
windows_tests="$(sed -n '/^ *set(unit_test_sources$/,/)/p' CMakeLists.txt)"
[ -n "$windows_tests" ] || fault "CMakeLists.txt has no list of the Windows unit tests"
while IFS= read -r file; do
  grep -qE "^ *$file\)?\$" <<<"$windows_tests" ||
    fault "$file tests a platform seam, but is not among the Windows unit tests in CMakeLists.txt"
done < <(sources 'tests/unit/*_test.cpp' | xargs grep -lE 'RealFileSystem|#include "base/text_decode\.h"' || true)

non_blank() { cat "$@" | grep -cv '^[[:space:]]*$'; }
total="$(non_blank $(sources 'src/*.h' 'src/*.cpp'))"
for dir in src/*/; do
  lines="$(non_blank $(sources "${dir}*.h" "${dir}*.cpp") /dev/null)"
  [ $((lines * 100)) -le $((total * 30)) ] ||
    fault "$dir holds $lines of the $total lines of src/, more than 30 %"
done

if [ "$faults" -gt 0 ]; then
  exit 1
fi
echo "layout: $(wc -l <<<"$edges") folder dependencies, all down the layers; no folder over 30 %;" \
  "portable sources free of window code; libraries loaded through system_library_win32.h only;" \
  "the platform seams' tests run under Windows"
