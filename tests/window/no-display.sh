#!/usr/bin/env bash
# `varo-host --window` where no display can be opened: a clear error, status 2, nothing
# started (no preference store written), and no crash. And a run without a window, which
# needs no display, loads no SDL: the window's layer is loaded only for --window.
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

printf 'launch\nquit\n' >"$work/run.varo"
env -u DISPLAY -u WAYLAND_DISPLAY LD_DEBUG=libs "$1" --prefs "$work/prefs.json" "$work/run.varo" \
    >"$work/out" 2>"$work/libs" || { echo "the scripted run failed:"; cat "$work/out"; exit 1; }
grep -q 'calling init: .*libvaro_toolkit' "$work/libs" || { echo "the loader's trace is not there"; exit 1; }
if grep -q 'libSDL2\|libvaro_window' "$work/libs"; then
    echo "a scripted run loads the window's layer:"; grep 'libSDL2\|libvaro_window' "$work/libs" | head -3; exit 1
fi
echo "a scripted run loads no SDL"
