#!/usr/bin/env bash
# The plug-in's folders stand on floors: a folder includes headers of its own folder and of
# folders on lower floors, never of its own floor or above, so that no folder depends on one
# that depends on it. Lists every include that breaks this and exits 1; 0 when none does.
#
#   scripts/check-floors.sh [PLUGIN_FOLDER]     (plugin/ beside this script by default)
set -euo pipefail

root=${1:-"$(dirname "$0")/../plugin"}

# Bottom first. A folder that is not here is an error: a new folder takes its floor here.
declare -A floor=(
  [framework]=0
  [settings]=1 [textengine]=1
  [construction]=2 [controls]=2
  [colour]=3 [preferences]=3 [about]=3
  [panel]=4
  [cellules]=5
  [core]=6
  [tool]=7
)

declare -A home # a header's name -> its folder
faults=0
for dir in "$root"/*/; do
  name=$(basename "$dir")
  [[ $name == resources ]] && continue
  if [[ -z ${floor[$name]+set} ]]; then
    echo "plugin/$name has no floor in $(basename "$0")"
    faults=1
    continue
  fi
  for h in "$dir"*.h; do
    [[ -e $h ]] && home[$(basename "$h")]=$name
  done
done

for dir in "$root"/*/; do
  from=$(basename "$dir")
  [[ -n ${floor[$from]+set} ]] || continue
  for file in "$dir"*.h "$dir"*.cpp; do
    [[ -e $file ]] || continue
    while IFS= read -r header; do
      to=${home[$(basename "$header")]:-}
      [[ -z $to || $to == "$from" ]] && continue
      if (( floor[$to] >= floor[$from] )); then
        echo "plugin/$from/$(basename "$file") includes $header of plugin/$to, which is not below it"
        faults=1
      fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  done
done
exit "$faults"
