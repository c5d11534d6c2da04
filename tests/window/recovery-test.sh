#!/usr/bin/env bash
# Work is never lost: the window is killed (SIGKILL) after a table was drawn and never saved;
# its recovery file holds the table. The next window with the same drawing, run with no
# script, asks to restore it; Return (Restore), then Save As from its file dialog, save exactly
# what the recovery file held, and the file goes.
# usage: recovery-test.sh VARO-HOST
# Exit status 77 (skipped) when no virtual display can be started, saying why.
set -u
host=$1
plugins="$(dirname "$host")/../plugins"
fonts=(--fonts "TestSans,TestSerif")

. "$(dirname "$0")/display.sh"
require_display_tools

begin_window_test "recovery window test"

cat >"$work/places.varo" <<'VARO'
print place "Table Tool"
print place 100 700
print place 400 610
VARO
drawing="$work/drawing.svg"
recovery="$drawing.recovery"

# The window on a display of its own, with the drawing; true once `document` is found and
# the places are printed (when `places` is given).
start_window() {
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        "$host" --window --plugins "$plugins" --prefs "$work/prefs.json" --recovery-seconds 1 "${fonts[@]}" \
        "$drawing" "$@" >"$work/window.out" 2>"$work/window.err" &
    app=$!
    document=""
    for _ in $(seq 600); do
        kill -0 "$app" 2>/dev/null || return 1
        document=$(xdotool search --name "^Varo-Host" 2>/dev/null | head -1)
        if [ -n "$document" ] && { [ $# -eq 0 ] || grep -q "^place 400 610 " "$work/window.out"; }; then
            sleep 1
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# A display refused (SDL found none and fell back to its offscreen driver): another display.
start_display "$work" || { echo "window test skipped: $display_problem"; exit 77; }
shown=""
for _ in 1 2 3; do
    start_window "$work/places.varo" && { shown=yes; break; }
    display_refused "$work/window.err" "$work" >/dev/null || fail "the window did not show"
done
[ -n "$shown" ] || fail "the window never showed on the display ($DISPLAY)"

place() { grep "^place $1 " "$work/window.out" | sed 's/ artwork .*//' | awk '{print $(NF-1), $NF}'; }
xdotool mousemove $(place '"Table Tool"') click 1
sleep 0.3
xdotool mousemove $(place "100 700") mousedown 1 mousemove $(place "400 610") mouseup 1
for _ in $(seq 100); do
    [ -s "$recovery" ] && break
    sleep 0.1
done
[ -s "$recovery" ] || fail "no recovery file a second after the table was drawn"
sleep 0.5
kill -KILL "$app"
wait "$app" 2>/dev/null
app=""
grep -q "inkscape:label" "$recovery" || fail "the recovery file holds no table: $(cat "$recovery")"
[ -e "$drawing" ] && fail "the drawing was saved though nobody saved it"
cp "$recovery" "$work/recovered.svg"
ls -a "$work" | grep -q '\.part-' && fail "a temporary file was left beside the recovery file"

# The killed window's own go with its connection: wait until the display has let them go, so
# that the next window found is the new one (which may well get the same number). A search
# that meets a window as it goes fails with an X error and finds nothing: only a search that
# went through says that none is left.
for _ in $(seq 100); do
    left=$(xdotool search --name "^Varo-Host" 2>"$work/search.err")
    [ -z "$left" ] && ! grep -q "X Error" "$work/search.err" && break
    sleep 0.1
done

# The next start asks; Return restores; Save As saves what was restored.
shown=""
for _ in 1 2 3; do
    start_window && { shown=yes; break; }
    display_refused "$work/window.err" "$work" >/dev/null || fail "the window did not start again"
done
[ -n "$shown" ] || fail "the window never showed again on the display ($DISPLAY)"
window_named "^Alert$" >/dev/null || fail "the recovery was not offered"
xdotool key --delay 0 Return
sleep 0.5
# This window runs no script: its dialogs take the person's input all the same. Save As, a
# name typed over the path the dialog proposes, Return.
xdotool key --delay 0 ctrl+shift+s
window_named "^Save As$" >/dev/null || fail "Ctrl+Shift+S showed no Save As dialog"
xdotool type --delay 0 "$work/restored"
xdotool key --delay 0 Return
# The document window is found by its title: on a loaded display the number found when it
# first showed may not be the window's for long.
window_named "saved to $work/restored.svg" >/dev/null ||
    fail "the restored drawing was not saved as restored.svg: $(xdotool search --name "^Varo-Host" getwindowname %@ 2>/dev/null)"
quit_window || fail "Ctrl+Q did not quit"
[ "$status" -eq 0 ] || fail "the window ended with status $status"
cmp -s "$work/restored.svg" "$work/recovered.svg" ||
    fail "the saved drawing is not what the recovery held: $(diff "$work/restored.svg" "$work/recovered.svg" | head)"
[ -e "$recovery" ] && fail "the recovery file is still there after its changes were saved"
echo "recovery window test passed: the table drawn before SIGKILL came back, was saved as another file, and the recovery file went"
