#!/usr/bin/env bash
# Frame times of the real window under a virtual display, from each input to its pixels on the
# screen, as `varo-host --frame-times` records them: while a drag's rubber band moves over a
# 30 x 30 table with a double frame and texts, and while a field is typed into with a 100 x 100
# table on the artboard. Prints the median, the 99th percentile and the worst, in milliseconds.
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

# Starts the window with a table of ROWS x COLUMNS drawn by the script, and waits for it.
start() {
    local rows=$1 columns=$2
    cat >"$work/setup.varo" <<VARO
tool "Table Tool"
drag 80 780 520 300
choose PANpopupPosLigColCad 1
type PANzoneNbrLignes "$rows"
key Return
choose PANpopupPosLigColCad 2
type PANzoneNbrColonnes "$columns"
key Return
choose PANpopupPosLigColCad 3
type PANzoneGouttiereCadre "2"
key Return
choose PANpopupPosLigColCad 0
print place 100 760
print place 500 320
print place PANzoneLongueurTableau
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

stop() {
    xdotool key ctrl+q
    wait "$app"
    app=""
}

# The frames recorded from line FIRST on: median, 99th percentile and worst, in ms.
report() {
    local what=$1 first=$2
    tail -n +"$first" "$work/frames.txt" | sort -n | awk -v what="$what" '
        { t[NR] = $1 }
        END {
            if (NR == 0) { printf "%s: no frames\n", what; exit }
            m = t[int((NR + 1) / 2)]; p = t[int(NR * 0.99 + 0.999)]; if (p == "") p = t[NR]
            printf "%-52s %5d frames  median %6.2f ms  p99 %6.2f ms  worst %6.2f ms\n", what, NR, m / 1000, p / 1000, t[NR] / 1000
        }'
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
