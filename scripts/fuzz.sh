#!/bin/sh
# Runs every libFuzzer target of the native tree for a bounded time.
# Usage: scripts/fuzz.sh [seconds-per-target] [target]
# Seeds are copied from fuzz/corpus/<target>/ into build/fuzz/<target>/corpus,
# which keeps what earlier runs found; crashes land in build/fuzz/<target>/.
set -u
BX_ROOT=$(cd "$(dirname "$0")/.." && pwd)
BX_BUILD=${BX_BUILD:-$BX_ROOT/build}
seconds=${1:-10}
only=${2:-}
list=$BX_BUILD/native/fuzzers.txt
status=$BX_BUILD/test-status
mkdir -p "$status"
: >"$status/fuzz.txt"
[ -f "$list" ] || { echo "fuzz: no target list (build the native tree first)"; exit 1; }

failed=0
while IFS='|' read -r name binary corpus; do
    [ -n "$name" ] || continue
    [ -z "$only" ] || [ "$only" = "$name" ] || continue
    work=$BX_BUILD/fuzz/$name
    mkdir -p "$work/corpus"
    [ -d "$corpus" ] && cp -r "$corpus/." "$work/corpus/"
    echo "fuzz: $name for ${seconds}s"
    if "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
        -artifact_prefix="$work/" "$work/corpus" >"$work/last-run.log" 2>&1; then
        echo "$name 0" >>"$status/fuzz.txt"
    else
        echo "$name 1" >>"$status/fuzz.txt"
        echo "fuzz: $name FAILED (log: $work/last-run.log)"
        tail -30 "$work/last-run.log"
        failed=1
    fi
done <"$list"
exit $failed
