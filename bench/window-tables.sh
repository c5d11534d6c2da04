# What the window's frame-time scripts share (sourced): a window with a large table drawn by its
# script, where its controls are, the frame an input brings, and the figures of a list of them.
# Every function takes the folder of one window (its script, output and frame times), so that a
# script may drive two windows at once, each on a display of its own.

# start_table_window FOLDER HOST ROWS COLUMNS [PAGE]: starts HOST's window on the current
# display with a table of ROWS x COLUMNS with double rules and frame drawn by the script, the
# panel showing its PAGE (0 the position and size, 1 the rows), and waits for it; `app` is its
# process. Its frame times go to FOLDER/frames.txt.
start_table_window() {
    local folder=$1 host=$2 rows=$3 columns=$4 page=${5:-0}
    cat >"$folder/setup.varo" <<VARO
tool "Table Tool"
drag 80 780 520 300
choose PANpopupPosLigColCad 1
type PANzoneNbrLignes "$rows"
key Return
type PANzoneGouttiereLigne "1"
key Return
choose PANpopupPosLigColCad 2
type PANzoneNbrColonnes "$columns"
key Return
type PANzoneGouttiereColonne "1"
key Return
choose PANpopupPosLigColCad 3
type PANzoneGouttiereCadre "2"
key Return
choose PANpopupPosLigColCad $page
print place 100 760
print place 500 320
print place PANzoneLongueurTableau
print place PANstepPlusLongueurTableau
print place PANstepMoinsLongueurTableau
print place COUglisGris
print place "Table Tool"
VARO
    : >"$folder/frames.txt"
    "$host" --window --plugins "$(dirname "$host")/../plugins" --prefs "$folder/prefs.json" \
        --save "$folder/drawing.svg" --frame-times "$folder/frames.txt" "$folder/setup.varo" \
        >"$folder/out.txt" 2>"$folder/err.txt" &
    app=$!
    for _ in $(seq 600); do
        grep -q '^place "Table Tool"' "$folder/out.txt" 2>/dev/null && break
        kill -0 "$app" 2>/dev/null || { echo "the window did not open: $(cat "$folder/err.txt")"; exit 1; }
        sleep 0.1
    done
    sleep 1
}

# place_of FOLDER NAME: where the window's script said the thing is, on the screen.
place_of() { grep "^place $2 " "$1/out.txt" | sed 's/ artwork .*//' | awk '{print $(NF-1), $NF}'; }

# first_frame_after FOLDER COMMAND...: runs the xdotool command and appends to FOLDER/edits.txt
# the time of the first frame shown after it, from its input to its pixels (5 s at most). It
# looks for the frame only once the frame should be there: each look starts programs of its
# own, which would take the cores from the window while it works.
first_frame_after() {
    local folder=$1 before
    shift
    before=$(wc -l <"$folder/frames.txt")
    xdotool "$@"
    sleep 0.3
    for _ in $(seq 470); do
        [ "$(wc -l <"$folder/frames.txt")" -gt "$before" ] && break
        sleep 0.01
    done
    sed -n "$((before + 1))p" "$folder/frames.txt" >>"$folder/edits.txt"
}

# summary WHAT: the median, 99th percentile and worst, in ms, of the frame times
# (microseconds) read from standard input.
summary() {
    sort -n | awk -v what="$1" '
        { t[NR] = $1 }
        END {
            if (NR == 0) { printf "%s: no frames\n", what; exit }
            m = t[int((NR + 1) / 2)]; p = t[int(NR * 0.99 + 0.999)]; if (p == "") p = t[NR]
            printf "%-52s %5d frames  median %6.2f ms  p99 %6.2f ms  worst %6.2f ms\n", what, NR, m / 1000, p / 1000, t[NR] / 1000
        }'
}
