# Runs tessaly-solve --rate and --explain: one grid with one solution, one with two, one with
# none, a full one; the steps of one grid; both options together refused.
# Called as: cmake -DSOLVE=<path of tessaly-solve> -DWORK_DIR=<scratch folder> -P RateCommandTest.cmake
# In a cross build EMULATOR names what runs it (Wine); Windows ends its output lines with CR LF.
set(pointing "2.1.74..589..51.7.547..6.136....9.5.9.2..7.3.1......294..79.3.1719.6.54.3.8145..7")
set(input "${WORK_DIR}/rate-input.txt")
file(WRITE "${input}"
  "${pointing}\n"
  "43789.6.58..53674995647.8.354..69387369748.5..783.5964684953.7..956.74387.3.84596\n"
  "55...............................................................................\n"
  "437892615821536749956471823542169387369748152178325964684953271295617438713284596\n")
execute_process(COMMAND ${EMULATOR} "${SOLVE}" --rate INPUT_FILE "${input}" OUTPUT_VARIABLE out RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" out "${out}")
set(expected "0:1 2.6 pointing\n2+ T&E needs trial and error\n0 - no solution\n1 0.0 none\n")
if(NOT "${status}:${out}" STREQUAL expected)
  message(FATAL_ERROR "--rate: expected status:output\n${expected}got\n${status}:${out}")
endif()

# The pointing step comes first; then only singles, one line for each of the 38 empty cells,
# and the rating. Lines hold semicolons, so they are counted as text, not as a CMake list.
file(WRITE "${input}" "${pointing}\n")
execute_process(COMMAND ${EMULATOR} "${SOLVE}" --explain INPUT_FILE "${input}" OUTPUT_VARIABLE out RESULT_VARIABLE status)
string(REPLACE "\r\n" "\n" out "${out}")
string(REGEX REPLACE "[^\n]" "" newlines "${out}")
string(LENGTH "${newlines}" count)
set(first "2.6 Pointing: in the top-middle box, the 3 can only go where it meets column 4, so the 3 is removed from row 4, column 4; row 6, column 4 and row 8, column 4.\n")
string(FIND "${out}" "${first}" at)
if(NOT status EQUAL 0 OR NOT count EQUAL 40 OR NOT at EQUAL 0 OR NOT out MATCHES "\nrating 2\\.6 pointing\n$")
  message(FATAL_ERROR "--explain: expected 40 lines from\n${first}to the rating, got (status ${status})\n${out}")
endif()

execute_process(COMMAND ${EMULATOR} "${SOLVE}" --rate --explain INPUT_FILE "${input}" ERROR_VARIABLE err RESULT_VARIABLE status)
if(status EQUAL 0 OR NOT err MATCHES "do not go together")
  message(FATAL_ERROR "--rate with --explain must be refused, got status ${status}:\n${err}")
endif()
