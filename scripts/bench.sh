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
[ $found = 1 ] || echo "bench: no benchmarks built yet"
