#!/usr/bin/env bash
# Builds tavlin and runs every test: native unit tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzzers for a bounded time, the Windows build, its release zip,
# its unit tests under Wine, and the end-to-end tests of the real tavlin.exe under Wine and Xvfb.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$PWD"
scripts/install-packages.sh --test

step() { printf '\n=== %s ===\n' "$*"; }

step "source layout"
scripts/check-layout.sh

step "native unit tests (ASan + UBSan)"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVLIN_SANITIZE=ON >/dev/null
cmake --build build/native
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/native --output-on-failure -j "$(nproc)"

step "native release build"
# Optimised builds warn differently; the program's own code must stay free of warnings there too.
cmake -S . -B build/native-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native-release
ctest --test-dir build/native-release --output-on-failure -j "$(nproc)" >/dev/null

step "fuzzers"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVLIN_FUZZ=ON -DTAVLIN_TESTS=OFF >/dev/null
cmake --build build/fuzz
for fuzzer in build/fuzz/*_fuzz; do
  [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue  # not the corpus folders beside them
  name="$(basename "$fuzzer")"
  corpus="build/fuzz/corpus-$name"
  mkdir -p "$corpus"
  echo "$name: ${FUZZ_SECONDS:-30} s"
  "$fuzzer" -max_total_time="${FUZZ_SECONDS:-30}" -timeout=5 -print_final_stats=0 \
    "$corpus" "tests/fuzz/corpus/$name" 2>"build/fuzz/$name.log" ||
    { tail -n 40 "build/fuzz/$name.log"; exit 1; }
done

step "Windows build"
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/windows
scripts/check-imports.sh build/windows/tavlin.exe

step "release zip"
cmake --build build/windows --target release_zip >/dev/null
scripts/check-release-zip.sh build/windows

step "Windows unit tests under Wine"
source scripts/wine-prefix.sh build/wine-prefix
ctest --test-dir build/windows --output-on-failure

step "end-to-end tests under Wine + Xvfb"
tests/e2e/run.sh "$root/build/windows"
