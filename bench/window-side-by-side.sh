#!/usr/bin/env bash
# Two builds' windows measured edit by edit: each on a virtual display of its own with a
# 100 x 100 table with double rules and frame and a text in every cell, a width committed with
# Return in one window then in the other, the order swapped at every edit, so that the two
# frames of a pair meet the same machine. Within an hour this machine's speed moves by more
# than a change of a few percent does; pairs taken a second apart show the change. Prints the
# median and the worst of each, and the median of the pairs' differences (B - A), in ms.
# usage: bench/window-side-by-side.sh VARO-HOST-A VARO-HOST-B [EDITS]
set -u
hosts=("$1" "$2")
edits=${3:-40}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/install-deps.sh installs it)"; exit 2; }
done
. "$(dirname "$0")/../tests/window/display.sh"
. "$(dirname "$0")/window-tables.sh"

folders=()
displays=()
processes=()
cleanup() {
    for p in "${processes[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    for f in "${folders[@]}"; do rm -rf "$f"; done
}
trap cleanup EXIT

for i in 0 1; do
    folders[i]=$(mktemp -d)
    start_display "${folders[i]}" || { echo "$display_problem"; exit 2; }
    processes+=("$xvfb")
    displays[i]=$DISPLAY
    start_table_window "${folders[i]}" "${hosts[i]}" 100 100
    processes+=("$app")
    : >"${folders[i]}/edits.txt"
done

# A width typed into window I's field and committed with Return: its frame.
edit() {
    local i=$1 n=$2
    export DISPLAY=${displays[i]}
    xdotool mousemove $(place_of "${folders[i]}" PANzoneLongueurTableau) click 1
    xdotool type --delay 0 "$((400 + n % 2))"
    sleep 0.2
    first_frame_after "${folders[i]}" key --delay 0 Return
}

for n in $(seq 1 "$edits"); do
    if [ $((n % 2)) -eq 0 ]; then edit 0 "$n"; edit 1 "$n"; else edit 1 "$n"; edit 0 "$n"; fi
done
summary "A: ${hosts[0]}" <"${folders[0]}/edits.txt"
summary "B: ${hosts[1]}" <"${folders[1]}/edits.txt"
paste "${folders[0]}/edits.txt" "${folders[1]}/edits.txt" | awk 'NF == 2 { print $2 - $1 }' | sort -n | awk '
    { d[NR] = $1 }
    END { if (NR > 0) printf "B - A, the median of %d pairs: %+.2f ms\n", NR, d[int((NR + 1) / 2)] / 1000 }'
