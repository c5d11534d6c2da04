#!/usr/bin/env bash
# The work a person does in the window and takes back, driven with xdotool under a virtual
# display: draw a table with moves 0.6 s apart (the rubber band follows each), Ctrl+Z,
# Ctrl+Shift+Z, drag the table with the selection tool, Delete, Ctrl+Z, Ctrl+S, pick it again and
# nudge it with an arrow key, then Ctrl+Q and Return to the question (Save). The saved drawing must be the one
# the same gestures give as a script.
# usage: history-test.sh VARO-HOST XREADBACK
# Exit status 77 (skipped) when no virtual display can be started, saying why.
set -u
host=$1
readback=$2
plugins="$(dirname "$host")/../plugins"
fonts=(--fonts "TestSans,TestSerif")

. "$(dirname "$0")/display.sh"
require_display_tools

begin_window_test "history window test"

cat >"$work/places.varo" <<'VARO'
print place "Table Tool"
print place "Adobe Select Tool"
print place 100 700
print place 250 655
print place 400 610
print place 300 500
VARO
mkdir -p "$work/window" "$work/script"

open_window "300 500" --prefs "$work/window/prefs.json" --save "$work/window/drawing.svg" "${fonts[@]}" "$work/places.varo"

table=$(place '"Table Tool"')
select=$(place '"Adobe Select Tool"')
from=$(place "100 700")
middle=$(place "250 655")
to=$(place "400 610")
away=$(place "300 500")
[ -n "$table" ] && [ -n "$select" ] && [ -n "$from" ] && [ -n "$away" ] || fail "the places were not printed: $(cat "$work/window.out")"
a=$(artwork "100 700")
b=$(artwork "250 655")
c=$(artwork "400 610")
d=$(artwork "300 500")

xdotool mousemove $table click 1
sleep 0.3
xdotool mousemove $from mousedown 1
sleep 0.6
xdotool mousemove $middle
sleep 0.6
"$readback" window "$document" "$work/window/band1.png" || fail "cannot read the window back"
xdotool mousemove $to
sleep 0.6
"$readback" window "$document" "$work/window/band2.png" || fail "cannot read the window back"
xdotool mouseup 1
differing=$("$readback" compare "$work/window/band1.png" "$work/window/band2.png")
[ "$differing" != "0" ] || fail "the rubber band stayed where the first move left it"
title_says '\*' || fail "the table did not mark the drawing changed"
xdotool key --delay 100 ctrl+z ctrl+shift+z
xdotool mousemove $select click 1
sleep 0.3
xdotool mousemove $middle mousedown 1
sleep 0.2
xdotool mousemove $away
sleep 0.2
xdotool mouseup 1
xdotool key --delay 100 Delete ctrl+z ctrl+s
title_says "saved to" || fail "the title does not say it saved: $(xdotool getwindowname "$document")"
# What an undo brings back is not picked: a click picks the table again, an arrow nudges it.
xdotool mousemove $away click 1
sleep 0.2
xdotool key --delay 100 Right
title_says '\*' || fail "the nudge did not mark the drawing changed"
xdotool key --delay 0 ctrl+q
window_named "^Alert$" >/dev/null || fail "Ctrl+Q with changes not saved asked nothing"
xdotool key --delay 0 Return
for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app" 2>/dev/null && fail "answering Save did not quit"
wait "$app"
status=$?
app=""
[ "$status" -eq 0 ] || fail "the window ended with status $status"
[ -e "$work/window/drawing.svg.recovery" ] && fail "a clean quit left the recovery file"

cat >"$work/same.varo" <<VARO
launch
tool "Table Tool"
mouse down $a
mouse drag $b
mouse drag $c
mouse up $c
undo
redo
tool "Adobe Select Tool"
mouse down $b
mouse drag $d
mouse up $d
delete
undo
select $d
move 1 0
save $work/script/drawing.svg
quit
VARO
(cd "$work" && "$host" --plugins "$plugins" --prefs "$work/script/prefs.json" "${fonts[@]}" "$work/same.varo" \
    >"$work/script.out" 2>"$work/script.err") || fail "the script failed"
cmp -s "$work/window/drawing.svg" "$work/script/drawing.svg" ||
    fail "the saved drawings differ: $(diff "$work/window/drawing.svg" "$work/script/drawing.svg" | head -20)"
grep -q 'inkscape:label' "$work/window/drawing.svg" || fail "the saved drawing holds no table"
echo "history window test passed: the band follows slow moves; undo, redo, move, delete, save and the question as the script gives them"
