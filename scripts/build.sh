#!/bin/sh
# Configures (once) and builds the named trees: native, win64, win32, bench.
# Usage: scripts/build.sh tree...
set -eu
BX_ROOT=$(cd "$(dirname "$0")/.." && pwd)
BX_BUILD=${BX_BUILD:-$BX_ROOT/build}
mkdir -p "$BX_BUILD/logs"
for tree in "$@"; do
    dir=$BX_BUILD/$tree
    case $tree in
        native) args="-DCMAKE_TOOLCHAIN_FILE=$BX_ROOT/cmake/toolchain-native.cmake -DCMAKE_BUILD_TYPE=Debug" ;;
        bench) args="-DCMAKE_TOOLCHAIN_FILE=$BX_ROOT/cmake/toolchain-native.cmake -DCMAKE_BUILD_TYPE=Release -DBX_SANITIZE=OFF -DBX_FUZZ=OFF -DBX_BENCH=ON" ;;
        win64|win32) args="-DCMAKE_TOOLCHAIN_FILE=$BX_ROOT/cmake/toolchain-$tree.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo" ;;
        *) echo "build: unknown tree $tree" >&2; exit 2 ;;
    esac
    log=$BX_BUILD/logs/build-$tree.log
    : >"$log"
    if [ ! -f "$dir/build.ninja" ]; then
        # shellcheck disable=SC2086
        if ! cmake -G Ninja -S "$BX_ROOT" -B "$dir" $args >>"$log" 2>&1; then
            cat "$log" >&2
            echo "build: configuring $tree failed (log: $log)" >&2
            exit 1
        fi
    fi
    if ! cmake --build "$dir" >>"$log" 2>&1; then
        grep -E 'error|Error|FAILED' "$log" | head -40 >&2
        echo "build: building $tree failed (log: $log)" >&2
        exit 1
    fi
    warnings=$(grep -c 'warning:' "$log" || true)
    echo "build: $tree ok${warnings:+ ($warnings warnings, see $log)}" | sed 's/ (0 warnings, see [^)]*)//'
done
