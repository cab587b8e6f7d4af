# Runs tessaly-solve on a few lines: answers, No Answer, bad lines, --time, --help, a bad option;
# drawn grids over several lines and the lines that are not one; --rate on one grid with one
# solution, one with two, one with none and a full one; --explain's steps of one grid; --rate
# with --explain refused; lost input and output, and a line far longer than any grid.
# Called as: cmake -DSOLVE=<path of tessaly-solve> -DWORK_DIR=<scratch folder> -P CommandTest.cmake
# In a cross build EMULATOR names what runs it (Wine); Windows ends its output lines with CR LF.
set(input "${WORK_DIR}/solve-input.txt")

# Runs tessaly-solve with the given arguments into status, out (with LF line ends) and err.
macro(run_solve)
  execute_process(COMMAND ${EMULATOR} "${SOLVE}" ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  string(REPLACE "\r\n" "\n" out "${out}")
endmacro()

function(expect_match what text pattern)
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "${what}: expected to match '${pattern}', got:\n${text}")
  endif()
endfunction()

file(WRITE "${input}"
  "0000000000000000000000000000000000000000000000000000000000000000000000000000000000\n"
  ".....6....59.....82....8....45........3........6..3.54...325..6..................\r\n"
  "not a grid\n"
  "11...............................................................................\n")
# Bad lines are reported and make the exit status non-zero; the others are answered.
run_solve(--time INPUT_FILE "${input}")
expect_match("answers (status ${status})" "${status}:${out}"
  "^[1-9][0-9]*:138246579659137248274598163745682391813459627926713854487325916362971485591864732\nNo Answer\n$")
foreach(pattern "line 1: not a grid" "line 3: not a grid" "line 2: [0-9]+ us" "solved 2 grids: median [0-9]+ us, max [0-9]+ us")
  expect_match("errors and timing" "${err}" "${pattern}")
endforeach()

# A drawn grid over lines 1-11 with its rules and a blank line after it; two rows cut short by a
# one-line grid; a row with a letter; a row left alone at the end.
file(WRITE "${input}"
  "2 . 1 | . 7 4 | . . 5\n8 9 . | . 5 1 | . 7 .\n5 4 7 | . . 6 | . 1 3\n------+-------+------\n"
  "6 . . | . . 9 | . 5 .\n9 . 2 | . . 7 | . 3 .\n1 . . | . . . | . 2 9\n------+-------+------\n"
  "4 . . | 7 9 . | 3 . 1\n7 1 9 | . 6 . | 5 4 .\n3 . 8 | 1 4 5 | . . 7\n\n"
  "2 _ 1 | _ 7 4 | _ _ 5\r\n8 9 * | * 5 1 | * 7 *\r\n"
  ".....6....59.....82....8....45........3........6..3.54...325..6..................\n"
  "5 4 7 | . x 6 | . 1 3\n6 . . | . . 9 | . 5 .")
run_solve(--time INPUT_FILE "${input}")
expect_match("drawn grids (status ${status})" "${status}:${out}"
  "^1:231974865896351274547286913673429158982517436154638729465792381719863542328145697\n138246579659137248274598163745682391813459627926713854487325916362971485591864732\n$")
foreach(pattern "lines 1-11: [0-9]+ us" "line 15: [0-9]+ us" "lines 13-14: not a grid" "line 16: not a grid"
                "line 17: not a grid" "solved 2 grids")
  expect_match("drawn grids' errors and timing" "${err}" "${pattern}")
endforeach()

run_solve(--help)
foreach(pattern "No Answer" "--time" "--rate" "--explain")
  expect_match("help (status ${status})" "${status}${out}" "^0.*${pattern}")
endforeach()

run_solve(--frobnicate INPUT_FILE "${input}")
expect_match("unknown option" "${status}:${err}" "^[1-9][0-9]*:.*unknown option '--frobnicate'.*Usage: tessaly-solve")

set(pointing "2.1.74..589..51.7.547..6.136....9.5.9.2..7.3.1......294..79.3.1719.6.54.3.8145..7")
file(WRITE "${input}"
  "${pointing}\n"
  "43789.6.58..53674995647.8.354..69387369748.5..783.5964684953.7..956.74387.3.84596\n"
  "55...............................................................................\n"
  "437892615821536749956471823542169387369748152178325964684953271295617438713284596\n")
run_solve(--rate INPUT_FILE "${input}")
set(expected "0:1 1.7 direct pointing\n2+ T&E needs trial and error\n0 - no solution\n1 0.0 none\n")
if(NOT "${status}:${out}" STREQUAL expected)
  message(FATAL_ERROR "--rate: expected status:output\n${expected}got\n${status}:${out}")
endif()

# The direct pointing comes first and places a digit; then only singles, one line for each of
# the other 37 empty cells, and the rating. Lines hold semicolons, so they are counted as text, not as a CMake list.
file(WRITE "${input}" "${pointing}\n")
run_solve(--explain INPUT_FILE "${input}")
string(REGEX REPLACE "[^\n]" "" newlines "${out}")
string(LENGTH "${newlines}" count)
set(first "1.7 Direct pointing: in the top-middle box, the 3 can only go where it meets column 4, so it goes nowhere else in column 4; that leaves row 8, column 6 as the only place for the 3 in the bottom-middle box.\n")
string(FIND "${out}" "${first}" at)
if(NOT status EQUAL 0 OR NOT count EQUAL 39 OR NOT at EQUAL 0 OR NOT out MATCHES "\nrating 1\\.7 direct pointing\n$")
  message(FATAL_ERROR "--explain: expected 39 lines from\n${first}to the rating, got (status ${status})\n${out}")
endif()

run_solve(--rate --explain INPUT_FILE "${input}")
expect_match("--rate with --explain must be refused" "${status}:${err}" "^[1-9][0-9]*:.*do not go together")

# Runs the shell script with tessaly-solve as $0 and the arguments after it as $1 ...
macro(run_shell script)
  execute_process(COMMAND sh -c "${script}" "${SOLVE}" ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
endmacro()

# Input that cannot be read and output that cannot be written end in a message and status 2.
# A line far longer than a grid is passed over without being held: the program runs in less
# address space than the line takes, unless it cannot start in that little (a sanitizer's shadow
# memory), when only the answers are checked. These need a POSIX shell and /dev/full.
if(CMAKE_HOST_UNIX AND NOT EMULATOR)
  file(WRITE "${input}" "${pointing}\n")
  run_shell("\"$0\" < \"$1\" > /dev/full" "${input}")
  expect_match("output to a full disk" "${status}:${err}" "^2:tessaly-solve: cannot write standard output: ")
  run_shell("\"$0\" --help > /dev/full")
  expect_match("help to a full disk" "${status}:${err}" "^2:tessaly-solve: cannot write standard output: ")
  run_shell("\"$0\" < \"$1\"" "${WORK_DIR}")
  expect_match("a folder as input" "${status}:${err}" "^2:tessaly-solve: cannot read standard input: ")

  set(limit "prlimit --as=33554432")
  run_shell("${limit} \"$0\" --help")
  if(NOT status EQUAL 0)
    set(limit "")
  endif()
  run_shell("{ head -c 64000000 /dev/zero | tr -c 1 1; echo; cat \"$1\"; } | ${limit} \"$0\"" "${input}")
  expect_match("a 64 MB line with '${limit}'" "${status}:${out}${err}"
    "^1:231974865896351274547286913673429158982517436154638729465792381719863542328145697\ntessaly-solve: line 1: not a grid")
endif()
