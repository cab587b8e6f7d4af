#!/usr/bin/env bash
# Runs every fuzz target for a while, each from a scratch copy of its seeds; fails on any finding.
# Usage: run-fuzzers.sh <build-dir> <seconds-each>
# The inputs that failed in the latest run are kept in <build-dir>/fuzz-findings/<target>/.
set -euo pipefail

[[ $# -eq 2 ]] || { echo "usage: $0 <build-dir> <seconds-each>" >&2; exit 2; }
build=$(cd "$1" && pwd)
seconds=$2
seeds=$(cd "$(dirname "$0")/corpus" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failed=0
for target in savegame datafile; do
  fuzzer="$build/bin/${target}_fuzzer"
  [[ -x $fuzzer ]] || { echo "$target: $fuzzer is missing (configure with CXX=clang++ -DTESSALY_FUZZ=ON and build)" >&2; exit 2; }
  corpus="$scratch/$target/corpus"
  findings="$build/fuzz-findings/$target"
  rm -rf "$findings"
  mkdir -p "$corpus" "$findings"
  cp "$seeds/$target"/* "$corpus/"
  log="$scratch/$target/log"

  start=$(date +%s)
  status=0
  "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1 || status=$?
  elapsed=$(( $(date +%s) - start ))

  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  added=$(sed -n 's/^stat::new_units_added: *//p' "$log" | tail -1)
  found=$(find "$findings" -type f | wc -l)
  echo "$target: ${executions:-?} executions in ${elapsed} s (${rate:-?}/s), ${added:-?} new inputs, ${found} findings"
  if [[ $status -ne 0 || $found -ne 0 ]]; then
    failed=1
    echo "$target: FAILED (exit $status), inputs in $findings; end of the log:"
    tail -n 40 "$log"
  fi
done
exit $failed
