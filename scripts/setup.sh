#!/bin/sh
# Installs the Debian packages that the build, the tests, the demo and the
# benchmarks need. Idempotent: when everything is present it only reads dpkg.
set -eu

PACKAGES="
cmake ninja-build make g++ clang libclang-rt-14-dev
g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
libz-mingw-w64-dev
googletest libbenchmark-dev libpugixml-dev
wine64 xvfb xauth x11-utils imagemagick
python3 python3-pytest
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

echo "setup: installing$missing"
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq >/dev/null
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
echo "setup: done"
