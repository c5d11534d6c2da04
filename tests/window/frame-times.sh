#!/usr/bin/env bash
# `varo-host --window --frame-times FILE` under a virtual display, where FILE cannot be opened
# (the option's own error, status 2, no window) and where it fills up (/dev/full: said as it
# happens and at the end, status 2).
# usage: frame-times.sh VARO-HOST
# Exit status 77 (skipped) when no virtual display can be started, saying why.
set -u
host=$1
plugins="$(dirname "$host")/../plugins"
. "$(dirname "$0")/display.sh"
require_display_tools
work=$(mktemp -d)
xvfb=""
app=""
trap 'stop_window_and_display; rm -rf "$work"' EXIT
fail() {
    echo "frame times test FAILED: $*"
    [ -s "$work/err" ] && { echo "--- standard error"; cat "$work/err"; }
    exit 1
}
start_display "$work" || { echo "window test skipped: $display_problem"; exit 77; }
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# A file that cannot be opened: the option says so, and nothing starts. (Three tries at most
# where the display refuses the window.)
for _ in 1 2 3; do
    "$host" --window --plugins "$plugins" --prefs "$work/prefs.json" --frame-times "$work/missing/times" \
        >"$work/out" 2>"$work/err"
    status=$?
    display_refused "$work/err" "$work" || break
done
[ "$status" -eq 2 ] || fail "status $status for a file that cannot be opened"
grep -qx "varo-host: cannot write the frame times to $work/missing/times: No such file or directory" "$work/err" ||
    fail "the option's error is not said as it should be"
grep -q "cannot open a window" "$work/err" && fail "the option's error blames the window"
[ ! -e "$work/prefs.json" ] || fail "the host started"

# A file that fills up: keys make frames whose times cannot be written.
document=""
for _ in 1 2 3; do
    "$host" --window --plugins "$plugins" --prefs "$work/prefs.json" --frame-times /dev/full >"$work/out" 2>"$work/err" &
    app=$!
    for _ in $(seq 300); do
        document=$(xdotool search --name "^Varo-Host" 2>/dev/null | head -1)
        [ -n "$document" ] && break
        kill -0 "$app" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$document" ] && break
    wait "$app" 2>/dev/null
    app=""
    display_refused "$work/err" "$work" || fail "the window ended at once"
done
[ -n "$document" ] || fail "the window never showed"
sleep 0.5
for key in plus minus 0; do
    xdotool key --delay 0 "ctrl+$key"
    sleep 0.3
done
quit_window || fail "Ctrl+Q did not quit"
[ "$status" -eq 2 ] || fail "status $status when the frame times could not be written"
grep -qx "varo-host: warning: cannot write the frame times: No space left on device" "$work/err" ||
    fail "not said as it happened"
grep -qx "varo-host: cannot write the frame times to /dev/full: No space left on device" "$work/err" ||
    fail "not said at the end"
echo "frame times test passed: $(tail -1 "$work/err")"
