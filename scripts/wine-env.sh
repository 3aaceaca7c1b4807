# Sourced by the harness scripts: the Wine programs and the environment every
# Wine run needs. WINEPREFIX is set by the caller (or defaults to the unit-test
# prefix of the build).
BX_ROOT=${BX_ROOT:-$(cd "$(dirname "$0")/.." && pwd)}
BX_BUILD=${BX_BUILD:-$BX_ROOT/build}
BX_WINE_DIR=${BX_WINE_DIR:-$BX_BUILD/wine}
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=-all
# Without this, a shortcut saved under the Start Menu writes desktop files
# into the host's XDG folders.
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
export WINEPREFIX=${WINEPREFIX:-$BX_WINE_DIR/unit}
