# What the scripts that drive the real window share (sourced): a virtual display of their own,
# the tools they need, quitting the window and what is left running.
#
# start_display FOLDER: starts Xvfb on a display number no server uses (Xvfb picks it and says
# which through FOLDER/display), sets `xvfb` to its process and exports DISPLAY, then waits
# until the display answers. False, with the reason in `display_problem`, when it does not.
start_display() {
    local folder=$1
    : >"$folder/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$folder/display" >"$folder/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        [ -s "$folder/display" ] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    local number
    number=$(head -1 "$folder/display" 2>/dev/null)
    if [ -z "$number" ]; then
        display_problem="Xvfb could not start a display: $(tail -1 "$folder/xvfb.log")"
        return 1
    fi
    export DISPLAY=":$number"
    for _ in $(seq 50); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    display_problem="Xvfb's display $DISPLAY does not answer: $(tail -1 "$folder/xvfb.log")"
    return 1
}

# Skips the test (status 77, saying why, as "window test skipped: …") when Xvfb or xdotool is
# not installed.
require_display_tools() {
    local tool
    for tool in Xvfb xdotool; do
        if ! command -v "$tool" >/dev/null; then
            echo "window test skipped: $tool is not installed (scripts/install-deps.sh installs it)"
            exit 77
        fi
    done
}

# A folder of the test's own in `work`, removed at the end (kept, and said, with
# KEEP_WINDOW_TEST=1), with the window and the display stopped first; `fail` then says
# "NAME FAILED: REASON" and what the window and the script printed on standard error, and ends
# the test with status 1.
begin_window_test() {
    test_name=$1
    work=$(mktemp -d)
    xvfb=""
    app=""
    trap 'stop_window_and_display; [ -n "${KEEP_WINDOW_TEST:-}" ] && echo "kept $work" || rm -rf "$work"' EXIT
}
fail() {
    echo "$test_name FAILED: $*"
    for f in "$work"/window.err "$work"/script.err; do
        [ -s "$f" ] && { echo "--- $f"; cat "$f"; }
    done
    exit 1
}

# open_window LAST-PLACE ARG...: a display of its own, and "$host" --window --plugins "$plugins"
# ARG... on it, its output in $work/window.out and window.err, until the document window and the
# panel show (`document`, `panel`) and the output has said "place LAST-PLACE" (its script prints
# where things are). On a machine whose display names other machines share, the window may reach
# another server, or SDL may find no display: another display then, three at most; the test fails
# when the windows never show.
open_window() {
    local last=$1
    shift
    local attempt
    for attempt in 1 2 3; do
        start_display "$work" || { echo "window test skipped: $display_problem"; exit 77; }
        # Under the leak checker, SDL's X11 and session-bus libraries leave allocations at exit,
        # some only reachable through the others, so that no suppression can name them: the
        # window's run is not checked for leaks (the same code in script runs is).
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
            "$host" --window --plugins "$plugins" "$@" >"$work/window.out" 2>"$work/window.err" &
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
            if grep -q "^place $last " "$work/window.out"; then
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
    done
    fail "the windows never showed on the display ($DISPLAY)"
}

# Where the window's script said a thing is: on the screen (place NAME), in artwork points
# (artwork NAME).
place() { grep "^place $1 " "$work/window.out" | sed 's/ artwork .*//' | awk '{print $(NF-1), $NF}'; }
artwork() { grep "^place $1 " "$work/window.out" | sed 's/.* artwork //'; }

# window_named PATTERN: the first window whose name matches, once one shows (10 s at most);
# false, printing nothing, when none does.
window_named() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --name "$1" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# title_says PATTERN: waits until the document window's title matches (the drawing saved, or
# changed: a star), 10 s at most; false when it never does.
title_says() {
    for _ in $(seq 100); do
        xdotool getwindowname "$document" | grep -q "$1" && return 0
        sleep 0.1
    done
    return 1
}

# Ctrl+Q to the window, then waits for its process `app` to end: `status` is its exit status.
# False when it does not end.
quit_window() {
    xdotool key --delay 0 ctrl+q
    for _ in $(seq 100); do
        kill -0 "$app" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$app" 2>/dev/null && return 1
    wait "$app"
    status=$?
    app=""
}

# What a test leaves running: the window's process `app` and the display `xvfb`.
stop_window_and_display() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}

# SDL sometimes finds no display on a loaded machine and falls back to a driver that shows
# nothing, which varo-host refuses ("cannot open a window"): a test then takes a display of its
# own again. True when the run whose standard error is FILE said so and a new display answers.
display_refused() {
    local err=$1 folder=$2
    grep -q "cannot open a window" "$err" || return 1
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    start_display "$folder"
}

# file_holding FILE TEXT...: waits until the file holds each text, as a fixed string (10 s at
# most); false when it never does.
file_holding() {
    local file=$1
    shift
    for _ in $(seq 100); do
        local all=yes text
        for text in "$@"; do
            grep -qF -- "$text" "$file" 2>/dev/null || all=no
        done
        [ "$all" = yes ] && return 0
        sleep 0.1
    done
    return 1
}

# german_keyboard: the display's keyboard made German, which has the letters the typing tests
# type (ä, ö, ü, ß). xdotool types a letter the keyboard lacks by lending it a key for a
# moment, which a slow window may read only once the key is given back (the letter is then
# lost). Xvfb's X server brings setxkbmap and the layouts with it.
german_keyboard() {
    setxkbmap de 2>/dev/null || echo "setxkbmap de failed: xdotool lends the letters keys of their own"
}
