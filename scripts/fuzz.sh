#!/usr/bin/env bash
# The fuzz targets of build-fuzz/ (made by `make fuzz-build`).
#
#   scripts/fuzz.sh run [SECONDS] [TARGET...]   each target for SECONDS (default 60), a summary line each
#   scripts/fuzz.sh replay [TARGET...]          each target over its seed corpus and past findings, once
#
# A run grows a corpus of its own in build-fuzz/corpus/TARGET (the committed seeds in
# fuzz/corpus/TARGET are only read) and writes what it finds to build-fuzz/findings/TARGET/;
# its log is build-fuzz/logs/TARGET.log. The exit status is 1 when anything was found.
set -uo pipefail
cd "$(dirname "$0")/.."

all=(session preferences interface construction svg csv)
mode=${1:-run}
shift || true
seconds=60
if [ "$mode" = run ] && [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp"
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1"
mkdir -p build-fuzz/logs

found=0
for target in "${targets[@]}"; do
  binary=build-fuzz/bin/fuzz_$target
  if [ ! -x "$binary" ]; then
    echo "fuzz: no $binary (make fuzz-build)" >&2
    exit 2
  fi
  # A target that never had a finding has no folder of them (git keeps no empty folder).
  mkdir -p fuzz/findings/"$target"
  seeds=(fuzz/corpus/"$target" fuzz/findings/"$target")
  dictionary=()
  [ -f fuzz/"$target".dict ] && dictionary=(-dict=fuzz/"$target".dict)
  log=build-fuzz/logs/$target.log
  if [ "$mode" = replay ]; then
    # An input that fails is written where a run's findings go, never into the working folder.
    mkdir -p build-fuzz/findings/"$target"
    if "$binary" -runs=0 -artifact_prefix=build-fuzz/findings/"$target"/ "${seeds[@]}" >"$log" 2>&1; then
      echo "$target: replayed $(find "${seeds[@]}" -type f | wc -l) inputs, none failed"
    else
      echo "$target: a replayed input failed (see $log)"
      tail -n 30 "$log"
      found=1
    fi
    continue
  fi
  # What a run finds is its own: an earlier run's findings are cleared (copy out those to keep).
  rm -rf build-fuzz/findings/"$target"
  mkdir -p build-fuzz/corpus/"$target" build-fuzz/findings/"$target"
  # The plug-in's own interface file is about 18 KB, the host's own SVG seeds up to 8 KB;
  # scripts and stores are short.
  max_len=4096
  [ "$target" = interface ] && max_len=65536
  [ "$target" = svg ] && max_len=16384
  "$binary" -max_total_time="$seconds" -timeout=20 -report_slow_units=60 -rss_limit_mb=4096 -max_len=$max_len \
    -print_final_stats=1 -artifact_prefix=build-fuzz/findings/"$target"/ "${dictionary[@]}" \
    build-fuzz/corpus/"$target" "${seeds[@]}" >"$log" 2>&1
  status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -n 1)
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*')
  corpus=$(find build-fuzz/corpus/"$target" -type f | wc -l)
  findings=$(find build-fuzz/findings/"$target" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
    -o -name 'oom-*' \) | wc -l)
  echo "$target: ${seconds} s, ${runs:-0} inputs run, coverage ${coverage:-0}, corpus $corpus, findings $findings"
  if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
    found=1
    grep -m 1 -E 'ERROR|invariant broken|runtime error|Timeout|timeout|out-of-memory' "$log"
  fi
done
exit $found
