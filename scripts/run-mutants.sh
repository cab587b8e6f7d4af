#!/usr/bin/env bash
# The mutation check: applies each fault listed in tests/mutants.txt on its own, rebuilds,
# runs the suite without the end-to-end test and expects a test to fail. The file is always
# put back, from a saved copy, whatever happens.
#
# usage: scripts/run-mutants.sh [list] [build-dir]
# Exit status: 0 when every mutation was caught, 1 when one was missed or broken, 2 when the
# check could not start.
set -uo pipefail
cd "$(dirname "$0")/.."

LIST=${1:-tests/mutants.txt}
BUILD=${2:-build-mutants}
JOBS=${JOBS:-2}
TEST_TIMEOUT=${TEST_TIMEOUT:-120}
PROGRAM_TIMEOUT=${PROGRAM_TIMEOUT:-300}
# ccache, where installed, shares the compiled objects with the other builds; without it every
# rebuild compiles for itself, which only takes longer.
if [[ -z ${CMAKE_CXX_COMPILER_LAUNCHER:-} ]] && command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

[[ -f $LIST ]] || { echo "mutants: no list $LIST" >&2; exit 2; }
start=$(date +%s)
work=$(mktemp -d)
saved_file=""

restore() {
  if [[ -n $saved_file ]]; then
    # A plain copy gives the file a new time stamp, so the next build recompiles it.
    cp "$work/original" "$saved_file"
    saved_file=""
  fi
}
trap 'restore; rm -rf "$work"' EXIT
trap 'restore; exit 130' INT TERM

# Blocks as records: file, find, replace, fault, separated by NUL characters.
parse() {
  awk '
    function flush() {
      if (n > 0) printf "%s\037%s\037%s\037%s\037%d\036", f["file"], f["find"], f["replace"], f["fault"], line
      n = 0; delete f
    }
    /^#/ { next }
    /^[[:space:]]*$/ { flush(); next }
    {
      key = $0; sub(/:.*/, "", key)
      value = $0; sub(/^[^:]*: ?/, "", value)
      if (n == 0) line = NR
      f[key] = value; n++
    }
    END { flush() }
  ' "$LIST"
}

files=()
records=()
while IFS= read -r -d $'\036' record; do
  records+=("$record")
  files+=("${record%%$'\037'*}")
done < <(parse)
(( ${#records[@]} > 0 )) || { echo "mutants: $LIST lists no mutation" >&2; exit 2; }

# A file with changes of its own would be "restored" to those changes, and its tests would
# not be the committed ones: refuse instead.
mapfile -t unique_files < <(printf '%s\n' "${files[@]}" | sort -u)
existing=()
for f in "${unique_files[@]}"; do [[ -f $f ]] && existing+=("$f"); done
if (( ${#existing[@]} > 0 )) && git rev-parse --git-dir >/dev/null 2>&1 && ! git diff --quiet HEAD -- "${existing[@]}"; then
  echo "mutants: these files have uncommitted changes; commit or stash them first:" >&2
  git diff --name-only HEAD -- "${existing[@]}" >&2
  exit 2
fi

# Tried twice: on a shared machine a compiler is now and then stopped from outside.
build() {
  cmake --build "$BUILD" -j "$JOBS" >"$work/build.log" 2>&1 ||
    cmake --build "$BUILD" -j "$JOBS" >"$work/build.log" 2>&1
}

# The test programs behind ctest's GoogleTest cases, those named after the mutated file's top
# folder first (by program name: the checkout's own path may contain any folder's name).
# Each runs once as a whole and stops at its first failure: a process per case, as ctest runs
# them, costs far more, and most mutations are caught within seconds this way.
quick_pass=1
test_programs() {
  local top=${1%%/*}
  (cd "$BUILD" && ctest -N -V -LE e2e 2>/dev/null) |
    sed -n 's/^[0-9]*: Test command: \([^ ]*\) .*--gtest_filter.*/\1/p' | sort -u |
    awk -v top="$top" '{ n = split($0, part, "/"); print (top != "" && index(part[n], top) == 1 ? 0 : 1), $0 }' |
    sort -k1,1n -s | cut -d' ' -f2-
}
run_programs() {
  local program
  for program in $(test_programs "$1"); do
    QT_QPA_PLATFORM=offscreen timeout "$PROGRAM_TIMEOUT" "$program" --gtest_fail_fast --gtest_brief=1 \
      >"$work/test.log" 2>&1 || { by=" by $(basename "$program"): $(grep -m1 -oE '\[  FAILED  \] [^ ,]+' "$work/test.log" | cut -c14-)"; return 1; }
  done
}
# Fails when some test fails: first the quick pass, then, when that passes, the whole suite
# as ctest runs it (without the end-to-end test), stopping at the first failure.
run_tests() {
  by=""
  if (( quick_pass )) && ! run_programs "$1"; then return 1; fi
  if ! (cd "$BUILD" && ctest -LE e2e -j "$JOBS" --stop-on-failure --timeout "$TEST_TIMEOUT" >"$work/test.log" 2>&1); then
    by=" by $(grep -m1 -oE '[0-9]+ - [^ ]+ \([^)]*\)' "$work/test.log" | sed 's/^[0-9]* - //')"
    return 1
  fi
}

if [[ ! -f $BUILD/CMakeCache.txt ]]; then
  # Optimised but without debug information: the rebuild after each mutation is what costs.
  cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG" \
    -DTESSALY_BUILD_BENCH=OFF >/dev/null || exit 2
fi
echo "mutants: ${#records[@]} mutations from $LIST, build in $BUILD"
if ! build; then
  tail -20 "$work/build.log"; echo "mutants: the unchanged code does not build" >&2; exit 2
fi
if ! run_programs ""; then
  echo "mutants: the test programs fail when run whole ($by); using ctest alone"
  quick_pass=0
fi
if ! run_tests ""; then
  grep -E 'Failed|\*\*\*' "$work/test.log" | head -20
  echo "mutants: the suite fails on the unchanged code$by" >&2; exit 2
fi

caught=0 missed=0 broken=0 n=0
for record in "${records[@]}"; do
  IFS=$'\037' read -r file find replace fault line <<<"$record"
  n=$((n + 1))
  label=$(printf '%3d %s:%s (%s)' "$n" "$LIST" "$line" "$fault")
  mutant_start=$(date +%s)
  if [[ -z $file || -z $find || -z $fault || ! -f $file ]]; then
    echo "broken  $label: incomplete block or no such file"; broken=$((broken + 1)); continue
  fi
  count=$(FIND=$find perl -0777 -ne '$n = () = /\Q$ENV{FIND}\E/g; print $n' "$file")
  if [[ $count != 1 ]]; then
    echo "broken  $label: the fragment occurs $count times in $file"; broken=$((broken + 1)); continue
  fi
  cp -p "$file" "$work/original"
  saved_file=$file
  FIND=$find REPLACE=$replace perl -0777 -pi -e 's/\Q$ENV{FIND}\E/$ENV{REPLACE}/' "$file"
  if cmp -s "$file" "$work/original"; then
    restore; echo "broken  $label: the replacement changes nothing"; broken=$((broken + 1)); continue
  fi
  if ! build; then
    restore; echo "broken  $label: does not build"; broken=$((broken + 1)); continue
  fi
  if run_tests "$file"; then
    verdict="MISSED"; missed=$((missed + 1))
  else
    verdict="caught"; caught=$((caught + 1))
  fi
  restore
  [[ $verdict == caught ]] || by=""
  echo "$verdict  $label, $(( $(date +%s) - mutant_start )) s$by"
done

# Leave the build matching the restored sources.
build || true
elapsed=$(( $(date +%s) - start ))
echo "mutants: ${#records[@]} total, $caught caught, $missed missed, $broken broken in $((elapsed / 60)) min $((elapsed % 60)) s"
(( missed == 0 && broken == 0 ))
