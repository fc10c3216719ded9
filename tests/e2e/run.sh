#!/usr/bin/env bash
# Runs every end-to-end case (tests/e2e/cases/*.sh) against the Windows build in $1, each on its
# own virtual display, and keeps screenshots under $1/e2e-artifacts/<case>/.
# Usage: tests/e2e/run.sh BUILD_DIR [CASE_NAME_PATTERN]
set -uo pipefail
shopt -s nullglob
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export E2E_BUILD="$(realpath "$1")"
pattern="${2:-}"
export E2E_PREFIX="$E2E_BUILD/e2e-prefix"
"$here/../../scripts/wine-prefix.sh" "$E2E_PREFIX"
# Wine settings a case changes for itself; a run that was killed may have left them behind.
reset_prefix() {
  WINEPREFIX="$E2E_PREFIX" wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$E2E_PREFIX" wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f \
    </dev/null >/dev/null 2>&1 || true
  WINEPREFIX="$E2E_PREFIX" wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f \
    </dev/null >/dev/null 2>&1 || true
  # That Wine session started without a display: end it, or the next program would join it and
  # find no graphics driver.
  WINEPREFIX="$E2E_PREFIX" wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$E2E_PREFIX" wineserver -w >/dev/null 2>&1 || true
}
reset_prefix

passed=0
failed=0
failures=()
for case_file in "$here"/cases/*.sh; do
  name="$(basename "$case_file" .sh)"
  [[ -z "$pattern" || "$name" == *$pattern* ]] || continue
  export E2E_ARTIFACTS="$E2E_BUILD/e2e-artifacts/$name"
  rm -rf "$E2E_ARTIFACTS"
  mkdir -p "$E2E_ARTIFACTS"
  start=$SECONDS
  if timeout 300 bash "$case_file" >"$E2E_ARTIFACTS/log.txt" 2>&1; then
    passed=$((passed + 1))
    echo "PASS $name ($((SECONDS - start)) s)"
  else
    failed=$((failed + 1))
    failures+=("$name")
    echo "FAIL $name ($((SECONDS - start)) s); log:"
    sed 's/^/    /' "$E2E_ARTIFACTS/log.txt" | tail -n 40
    # A case killed by the time limit leaves its Wine settings and processes behind.
    reset_prefix
  fi
done
echo "screenshots: $E2E_BUILD/e2e-artifacts"
[ ${#failures[@]} -eq 0 ] || echo "failed cases: ${failures[*]}"
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
