#!/bin/sh
# make demo: builds the win64 tree, assembles build/package/, runs the
# installer unattended ("/Silent") under Wine in a fresh prefix and prints
# what happened. With --gui the wizard opens on the caller's X display.
set -eu
BX_ROOT=$(cd "$(dirname "$0")/.." && pwd)
export BX_ROOT
. "$BX_ROOT/scripts/wine-env.sh"
gui=0
[ "${1:-}" = "--gui" ] && gui=1

"$BX_ROOT/scripts/setup.sh"
"$BX_ROOT/scripts/build.sh" win64
"$BX_ROOT/scripts/wine-prefix.sh"

demo=$BX_BUILD/demo
rm -rf "$demo"
mkdir -p "$demo"
export WINEPREFIX=$demo/prefix
cp -a "$BX_WINE_DIR/template" "$WINEPREFIX"

installer=$BX_BUILD/win64/installer/InstallWizard.exe
if [ ! -f "$installer" ]; then
    echo
    echo "demo: InstallWizard.exe is not built yet: the installer, its tools"
    echo "      component, the demo package and the screenshots arrive with the"
    echo "      next pieces of work. What exists is the build and the Wine"
    echo "      harness; this run shows it working end to end:"
    echo
    probe=$BX_BUILD/win64/e2e/programs/e2e_probe.exe
    status=0
    "$WINE" "$probe" /reg HKLM 'Software\Brenix Tests\Demo' Greeting 'written under Wine' \
        /file 'C:\demo.txt' 'a file written by a Windows program' /osver 'C:\osver.txt' /exit 0 || status=$?
    "$WINESERVER" -w
    echo "  prefix:           $WINEPREFIX"
    echo "  program:          e2e_probe.exe (exit code $status)"
    echo "  Windows version:  $(cat "$WINEPREFIX/drive_c/osver.txt") as the program sees it"
    echo "  file C:\\demo.txt: $(cat "$WINEPREFIX/drive_c/demo.txt")"
    printf '  registry:         '
    "$WINE" reg query 'HKLM\Software\Brenix Tests\Demo' /v Greeting 2>/dev/null | tr -d '\r' | grep Greeting | sed 's/^ *//'
    "$WINESERVER" -k 2>/dev/null || true
    [ $gui = 0 ] || echo "demo: nothing to show in a window yet."
    exit 0
fi
