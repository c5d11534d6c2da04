#!/usr/bin/env bash
# Typing into a table's cells in the real window, driven with xdotool under a virtual display:
# the Type tool chosen by its icon, a click on a cell of a drawn table, Ctrl+A, a word with
# letters beyond ASCII typed on a German keyboard (the artboard changes as it is typed), Tab, another word, Return,
# Ctrl+S: both words are in the saved drawing. Then Ctrl+Z takes the second back, and the
# drawing saved again is the one the same edits give as a script (edit-text twice, undo).
# usage: type-test.sh VARO-HOST XREADBACK
# Exit status 77 (skipped) when no virtual display can be started, saying why.
set -u
host=$1
readback=$2
plugins="$(dirname "$host")/../plugins"
fonts=(--fonts "TestSans,TestSerif")
first="Grüße"
second="Käsespätzle"

. "$(dirname "$0")/display.sh"
require_display_tools

begin_window_test "typing window test"

cat >"$work/places.varo" <<'VARO'
tool "Table Tool"
drag 100 700 400 610
print place "Adobe Type Tool"
print place 137.5 653
VARO
mkdir -p "$work/window" "$work/script"

open_window "137.5 653" --prefs "$work/window/prefs.json" --save "$work/window/drawing.svg" "${fonts[@]}" \
    "$work/places.varo"

german_keyboard

tool=$(place '"Adobe Type Tool"')
cell=$(place "137.5 653")
[ -n "$tool" ] && [ -n "$cell" ] || fail "the places were not printed: $(cat "$work/window.out")"

# changed_from PICTURE: waits until the document window's pixels differ from the picture (10 s
# at most); false when they never do.
changed_from() {
    for _ in $(seq 100); do
        "$readback" window "$document" "$work/now.png" >/dev/null 2>&1 &&
            [ "$("$readback" compare "$1" "$work/now.png")" != "0" ] && return 0
        sleep 0.1
    done
    return 1
}
# saved_holding TEXT...: waits until the saved drawing holds each text (10 s at most).
saved_holding() {
    local texts=() text
    for text in "$@"; do
        texts+=(">$text</text>")
    done
    file_holding "$work/window/drawing.svg" "${texts[@]}"
}

"$readback" window "$document" "$work/window/before.png" || fail "cannot read the document window back"
xdotool mousemove $tool click 1
xdotool mousemove $cell click 1
xdotool key --delay 0 ctrl+a
changed_from "$work/window/before.png" || fail "the cell typed into showed nothing of its selection"
cp "$work/now.png" "$work/window/selected.png"
xdotool type --delay 30 "$first"
changed_from "$work/window/selected.png" || fail "the artboard did not change as the word was typed"
xdotool key --delay 0 Tab
xdotool type --delay 30 "$second"
xdotool key --delay 0 Return ctrl+s
title_says "saved to" || fail "the title does not say it saved: $(xdotool getwindowname "$document")"
saved_holding "$first" "$second" ||
    fail "the saved drawing lacks the words typed: $(grep -o '>[^<]*</text>' "$work/window/drawing.svg" | tr '\n' ' ')"

# Undo takes the second cell back; saved again, the drawing is the script's.
xdotool key --delay 0 ctrl+z
title_says '\*' || fail "Ctrl+Z did not mark the drawing changed: $(xdotool getwindowname "$document")"
xdotool key --delay 0 ctrl+s
title_says "saved to" || fail "the title does not say it saved again"
for _ in $(seq 100); do
    grep -qF ">$second</text>" "$work/window/drawing.svg" || break
    sleep 0.1
done
saved_holding "$first" || fail "the undo took the first word too"
grep -qF ">$second</text>" "$work/window/drawing.svg" && fail "Ctrl+Z did not take the second word back"
quit_window || fail "Ctrl+Q did not quit"
[ "$status" -eq 0 ] || fail "the window ended with status $status"

cat >"$work/same.varo" <<VARO
launch
tool "Table Tool"
drag 100 700 400 610
edit-text 137.5 653 "$first"
edit-text 212.5 653 "$second"
undo
save $work/script/drawing.svg
quit
VARO
(cd "$work" && "$host" --plugins "$plugins" --prefs "$work/script/prefs.json" "${fonts[@]}" "$work/same.varo" \
    >"$work/script.out" 2>"$work/script.err") || fail "the script failed"
cmp -s "$work/window/drawing.svg" "$work/script/drawing.svg" ||
    fail "the saved drawings differ: $(diff "$work/window/drawing.svg" "$work/script/drawing.svg" | head -20)"
echo "typing window test passed: two cells typed with Tab between them, saved, the second undone, as the script gives it"
