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

begin_window_test "window test"

# The window, with a script played first that says where things are on the screen.
cat >"$work/places.varo" <<'VARO'
print place "Table Tool"
print place 100 700
print place 250 655
print place 400 610
print place PANzoneLongueurTableau
VARO
mkdir -p "$work/window" "$work/script"

open_window PANzoneLongueurTableau --prefs "$work/window/prefs.json" --save "$work/window/drawing.svg" "${fonts[@]}" \
    "$work/places.varo"

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
title_says "saved to $work/window/drawing.svg" || fail "the title does not say it saved: $(xdotool getwindowname "$document")"
sleep 0.3
"$readback" window "$document" "$work/window/document.png" || fail "cannot read the document window back"
"$readback" window "$panel" "$work/window/panel.png" || fail "cannot read the panel back"
# A width with a unit that is none: the alert shows in a window of its own, takes the
# keyboard, and Escape dismisses it.
xdotool mousemove $field click 1
xdotool type --delay 0 "9x"
xdotool key --delay 0 Return
window_named "^Alert$" >/dev/null || fail "no alert showed for a unit that is none"
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
