#!/usr/bin/env bash
# Runs one script with varo-host, in a folder of its own (so that what it saves goes there),
# and compares what it printed with the files beside it: NAME.out (standard output), NAME.err
# (standard error, when present; otherwise nothing may be printed there), NAME.status (the
# exit status, when not 0), NAME.files (when present: the files the run leaves in its folder
# besides the script, one a line, sorted) and NAME.saved/ (when present: each file in it is
# one the run must leave, with exactly that content, an SVG it saved say). NAME.args holds
# more options for varo-host, NAME.prefs a preference store to start from, and the files of a
# folder NAME.given/ are in the run's folder when it starts (a drawing it opens). NAME.relaunch, when
# present, is a second session's script, run after the first on the store it left, in the same
# folder: what it prints follows what the first printed, and its exit status counts when the
# first's was 0.
set -uo pipefail
host=$1
script=$2
folder=$(dirname "$script")
name=$(basename "$script" .varo)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$folder"
args=()
if [ -f "$name.args" ]; then
  read -r -a args < "$name.args"
fi
mkdir "$work/run"
[ -f "$name.prefs" ] && cp "$name.prefs" "$work/preferences.json"
cp "$name.varo" "$work/run/"
[ -d "$name.given" ] && cp -R "$name.given/." "$work/run/"
plugins=$(cd "$(dirname "$host")/../plugins" && pwd)
(cd "$work/run" && "$host" --plugins "$plugins" --prefs ../preferences.json "${args[@]}" "$name.varo") \
  >"$work/out" 2>"$work/err"
status=$?
if [ -f "$name.relaunch" ]; then
  cp "$name.relaunch" "$work/run/"
  (cd "$work/run" && "$host" --plugins "$plugins" --prefs ../preferences.json "${args[@]}" "$name.relaunch") \
    >>"$work/out" 2>>"$work/err"
  second=$?
  [ "$status" = 0 ] && status=$second
fi

failed=0
expected_status=0
[ -f "$name.status" ] && expected_status=$(cat "$name.status")
if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status" >&2
  failed=1
fi
if ! diff -u "$name.out" "$work/out" >&2; then
  echo "standard output differs" >&2
  failed=1
fi
expected_err=/dev/null
[ -f "$name.err" ] && expected_err="$name.err"
if ! diff -u "$expected_err" "$work/err" >&2; then
  echo "standard error differs" >&2
  failed=1
fi
if [ -f "$name.files" ]; then
  if ! diff -u "$name.files" <(cd "$work/run" && find . -mindepth 1 ! -name "$name.varo" ! -name "$name.relaunch" -printf '%P\n' | LC_ALL=C sort) >&2; then
    echo "the files left by the run differ" >&2
    failed=1
  fi
fi
if [ -d "$name.saved" ]; then
  for expected in "$name.saved"/*; do
    if ! diff -u "$expected" "$work/run/$(basename "$expected")" >&2; then
      echo "$(basename "$expected") differs from $expected" >&2
      failed=1
    fi
  done
fi
exit $failed
