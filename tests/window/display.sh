# A virtual display of its own, for the scripts that drive the real window (sourced).
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
