#!/usr/bin/env bash
# Times tavlin's handling of large player files, natively and (with --wine) as tavlin.exe does it
# under Wine: a 20 MB quiz file in code page 949 and in UTF-8, an alarm list of 10,000 lines and
# one with a 1 MB line. The files are made here, under build/bench-inputs/.
# Usage: bench/input_bench.sh [--wine] [ROUNDS]
set -euo pipefail
wine_too=0
[ "${1:-}" = --wine ] && { wine_too=1; shift; }
rounds="${1:-10}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
inputs="$root/build/bench-inputs"
mkdir -p "$inputs"/{quiz-cp949,quiz-utf8,gogo-10000,gogo-1mb-line}

# About 20 MB of question lines in each encoding.
make_quiz() {  # LINES ENCODING FILE
  awk -v n="$1" 'BEGIN { for (i = 1; i <= n; i++)
    printf "문제 %06d: 조선의 몇 번째 왕이 훈민정음을 반포했나? // 답 %06d 세종\r\n", i, i }' |
    iconv -f UTF-8 -t "$2" >"$3"
}
[ -s "$inputs/quiz-utf8/tavlin.quiz" ] || make_quiz 210000 UTF-8 "$inputs/quiz-utf8/tavlin.quiz"
[ -s "$inputs/quiz-cp949/tavlin.quiz" ] || make_quiz 274000 CP949 "$inputs/quiz-cp949/tavlin.quiz"
header="번호|종류|시작|끝|요일|제목|내용"
awk -v h="$header" 'BEGIN { print h; for (i = 1; i <= 10000; i++) printf "%d|7|20:00|20:30|0|알림 %d|내용 %d\n", i, i, i }' |
  iconv -f UTF-8 -t CP949 >"$inputs/gogo-10000/tavlin.gogo"
{ echo "$header"; printf '1|7|20:00|20:30|0|긴 줄|'; head -c 1048576 /dev/zero | tr '\0' 'x'; echo; } |
  iconv -f UTF-8 -t CP949 >"$inputs/gogo-1mb-line/tavlin.gogo"
ls -l "$inputs"/*/tavlin.*

cmake -S . -B build/bench-native -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVLIN_TESTS=OFF \
  -DTAVLIN_BENCH=ON >/dev/null
cmake --build build/bench-native --target tavlin_input_bench >/dev/null
for folder in "$inputs"/*/; do
  echo "== native, $(basename "$folder")"
  build/bench-native/tavlin_input_bench "$folder" "$rounds"
done
[ "$wine_too" -eq 1 ] || exit 0

cmake -S . -B build/bench-windows -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVLIN_TESTS=OFF \
  -DTAVLIN_BENCH=ON -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/bench-windows --target tavlin_input_bench >/dev/null
source scripts/wine-prefix.sh build/bench-windows/wine-prefix
for folder in "$inputs"/*/; do
  echo "== Windows build under Wine, $(basename "$folder")"
  cmake/wine-run.sh build/bench-windows/tavlin_input_bench.exe "$(winepath -w "$folder")" "$rounds" |
    tr -d '\r'
done
wineserver -k || true
