#!/usr/bin/env bash
# Keeps the source tree's layering honest:
#  - portable sources (every file under src/ and tests/unit/ whose name has no _win32) include
#    neither <windows.h> nor any *_win32 header;
#  - no two top folders of src/ include each other.
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

while IFS= read -r file; do
  case "$file" in *_win32.*) continue ;; esac
  while IFS= read -r line; do
    fault "$file includes window code: $line"
  done < <(grep -nE '^\s*#\s*include\s*[<"]([^">]*_win32\.h|windows\.h)[">]' "$file" || true)
done < <(sources 'src/*.h' 'src/*.cpp' 'tests/unit/*.h' 'tests/unit/*.cpp')

# "from to" for every include of one top folder's header by another top folder's file.
edges="$(
  sources 'src/*.h' 'src/*.cpp' | while IFS= read -r file; do
    from="$(cut -d/ -f2 <<<"$file")"
    { grep -hoE '^\s*#\s*include\s*"[a-z0-9_]+/' "$file" || true; } | sed -E 's/.*"([a-z0-9_]+)\//\1/' |
      while IFS= read -r to; do
        [ "$to" = "$from" ] || echo "$from $to"
      done
  done | sort -u
)"
while read -r from to; do
  [ -n "$from" ] || continue
  if grep -qx "$to $from" <<<"$edges" && [[ "$from" < "$to" ]]; then
    fault "src/$from and src/$to include each other"
  fi
done <<<"$edges"

if [ "$faults" -gt 0 ]; then
  exit 1
fi
echo "layout: $(wc -l <<<"$edges") folder dependencies, all one-way; portable sources free of window code"
