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
