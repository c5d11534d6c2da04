#!/usr/bin/env bash
# `varo-host --window` where no display can be opened: a clear error, status 2, nothing
# started (no preference store written), and no crash.
# usage: no-display.sh VARO-HOST
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 "$1" --window --prefs "$work/prefs.json" \
    >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 2 ] || { echo "status $status, not 2"; cat "$work/err"; exit 1; }
grep -q '^varo-host: cannot open a window: ' "$work/err" || { echo "no clear error:"; cat "$work/err"; exit 1; }
[ ! -e "$work/prefs.json" ] || { echo "the store was written"; exit 1; }
[ ! -s "$work/out" ] || { echo "something ran:"; cat "$work/out"; exit 1; }
echo "no display: $(cat "$work/err")"
