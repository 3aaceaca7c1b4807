#!/bin/sh
# Saves a PNG of every page of the toolkit's sample wizard, drawn with the demo
# skin through BXTools.dll, into $BX_BUILD/screenshots/ (page-1.png ...).
# Usage: scripts/screenshots.sh
set -eu
BX_ROOT=$(cd "$(dirname "$0")/.." && pwd)
BX_BUILD=${BX_BUILD:-$BX_ROOT/build}
export BX_BUILD
if [ ! -f "$BX_BUILD/win64/build.ninja" ]; then
    "$BX_ROOT/scripts/build.sh" win64
fi
cmake --build "$BX_BUILD/win64" --target BXToolkitSample BXTools >"$BX_BUILD/logs/build-screenshots.log" 2>&1 || {
    grep -E 'error|FAILED' "$BX_BUILD/logs/build-screenshots.log" | head -20 >&2
    echo "screenshots: build failed" >&2
    exit 1
}
"$BX_ROOT/scripts/wine-prefix.sh"
. "$BX_ROOT/scripts/wine-env.sh"

# The program, the tools component and the skin side by side, as in a package.
app=$BX_BUILD/screenshots-app
skin="$app/Skins/Aurora"
rm -rf "$app"
mkdir -p "$skin"
cp "$BX_BUILD/win64/toolkit/sample/BXToolkitSample.exe" "$BX_BUILD/win64/platform/bxtools/BXTools.dll" "$app/"
cp "$BX_ROOT/demo/Vantune/Skins/Standard View/Aurora/main.xml" "$skin/"
"$BX_ROOT/scripts/make-skin.sh" "$skin" >/dev/null
# The welcome page's picture, drawn here like the skin's.
convert -size 64x64 radial-gradient:'#2B7DE0-#F4F6F9' "$app/sample.png"

out=$BX_BUILD/screenshots
rm -rf "$out"
mkdir -p "$out"
export WINEPREFIX=$BX_WINE_DIR/screenshots
if [ ! -d "$WINEPREFIX" ]; then
    cp -a "$BX_WINE_DIR/template" "$WINEPREFIX"
fi
winpath() { echo "Z:$1" | sed 's|/|\\|g'; }
status=0
"$BX_ROOT/scripts/with-display.sh" sh -c '"$1" -p >/dev/null 2>&1 </dev/null; "$2" "$3" --skin "$4" --image "$5" --screenshots "$6" </dev/null; rc=$?; "$1" -k >/dev/null 2>&1; exit $rc' \
    sh "$WINESERVER" "$WINE" "$app/BXToolkitSample.exe" "$(winpath "$skin")" "$(winpath "$app/sample.png")" "$(winpath "$out")" || status=$?
if [ $status -ne 0 ]; then
    echo "screenshots: the sample ended with $status" >&2
    exit 1
fi
echo "screenshots: $(ls "$out" | wc -l) pages in $out"
