#!/usr/bin/env bash
# Cells that keep their texts, in the real window under a virtual display: two cells of a drawn
# table typed into with the Type tool (Tab between them), then, with the Table Tool, one row
# more from the panel's + button; Ctrl+S: the drawing saved holds both words and four rows.
# usage: cells-test.sh VARO-HOST XREADBACK
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

begin_window_test "cells window test"

cat >"$work/places.varo" <<'VARO'
tool "Table Tool"
drag 100 700 400 610
choose PANpopupPosLigColCad 1
print place "Adobe Type Tool"
print place "Table Tool"
print place PANstepPlusNbrLignes
print place 137.5 653
VARO
mkdir -p "$work/window"

open_window "137.5 653" --prefs "$work/window/prefs.json" --save "$work/window/drawing.svg" "${fonts[@]}" \
    "$work/places.varo"

german_keyboard

typing=$(place '"Adobe Type Tool"')
table=$(place '"Table Tool"')
plus=$(place PANstepPlusNbrLignes)
cell=$(place "137.5 653")
[ -n "$typing" ] && [ -n "$table" ] && [ -n "$plus" ] && [ -n "$cell" ] ||
    fail "the places were not printed: $(cat "$work/window.out")"

xdotool mousemove $typing click 1
xdotool mousemove $cell click 1
xdotool key --delay 0 ctrl+a
xdotool type --delay 30 "$first"
xdotool key --delay 0 Tab
xdotool type --delay 30 "$second"
xdotool key --delay 0 Return
xdotool mousemove $table click 1
xdotool mousemove $plus click 1
xdotool key --delay 0 ctrl+s
title_says "saved to" || fail "the title does not say it saved: $(xdotool getwindowname "$document")"
file_holding "$work/window/drawing.svg" ">$first</text>" ">$second</text>" "&quot;NombreLignes&quot;:4" ||
    fail "the saved drawing lacks the words typed or the fourth row: $(grep -o '>[^<]*</text>' "$work/window/drawing.svg" | tr '\n' ' ')"
rows=$(grep -c '<text' "$work/window/drawing.svg")
[ "$rows" -eq 13 ] || fail "the saved drawing holds $rows texts, not a title and twelve cells"
quit_window || fail "Ctrl+Q did not quit"
[ "$status" -eq 0 ] || fail "the window ended with status $status"
echo "cells window test passed: two cells typed, one row more, both words and four rows saved"
