#!/bin/sh
# Runs every benchmark binary of the Release native tree (make bench).
# Usage: scripts/bench.sh [name-filter]   e.g. scripts/bench.sh bench_string
set -eu
BX_ROOT=$(cd "$(dirname "$0")/.." && pwd)
BX_BUILD=${BX_BUILD:-$BX_ROOT/build}
found=0
for binary in "$BX_BUILD"/bench/bench/bench_*; do
    [ -x "$binary" ] || continue
    case "$(basename "$binary")" in *"${1:-}"*) ;; *) continue ;; esac
    found=1
    echo "== $(basename "$binary")"
    "$binary" --benchmark_counters_tabular=true
done
[ $found = 1 ] || echo "bench: no micro-benchmarks built yet"

# Whole-process start-up under Wine, when the win64 tree and the package exist.
if [ -z "${1:-}" ] || [ "${1:-}" = startup ]; then
    if [ -f "$BX_BUILD/package/InstallWizard.exe" ] && [ -f "$BX_BUILD/wine/template/.bx-ready" ]; then
        echo "== startup (bench/startup.py)"
        "$BX_ROOT/scripts/with-display.sh" /usr/bin/python3 "$BX_ROOT/bench/startup.py"
    else
        echo "bench: startup skipped (run make test or make demo first)"
    fi
fi
