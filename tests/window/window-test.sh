#!/usr/bin/env bash
# The real window, driven as a person would with xdotool under a virtual display: select the
# Table Tool by its icon, drag a table on the artboard, type a width into the panel, save
# with Ctrl+S, type a width the field refuses and dismiss the alert, quit with Ctrl+Q. The same gestures as a script must give the same drawing,
# the same log, the same pixels on the screen and the same cursor.
# usage: window-test.sh VARO-HOST XREADBACK
# Exit status 77 (skipped) when no virtual display can be started, saying why.
set -u
host=$1
readback=$2
plugins="$(dirname "$host")/../plugins"
fonts=(--fonts "TestSans,TestSerif")

. "$(dirname "$0")/display.sh"
require_display_tools

work=$(mktemp -d)
xvfb=""
app=""
cleanup() {
    stop_window_and_display
    [ -n "${KEEP_WINDOW_TEST:-}" ] && echo "kept $work" || rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "window test FAILED: $*"
    for f in "$work"/window.err "$work"/script.err; do
        [ -s "$f" ] && { echo "--- $f"; cat "$f"; }
    done
    exit 1
}

# The window, with a script played first that says where things are on the screen.
cat >"$work/places.varo" <<'VARO'
print place "Table Tool"
print place 100 700
print place 250 655
print place 400 610
print place PANzoneLongueurTableau
VARO
mkdir -p "$work/window" "$work/script"

# One attempt: a display of its own (Xvfb picks a number no server uses and says which), the
# window on it, and its windows found. False when the windows do not show on that display: on
# a machine whose display names other machines share, the window may have reached another
# server, and the next attempt takes another display.
attempt() {
    start_display "$work" || { echo "window test skipped: $display_problem"; exit 77; }

    # Under the leak checker, SDL's X11 and session-bus libraries leave allocations at exit,
    # some only reachable through the others, so that no suppression can name them: the
    # window's run is not checked for leaks (the same code in script runs is).
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        "$host" --window --plugins "$plugins" --prefs "$work/window/prefs.json" --save "$work/window/drawing.svg" \
        "${fonts[@]}" "$work/places.varo" >"$work/window.out" 2>"$work/window.err" &
    app=$!
    # Its windows, once they show (a loaded machine, a sanitizer build: give it time), and
    # a few seconds more once it has said where things are.
    local waited=0 after=0
    document=""
    panel=""
    while [ "$waited" -lt 600 ] && [ "$after" -lt 50 ]; do
        if ! kill -0 "$app" 2>/dev/null; then
            wait "$app"
            local status=$?
            app=""
            # The display refused the window (a loaded machine): another display, then.
            [ "$status" -eq 2 ] && grep -q "cannot open a window" "$work/window.err" && break
            fail "the window ended at once with status $status"
        fi
        document=$(xdotool search --name "^Varo-Host" 2>/dev/null | head -1)
        panel=$(xdotool search --name "^Table 2.0$" 2>/dev/null | head -1)
        if grep -q "^place PANzoneLongueurTableau " "$work/window.out"; then
            [ -n "$document" ] && [ -n "$panel" ] && return 0
            after=$((after + 1))
        fi
        waited=$((waited + 1))
        sleep 0.1
    done
    [ -n "$app" ] && { kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; }
    app=""
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    xvfb=""
    rm -f "$work/window/prefs.json"
    return 1
}
shown=""
for _ in 1 2 3; do
    attempt && { shown=yes; break; }
done
[ -n "$shown" ] || fail "the windows never showed on the display ($DISPLAY)"

place() { grep "^place $1 " "$work/window.out" | sed 's/ artwork .*//' | awk '{print $(NF-1), $NF}'; }
artwork() { grep "^place $1 " "$work/window.out" | sed 's/.* artwork //'; }
tool=$(place '"Table Tool"')
from=$(place "100 700")
middle=$(place "250 655")
to=$(place "400 610")
a=$(artwork "100 700")
b=$(artwork "250 655")
c=$(artwork "400 610")
field=$(place PANzoneLongueurTableau)
[ -n "$tool" ] && [ -n "$from" ] && [ -n "$to" ] && [ -n "$field" ] || fail "the places were not printed: $(cat "$work/window.out")"

# The gestures, with no delay between them.
xdotool mousemove $tool click 1
xdotool mousemove $from
sleep 0.5
"$readback" cursor "$work/window/cursor.png" >/dev/null || fail "cannot read the cursor back"
xdotool mousedown 1 mousemove $middle mousemove $to mouseup 1
xdotool mousemove $field click 1
xdotool type --delay 0 "25,4"
xdotool key --delay 0 Return ctrl+s
for _ in $(seq 100); do
    xdotool getwindowname "$document" | grep -q "saved to" && break
    sleep 0.1
done
xdotool getwindowname "$document" | grep -q "saved to $work/window/drawing.svg" || fail "the title does not say it saved: $(xdotool getwindowname "$document")"
sleep 0.3
"$readback" window "$document" "$work/window/document.png" || fail "cannot read the document window back"
"$readback" window "$panel" "$work/window/panel.png" || fail "cannot read the panel back"
# A width with a unit that is none: the alert shows in a window of its own, takes the
# keyboard, and Escape dismisses it.
xdotool mousemove $field click 1
xdotool type --delay 0 "9x"
xdotool key --delay 0 Return
alert=""
for _ in $(seq 100); do
    alert=$(xdotool search --name "^Alert$" 2>/dev/null | head -1)
    [ -n "$alert" ] && break
    sleep 0.1
done
[ -n "$alert" ] || fail "no alert showed for a unit that is none"
xdotool key --delay 0 Escape
for _ in $(seq 100); do
    xdotool search --name "^Alert$" >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --name "^Alert$" >/dev/null 2>&1 && fail "Escape did not dismiss the alert"
quit_window || fail "Ctrl+Q did not quit"
[ "$status" -eq 0 ] || fail "the window ended with status $status"

# The same gestures as a script.
cat >"$work/same.varo" <<VARO
launch
tool "Table Tool"
hover $a
snapshot cursor $work/script/cursor.png
mouse down $a
mouse drag $b
mouse drag $c
mouse up $c
click PANzoneLongueurTableau
key 2
key 5
key ,
key 4
key Return
save $work/script/drawing.svg
snapshot window document $work/script/document.png
snapshot window "Table 2.0" $work/script/panel.png
click PANzoneLongueurTableau
key 9
key x
key Return
quit
print log
VARO
(cd "$work" && "$host" --plugins "$plugins" --prefs "$work/script/prefs.json" "${fonts[@]}" "$work/same.varo" \
    >"$work/script.out" 2>"$work/script.err") || fail "the script failed"

# The drawing, the log (each drawing pass of the annotators is the screen's own business),
# the pixels and the cursor.
cmp -s "$work/window/drawing.svg" "$work/script/drawing.svg" || fail "the saved drawings differ: $(diff "$work/window/drawing.svg" "$work/script/drawing.svg" | head -20)"
[ -s "$work/window/drawing.png" ] || fail "no PNG beside the saved SVG"
norm() { grep -v '^place ' "$1" | grep -v '"AI Annotation" "AI Draw"'; }
diff <(norm "$work/window.out") <(norm "$work/script.out") >"$work/log.diff" || fail "the logs differ: $(head -30 "$work/log.diff")"
for picture in document panel cursor; do
    differing=$("$readback" compare "$work/window/$picture.png" "$work/script/$picture.png") ||
        fail "$picture: $differing"
    [ "$differing" = "0" ] || fail "$picture: $differing pixels differ from the snapshot"
done
echo "window test passed: drawing, log, document and panel pixels and cursor as the script gives them"
