#!/bin/sh
# The part of the test run that needs Wine and a display: win64 unit tests in
# the build's unit prefix, then the end-to-end scenarios (each in a copy of
# the template prefix). Called by scripts/test.sh inside with-display.sh.
set -u
BX_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$BX_ROOT/scripts/wine-env.sh"
results=$BX_BUILD/test-status
logs=$BX_BUILD/logs

echo "test: win64 unit tests under Wine"
rm -rf "$BX_BUILD/win64/test-results"; mkdir -p "$BX_BUILD/win64/test-results"
# Keep one server up and boot its services outside CTest's pipes; otherwise
# CTest waits on the lingering server (see the harness notes in docs/).
"$WINESERVER" -p
"$WINE" "$BX_BUILD/win64/e2e/programs/e2e_probe.exe" </dev/null >/dev/null 2>&1
ctest --test-dir "$BX_BUILD/win64" -j2 --timeout 300 --output-on-failure >"$logs/test-win64.log" 2>&1
echo $? >"$results/win64.rc"
"$WINESERVER" -k 2>/dev/null || true

echo "test: end-to-end scenarios"
/usr/bin/python3 -m pytest -q -p no:cacheprovider "$BX_ROOT/e2e" \
    --junitxml="$BX_BUILD/test-results-e2e.xml" >"$logs/test-e2e.log" 2>&1
echo $? >"$results/e2e.rc"
