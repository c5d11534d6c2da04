#!/usr/bin/env bash
# Every drawing the examples save, opened again and saved unchanged, is the same file byte for
# byte; and undo after the open has nothing to take back.
# usage: reopen-examples.sh VARO-HOST EXAMPLES-FOLDER
set -uo pipefail
host=$1
examples=$2
plugins=$(cd "$(dirname "$host")/../plugins" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fonts=(--fonts "TestSans,TestSerif")

count=0
for example in "$examples"/*.varo; do
    name=$(basename "$example" .varo)
    mkdir -p "$work/$name/out" "$work/$name/examples"
    # The data files the examples read, where they find them from the repository's top folder.
    find "$examples" -maxdepth 1 -type f ! -name '*.varo' -exec cp {} "$work/$name/examples/" \;
    (cd "$work/$name" && "$host" --plugins "$plugins" --prefs prefs.json "${fonts[@]}" "$example") >/dev/null 2>&1 ||
        { echo "FAILED: the example $name did not run"; exit 1; }
    while IFS= read -r -d '' drawing; do
        again="$drawing.again.svg"
        printf 'print undo\nsave %s\n' "$again" >"$work/reopen.varo"
        out=$("$host" --plugins "$plugins" --prefs "$work/prefs.json" "${fonts[@]}" "$drawing" "$work/reopen.varo" 2>&1) ||
            { echo "FAILED: $drawing did not open: $out"; exit 1; }
        # Read from a string, not a pipe: grep -q stops at the first match, and a writer still
        # writing would fail the pipeline (pipefail) though the line was there.
        grep -q "^nothing to undo$" <<<"$out" || { echo "FAILED: $drawing opened with a history: $out"; exit 1; }
        cmp -s "$drawing" "$again" || { echo "FAILED: $drawing saved again differs:"; diff "$drawing" "$again" | head; exit 1; }
        count=$((count + 1))
    done < <(find "$work/$name" -name '*.svg' ! -name '*.again.svg' -print0)
done
[ "$count" -gt 0 ] || { echo "FAILED: the examples saved no drawing"; exit 1; }
echo "reopened $count drawings, each saved again byte for byte"
