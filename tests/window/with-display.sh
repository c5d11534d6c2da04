#!/usr/bin/env bash
# Runs a command on a virtual display of its own, and answers its status.
# usage: with-display.sh COMMAND [ARGUMENT...]
# Exit status 77 (skipped) when no virtual display can be started, saying why.
set -u
. "$(dirname "$0")/display.sh"
require_display_tools
work=$(mktemp -d)
xvfb=""
trap 'stop_window_and_display; rm -rf "$work"' EXIT
start_display "$work" || { echo "window test skipped: $display_problem"; exit 77; }
# The display library keeps allocations at exit, and a process it ends leaves what it held:
# leaks are not checked here (the code they would point at is the library's).
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
"$@"
