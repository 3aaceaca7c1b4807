#!/bin/sh
# Runs a command with an X display: the caller's DISPLAY when set, otherwise
# an Xvfb of our own that is stopped when the command ends.
# Usage: scripts/with-display.sh command [args...]
set -eu
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi

number=90
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
    number=$((number + 1))
done
Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT INT TERM

# Wait until the server accepts connections (at most about 5 s).
tries=0
until xdpyinfo -display ":$number" >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 50 ]; then
        echo "with-display: Xvfb :$number did not start" >&2
        exit 1
    fi
    sleep 0.1
done

export DISPLAY=":$number"
status=0
"$@" || status=$?
exit $status
