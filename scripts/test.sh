#!/bin/sh
# The whole test run behind `make test`: set-up, the three builds, native unit
# tests (sanitizers on), win64 unit tests and end-to-end scenarios under Wine,
# short fuzz runs, then one summary line. Exits non-zero when anything failed.
set -u
BX_ROOT=$(cd "$(dirname "$0")/.." && pwd)
export BX_ROOT
BX_BUILD=${BX_BUILD:-$BX_ROOT/build}
export BX_BUILD
results=$BX_BUILD/test-status
logs=$BX_BUILD/logs
start=$(date +%s)

"$BX_ROOT/scripts/setup.sh" || { echo "make test: 0 passed, 1 failed (set-up failed)"; exit 1; }
"$BX_ROOT/scripts/build.sh" native win64 win32 || { echo "make test: 0 passed, 1 failed (the build failed, see above)"; exit 1; }

rm -rf "$results"
mkdir -p "$results" "$logs"

echo "test: native unit tests (AddressSanitizer, UBSan)"
rm -rf "$BX_BUILD/native/test-results"; mkdir -p "$BX_BUILD/native/test-results"
ctest --test-dir "$BX_BUILD/native" -j2 --output-on-failure >"$logs/test-native.log" 2>&1
echo $? >"$results/native.rc"

"$BX_ROOT/scripts/assemble-package.sh" || { echo "make test: 0 passed, 1 failed (assembling the package failed)"; exit 1; }
"$BX_ROOT/scripts/wine-prefix.sh" || { echo "make test: 0 passed, 1 failed (making the Wine prefixes failed)"; exit 1; }
"$BX_ROOT/scripts/with-display.sh" "$BX_ROOT/scripts/test-wine.sh"

echo "test: fuzz targets"
"$BX_ROOT/scripts/fuzz.sh" "${BX_FUZZ_SECONDS:-10}" >"$logs/fuzz.log" 2>&1
echo $? >"$results/fuzz.rc"

/usr/bin/python3 "$BX_ROOT/scripts/summary.py" "$BX_BUILD" "$(( $(date +%s) - start ))"
