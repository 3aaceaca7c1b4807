#!/bin/sh
# make demo: builds the win64 tree, assembles build/package/, runs the
# installer unattended ("/Silent") under Wine in a fresh prefix and prints
# what happened. With --gui the installer runs on the caller's X display
# (message boxes then wait for a person).
set -eu
BX_ROOT=$(cd "$(dirname "$0")/.." && pwd)
export BX_ROOT
. "$BX_ROOT/scripts/wine-env.sh"
gui=0
[ "${1:-}" = "--gui" ] && gui=1

"$BX_ROOT/scripts/setup.sh"
"$BX_ROOT/scripts/build.sh" win64
"$BX_ROOT/scripts/assemble-package.sh"
"$BX_ROOT/scripts/wine-prefix.sh"

demo=$BX_BUILD/demo
rm -rf "$demo"
mkdir -p "$demo"
export WINEPREFIX=$demo/prefix
export BX_PRODUCT_JOURNAL='C:\product-journal.txt'
cp -a "$BX_WINE_DIR/template" "$WINEPREFIX"
package_dir=$WINEPREFIX/drive_c/Package
cp -r "$BX_BUILD/package" "$package_dir"

echo
echo "demo: running C:\\Package\\InstallWizard.exe /Silent in $WINEPREFIX"
status=0
if [ $gui = 1 ]; then
    [ -n "${DISPLAY:-}" ] || { echo "demo-gui: DISPLAY is not set" >&2; exit 1; }
    "$WINE" "$package_dir/InstallWizard.exe" || status=$?
else
    # Unattended: message boxes take their default answers and are logged.
    BXTOOLS_ANSWERS="" "$BX_ROOT/scripts/with-display.sh" "$WINE" "$package_dir/InstallWizard.exe" /Silent ||
        status=$?
fi
"$WINESERVER" -w

user=$(ls "$WINEPREFIX/drive_c/users" | grep -v Public | head -1)
log="$WINEPREFIX/drive_c/users/$user/Temp/Install Wizard.log"
echo "  exit code:   $status"
echo "  log:         $log"
printf '               (%s inside the prefix)\n' "C:\\users\\$user\\Temp\\Install Wizard.log"
echo "  package:     C:\\Package, now holding:"
(cd "$package_dir" && find . -type f | sed 's|^\./|                 |' | sort)
echo "  started:     $(cat "$WINEPREFIX/drive_c/product-journal.txt" 2>/dev/null || echo "no product program")"
echo
echo "--- the installer's log ---"
sed 's/\r$//' "$log" 2>/dev/null || echo "(no log written)"
echo "---"
echo
echo "demo: not built yet: the wizard and its pages (the run ends after start-up),"
echo "      the install engine (nothing is copied, no registry records, no Finish.txt)."
echo "      'make screenshots' saves the toolkit's sample wizard, drawn with the demo skin,"
echo "      page by page into build/screenshots/."
