#!/usr/bin/env bash
# Compares tessaly-solve --rate with published ratings: a table per band of the published rating
# (count, left to trial and error, same rating, within 0.2, 0.3 and 0.5) and the slowest grids.
# Not part of `make test`: a rating that drifts is a number to look at, not a failure.
# Usage: calibrate-ratings.sh [tessaly-solve] [rated file: "<grid> <rating> ..." a line, # comments]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
solver=${1:-$here/build/bin/tessaly-solve}
# The shared folder sits beside a clone, or one level further up beside a worktree's folder.
rated=${2:-}
for shared in "$here/../shared" "$here/../../shared"; do
  [ -n "$rated" ] || [ ! -f "$shared/ratings/se-rated.txt" ] || rated=$shared/ratings/se-rated.txt
done
rated=${rated:-$here/../shared/ratings/se-rated.txt}
if [ ! -f "$rated" ]; then
  echo "no rated puzzles at $rated: nothing to compare"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
grep -v '^#' "$rated" | awk 'NF >= 2 { print $1 > "'"$work"'/grids"; print $2 > "'"$work"'/published" }'
"$solver" --rate --time <"$work/grids" >"$work/ours" 2>"$work/timing"
# "line <n>: <microseconds> us" for each grid, then a summary
awk '/^line/ { print $3 }' "$work/timing" >"$work/times"
paste -d' ' "$work/published" "$work/ours" "$work/times" "$work/grids" | awk '
function band(r) { return r < 2 ? "1.0-1.9" : r < 4 ? "2.0-3.9" : r < 6.6 ? "4.0-6.5" : r < 8 ? "6.6-7.9" : "8.0-11.9" }
function abs(x) { return x < 0 ? -x : x }
$1 ~ /^[0-9]/ {
    b = band($1); n[b]++
    # published, solutions, our rating, technique..., time in microseconds, grid
    if ($3 == "T&E") { te[b]++; diff = 99 } else diff = abs($3 - $1)
    if (diff < 0.05) same[b]++
    if (diff < 0.25) in2[b]++
    if (diff < 0.35) in3[b]++
    if (diff < 0.55) in5[b]++
    # the issue targets: same below 4.5, within 0.2 for 4.5-7.9, within 0.5 from 8.0
    t = $1 < 4.5 ? "below 4.5: same" : $1 < 8 ? "4.5-7.9: within 0.2" : "8.0 up: within 0.5"
    tn[t]++
    if (($1 < 4.5 && diff < 0.05) || ($1 >= 4.5 && $1 < 8 && diff < 0.25) || ($1 >= 8 && diff < 0.55)) tok[t]++
    us = $(NF - 1); total += us; if (us > worst) worst = us
    technique = $4; for (i = 5; i < NF - 1; ++i) technique = technique " " $i
    if (diff >= 0.05) print "  differs: published " $1 ", ours " $3 " " technique " (" int(us / 1000) " ms) " $NF
}
END {
    printf "%-9s %6s %5s %5s %6s %6s %6s\n", "band", "count", "T&E", "same", "<=0.2", "<=0.3", "<=0.5"
    split("1.0-1.9 2.0-3.9 4.0-6.5 6.6-7.9 8.0-11.9", order, " ")
    for (i = 1; i <= 5; ++i) {
        b = order[i]
        printf "%-9s %6d %5d %5d %6d %6d %6d\n", b, n[b], te[b], same[b], in2[b], in3[b], in5[b]
    }
    for (t in tn) printf "%s: %d of %d (%.0f%%)\n", t, tok[t], tn[t], 100 * tok[t] / tn[t]
    printf "time: %.2f s in all, slowest %.2f s\n", total / 1e6, worst / 1e6
}'
