# Runs tessaly-solve on a few lines: answers, No Answer, bad lines, --time, --help, a bad option.
# Called as: cmake -DSOLVE=<path of tessaly-solve> -DWORK_DIR=<scratch folder> -P SolveCommandTest.cmake
# In a cross build EMULATOR names what runs it (Wine); Windows ends its output lines with CR LF.
set(input "${WORK_DIR}/solve-input.txt")
file(WRITE "${input}"
  "0000000000000000000000000000000000000000000000000000000000000000000000000000000000\n"
  ".....6....59.....82....8....45........3........6..3.54...325..6..................\r\n"
  "not a grid\n"
  "11...............................................................................\n")

function(expect_match what text pattern)
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "${what}: expected to match '${pattern}', got:\n${text}")
  endif()
endfunction()

# Bad lines are reported and make the exit status non-zero; the others are answered.
execute_process(COMMAND ${EMULATOR} "${SOLVE}" --time INPUT_FILE "${input}"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" out "${out}")
expect_match("answers (status ${status})" "${status}:${out}"
  "^[1-9][0-9]*:138246579659137248274598163745682391813459627926713854487325916362971485591864732\nNo Answer\n$")
foreach(pattern "line 1: not a grid" "line 3: not a grid" "line 2: [0-9]+ us" "solved 2 grids: median [0-9]+ us, max [0-9]+ us")
  expect_match("errors and timing" "${err}" "${pattern}")
endforeach()

execute_process(COMMAND ${EMULATOR} "${SOLVE}" --help OUTPUT_VARIABLE out RESULT_VARIABLE status)
foreach(pattern "No Answer" "--time" "--rate" "--explain")
  expect_match("help (status ${status})" "${status}${out}" "^0.*${pattern}")
endforeach()

execute_process(COMMAND ${EMULATOR} "${SOLVE}" --frobnicate INPUT_FILE "${input}" ERROR_VARIABLE err RESULT_VARIABLE status)
expect_match("unknown option" "${status}:${err}" "^[1-9][0-9]*:.*unknown option '--frobnicate'.*Usage: tessaly-solve")
