#!/usr/bin/env bash
# Runs every benchmark executable in the given folder.
set -euo pipefail
status=0
for bench in "$1"/bench_*; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench" --benchmark_counters_tabular=true || status=1
done
exit $status
