#!/bin/sh
# Makes the Wine prefixes of a build, once:
#   build/wine/template  a fresh 64-bit prefix that end-to-end scenarios copy
#   build/wine/unit      a copy of it in which the unit tests run
# Usage: scripts/wine-prefix.sh [--force]
# Each prefix is quiet (no first-run dialogs, no desktop-file side effects),
# has real user folders instead of links into the Linux home, and runs its
# windows inside a 1024x768 Wine virtual desktop.
set -eu
BX_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$BX_ROOT/scripts/wine-env.sh"

template=$BX_WINE_DIR/template
unit=$BX_WINE_DIR/unit

if [ "${1:-}" = "--force" ]; then
    rm -rf "$template" "$unit"
fi

if [ ! -f "$template/.bx-ready" ]; then
    rm -rf "$template"
    mkdir -p "$BX_WINE_DIR"
    echo "wine-prefix: creating the template prefix (about 10 s)"
    (
        export WINEPREFIX="$template"
        "$WINE" wineboot -i >/dev/null 2>&1
        "$WINESERVER" -w
        # User folders are links to $HOME in a fresh prefix: make them real,
        # or tests write into the Linux home.
        users="$template/drive_c/users"
        for user in "$users"/*; do
            for name in Desktop Documents Downloads Music Pictures Videos Templates; do
                if [ -L "$user/$name" ]; then
                    rm "$user/$name"
                    mkdir -p "$user/$name"
                fi
            done
        done
        # A virtual desktop: top-level windows appear at once without a window manager.
        "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
        # No crash dialog: a crashing test must end, not wait for a click.
        "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
        "$WINESERVER" -w
    )
    touch "$template/.bx-ready"
fi

if [ ! -f "$unit/.bx-ready" ]; then
    rm -rf "$unit"
    cp -a "$template" "$unit"
fi
