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
plugins="$(dirname "$host")/../plugins"
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

# Starts the window with a table of ROWS x COLUMNS with double rules and frame drawn by the
# script, showing the panel's PAGE (0 the position and size, 1 the rows), and waits for it.
start() {
    local rows=$1 columns=$2 page=${3:-0}
    cat >"$work/setup.varo" <<VARO
tool "Table Tool"
drag 80 780 520 300
choose PANpopupPosLigColCad 1
type PANzoneNbrLignes "$rows"
key Return
type PANzoneGouttiereLigne "1"
key Return
choose PANpopupPosLigColCad 2
type PANzoneNbrColonnes "$columns"
key Return
type PANzoneGouttiereColonne "1"
key Return
choose PANpopupPosLigColCad 3
type PANzoneGouttiereCadre "2"
key Return
choose PANpopupPosLigColCad $page
print place 100 760
print place 500 320
print place PANzoneLongueurTableau
print place PANstepPlusLongueurTableau
print place PANstepMoinsLongueurTableau
print place COUglisGris
print place "Table Tool"
VARO
    : >"$work/frames.txt"
    "$host" --window --plugins "$plugins" --prefs "$work/prefs.json" --save "$work/drawing.svg" \
        --frame-times "$work/frames.txt" "$work/setup.varo" >"$work/out.txt" 2>"$work/err.txt" &
    app=$!
    for _ in $(seq 600); do
        grep -q '^place "Table Tool"' "$work/out.txt" && break
        kill -0 "$app" 2>/dev/null || { echo "the window did not open: $(cat "$work/err.txt")"; exit 1; }
        sleep 0.1
    done
    sleep 1
}

place() { grep "^place $1 " "$work/out.txt" | sed 's/ artwork .*//' | awk '{print $(NF-1), $NF}'; }

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

# Median, 99th percentile and worst, in ms, of the frame times (microseconds) read from
# standard input.
summary() {
    sort -n | awk -v what="$1" '
        { t[NR] = $1 }
        END {
            if (NR == 0) { printf "%s: no frames\n", what; exit }
            m = t[int((NR + 1) / 2)]; p = t[int(NR * 0.99 + 0.999)]; if (p == "") p = t[NR]
            printf "%-52s %5d frames  median %6.2f ms  p99 %6.2f ms  worst %6.2f ms\n", what, NR, m / 1000, p / 1000, t[NR] / 1000
        }'
}

# The frames recorded from line FIRST on.
report() {
    tail -n +"$2" "$work/frames.txt" | summary "$1"
}

# measure COMMAND...: runs the xdotool command and appends to $work/edits.txt the time of the
# first frame shown after it, from its input to its pixels (5 s at most). It looks for the frame
# only once the frame should be there: each look starts programs of its own, which would take
# the cores from the window while it works.
measure() {
    local before
    before=$(wc -l <"$work/frames.txt")
    xdotool "$@"
    sleep 0.3
    for _ in $(seq 470); do
        [ "$(wc -l <"$work/frames.txt")" -gt "$before" ] && break
        sleep 0.01
    done
    sed -n "$((before + 1))p" "$work/frames.txt" >>"$work/edits.txt"
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
