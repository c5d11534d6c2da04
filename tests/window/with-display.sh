#!/usr/bin/env bash
# Runs a command on a virtual display of its own, and answers its status.
# usage: with-display.sh COMMAND [ARGUMENT...]
# Exit status 77 (skipped) when no virtual display can be started, saying why.
set -u
. "$(dirname "$0")/display.sh"
command -v Xvfb >/dev/null || { echo "window test skipped: Xvfb is not installed"; exit 77; }
command -v xdotool >/dev/null || { echo "window test skipped: xdotool is not installed"; exit 77; }
work=$(mktemp -d)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
start_display "$work" || { echo "window test skipped: $display_problem"; exit 77; }
# The display library keeps allocations at exit, and a process it ends leaves what it held:
# leaks are not checked here (the code they would point at is the library's).
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
"$@"
