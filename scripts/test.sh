#!/usr/bin/env bash
# Builds tavlin and runs every test: the Windows build, its release zip, its unit tests under
# Wine, the end-to-end tests of the real tavlin.exe under Wine and Xvfb, native unit tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzzers for a bounded time.
# Work that needs no other's result overlaps where it would leave a core idle: the four build
# folders are configured at once, the Wine prefix is made meanwhile, the end-to-end cases start
# once the programs they run are built, the other builds and tests take the turns those cases
# leave idle, and the fuzzers run side by side, one a core, each for its whole time. Each step
# says when it started.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$PWD"
started=$SECONDS
scripts/install-packages.sh --test

step() { printf '\n=== %s (at %d s) ===\n' "$*" $((SECONDS - started)); }

step "source layout"
scripts/check-layout.sh

step "configure the Windows, native, release and fuzz builds"
# The Wine prefixes of the end-to-end cases' lanes (the first serves the Windows unit tests too).
prefix="$root/build/windows/e2e-prefix"
mkdir -p build/windows
tests/e2e/run.sh "$root/build/windows" --prepare >build/wine-prefix.log 2>&1 &
prefix_job=$!
# The Windows build comes first, the others configure while it builds.
configure_jobs=()
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVLIN_SANITIZE=ON >/dev/null &
configure_jobs+=($!)
cmake -S . -B build/native-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVLIN_TESTS=OFF \
  >/dev/null &
configure_jobs+=($!)
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVLIN_FUZZ=ON -DTAVLIN_TESTS=OFF >/dev/null &
configure_jobs+=($!)
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null

step "Windows build of the programs the end-to-end cases run"
# The end-to-end cases take longest, so they start as soon as their programs are built; the rest
# of the Windows build (its unit tests, the benchmarks' programs) follows beside them.
cmake --build build/windows --target tavlin tavlin_probe tavlin_timetable_demo tavlin_popup_demo \
  tavlin_send_dpi_change
scripts/check-imports.sh build/windows/tavlin.exe

step "end-to-end tests under Wine + Xvfb"
for job in "${configure_jobs[@]}"; do wait "$job"; done
wait "$prefix_job" || { cat build/wine-prefix.log; exit 1; }
# The cases mostly wait for the program's moments, leaving the cores idle; the builds and the
# native tests take those idle turns meanwhile. They run in the idle scheduling class, which gets
# a core only when no ordinary process wants it, so a case's timing sees the machine as if they
# were not there. The cases' report follows those steps.
echo "(runs alongside the next steps; its report comes after them)"
tests/e2e/run.sh "$root/build/windows" >build/e2e.log 2>&1 &
e2e_job=$!
# A failing step ends the script only once the cases have ended, leaving no Wine behind.
trap 'wait "$e2e_job" 2>/dev/null || true; cat build/e2e.log' EXIT
idle() { chrt --idle 0 "$@"; }

step "the rest of the Windows build, and its release zip"
idle cmake --build build/windows
idle cmake --build build/windows --target release_zip >/dev/null
scripts/check-release-zip.sh build/windows

step "native unit tests (ASan + UBSan)"
idle cmake --build build/native
# One process for all the tests: CTest would start one a test, each paying the sanitizers' start.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 idle build/native/tavlin_unit_tests \
  --gtest_brief=1

step "native release build"
# Optimised builds warn differently; the program's own code must stay free of warnings there too.
# The Windows build compiles every other source of the program with the same GCC release and
# options; only the POSIX side of the platform seams is left to this build.
posix_objects=($(ninja -C build/native-release -t targets all | grep -o '^[^:]*_posix\.cpp\.o'))
[ "${#posix_objects[@]}" -gt 0 ] || { echo "no POSIX sources in build/native-release"; exit 1; }
idle ninja -C build/native-release "${posix_objects[@]}"

step "fuzzer build"
idle cmake --build build/fuzz

step "end-to-end results"
e2e_status=0
wait "$e2e_job" || e2e_status=$?
trap - EXIT
cat build/e2e.log
[ "$e2e_status" -eq 0 ]

step "Windows unit tests under Wine"
# In the first lane's Wine prefix, free again now that the cases have ended.
(
  source scripts/wine-prefix.sh "$prefix"
  ctest --test-dir build/windows --output-on-failure
  wineserver -k >/dev/null 2>&1 || true
)

step "fuzzers"
# Runs fuzzer $1 for its time; prints the end of its log when it found a fault.
run_fuzzer() {
  local fuzzer="$1" name corpus
  name="$(basename "$fuzzer")"
  corpus="build/fuzz/corpus-$name"
  mkdir -p "$corpus"
  echo "$name: ${FUZZ_SECONDS:-15} s"
  "$fuzzer" -max_total_time="${FUZZ_SECONDS:-15}" -timeout=5 -print_final_stats=0 \
    "$corpus" "tests/fuzz/corpus/$name" 2>"build/fuzz/$name.log" ||
    { tail -n 40 "build/fuzz/$name.log"; return 1; }
}
fuzz_jobs=()
for fuzzer in build/fuzz/*_fuzz; do
  [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue  # not the corpus folders beside them
  # One fuzzer a core: wait for one to end before starting another.
  while [ "$(jobs -pr | wc -l)" -ge "$(nproc)" ]; do sleep 1; done
  run_fuzzer "$fuzzer" &
  fuzz_jobs+=($!)
done
for job in "${fuzz_jobs[@]}"; do wait "$job"; done
step "all passed"
