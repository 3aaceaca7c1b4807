#!/bin/sh
# Assembles the demo package: demo/ content plus the built win64 binaries,
# in the layout the installer expects.
# Usage: scripts/assemble-package.sh [win64 build folder] [package folder]
set -eu
BX_ROOT=$(cd "$(dirname "$0")/.." && pwd)
BX_BUILD=${BX_BUILD:-$BX_ROOT/build}
win64=${1:-$BX_BUILD/win64}
package=${2:-$BX_BUILD/package}

rm -rf "$package"
mkdir -p "$package"
cp -r "$BX_ROOT/demo/." "$package/"
rm -f "$package/README.md"
find "$package" -name .keep -delete
# The skin's pictures are drawn here, not kept in git.
"$BX_ROOT/scripts/make-skin.sh" "$package/Vantune/Skins/Standard View/Aurora"
cp "$win64/installer/InstallWizard.exe" "$package/"
cp "$win64/platform/bxtools/BXTools.dll" "$package/Vantune/"
cp "$win64/platform/product/PackageInstaller.exe" "$win64/platform/product/BXService.exe" "$package/Vantune/"
mkdir -p "$package/System/Always Overwrite"
cp "$win64/platform/product/Coravel Launcher.exe" "$package/System/Always Overwrite/"
