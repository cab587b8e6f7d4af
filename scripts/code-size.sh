#!/usr/bin/env bash
# Non-blank lines of the program and of its tests, and how the two compare.
# Program: C++ sources and headers, CMake files and scripts outside tests/.
# Tests: everything under tests/ (end-to-end script, fuzz targets and data included) but the
# mutation list, which is the mutation check's input rather than a test.
set -euo pipefail
cd "$(dirname "$0")/.."

nonblank() { grep -cv '^[[:space:]]*$' "$@" 2>/dev/null | awk -F: '{ n += $NF } END { print n + 0 }'; }

mapfile -t code < <({
  find puzzle game board app tools bench -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.cmake' -o -name 'CMakeLists.txt' -o -name '*.sh' \)
  find scripts -type f
  ls CMakeLists.txt Makefile .ci/run
} 2>/dev/null | sort)
mapfile -t tests < <(find tests -type f ! -path tests/mutants.txt | sort)

code_lines=$(nonblank "${code[@]}")
test_lines=$(nonblank "${tests[@]}")
echo "code:  ${#code[@]} files, ${code_lines} non-blank lines (puzzle game board app tools bench scripts, build files)"
echo "tests: ${#tests[@]} files, ${test_lines} non-blank lines (tests/ but mutants.txt, end-to-end and fuzz included)"
awk -v t="$test_lines" -v c="$code_lines" \
  'BEGIN { printf "size: tests %d lines = %.0f%% of code %d lines\n", t, c ? 100 * t / c : 0, c }'
