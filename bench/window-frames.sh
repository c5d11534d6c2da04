#!/usr/bin/env bash
# Frame times of the real window under a virtual display, from each input to its pixels on the
# screen, as `varo-host --frame-times` records them: while a drag's rubber band moves over a
# 30 x 30 table, while a field is typed into with a 100 x 100 table on the artboard, and for
# edits of that table that rebuild it (a width committed with Return, a step button clicked, a
# colour slider dragged). Every table has double rules and a double frame and a text in every
# cell. Prints the median, the 99th percentile and the worst, in milliseconds.
# usage: bench/window-frames.sh VARO-HOST
set -u
host=$1
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/install-deps.sh installs it)"; exit 2; }
done
work=$(mktemp -d)
xvfb=""
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/../tests/window/display.sh"
start_display "$work" || { echo "$display_problem"; exit 2; }

. "$(dirname "$0")/window-tables.sh"

# Starts the window with a table of ROWS x COLUMNS (double rules and frame), the panel showing
# its PAGE, and waits for it.
start() {
    start_table_window "$work" "$host" "$@"
}

place() { place_of "$work" "$1"; }

# Saves the drawing (to --save's file), so that quitting asks nothing, and quits; a window
# that does not end within 30 s is killed.
stop() {
    xdotool key ctrl+s
    sleep 1
    xdotool key ctrl+q
    for _ in $(seq 300); do
        kill -0 "$app" 2>/dev/null || break
        sleep 0.1
    done
    kill "$app" 2>/dev/null
    wait "$app"
    app=""
}

# The frames recorded from line FIRST on.
report() {
    tail -n +"$2" "$work/frames.txt" | summary "$1"
}

# measure COMMAND...: the first frame after the xdotool command, into $work/edits.txt.
measure() {
    first_frame_after "$work" "$@"
}

# 1. The rubber band over a 30 x 30 table.
start 30 30
xdotool mousemove $(place '"Table Tool"') click 1
read -r x0 y0 <<<"$(place "100 760")"
read -r x1 y1 <<<"$(place "500 320")"
xdotool mousemove "$x0" "$y0"
sleep 0.5
first=$(($(wc -l <"$work/frames.txt") + 1))
xdotool mousedown 1
for i in $(seq 1 200); do
    xdotool mousemove $((x0 + (x1 - x0) * i / 200)) $((y0 + (y1 - y0) * i / 200))
done
sleep 0.3
report "dragging over a 30 x 30 double table with text" "$first"
xdotool mouseup 1
sleep 0.5
stop

# 2. Typing into a field with a 100 x 100 table on the artboard.
start 100 100
xdotool mousemove $(place PANzoneLongueurTableau) click 1
sleep 0.5
first=$(($(wc -l <"$work/frames.txt") + 1))
for i in $(seq 1 100); do
    xdotool key $((i % 10))
done
sleep 0.3
report "typing into a field beside a 100 x 100 table" "$first"
stop

# 3. Edits that rebuild a 100 x 100 double table with a text in every cell: a width typed and
# committed with Return, the width's + and - buttons, and the rows' gray slider dragged.
start 100 100
field=$(place PANzoneLongueurTableau)
: >"$work/edits.txt"
for i in $(seq 1 20); do
    xdotool mousemove $field click 1
    xdotool type --delay 0 "$((400 + i % 2))"
    sleep 0.2
    measure key --delay 0 Return
done
summary "a width committed with Return, 100 x 100 double" <"$work/edits.txt"
: >"$work/edits.txt"
# A button acts when it is let go: the pointer is brought over it and pressed first, and the
# frame measured is the release's (the ones before show the pointer over the button and the
# button pressed).
for i in $(seq 1 10); do
    for button in PANstepPlusLongueurTableau PANstepMoinsLongueurTableau; do
        xdotool mousemove $(place $button) mousedown 1
        sleep 0.1
        measure mouseup 1
    done
done
summary "a step button clicked, 100 x 100 double" <"$work/edits.txt"
stop
start 100 100 1
read -r sx sy <<<"$(place COUglisGris)"
xdotool mousemove $((sx - 60)) "$sy" mousedown 1
sleep 0.5
# Each move's own frame: the display server's events that follow an edit make frames of their
# own, which show nothing new.
: >"$work/edits.txt"
for i in $(seq 1 40); do
    measure mousemove $((sx - 60 + 3 * i)) "$sy"
done
summary "the rows' gray slider dragged, 100 x 100 double" <"$work/edits.txt"
xdotool mouseup 1
sleep 0.5
stop
