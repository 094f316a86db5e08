# Runs one script scenario in a fresh copy of the shipped program directory.
# The first lines of the script may say "#! exit N" (expected exit status,
# default 0), "#! args ..." (extra command-line arguments, with @WORK@ for the
# program directory), "#! stderr TEXT" (a line standard error must hold),
# "#! remove PATH" (deletes a file of the copy) and "#! prefs LINE TEXT"
# (puts TEXT on line LINE of the copy's prefs.ini, so a scenario can run with
# other preferences) and "#! view TEXT" (adds the line TEXT to the copy's
# view.ini).
cmake_policy(SET CMP0007 NEW)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${DATA}/ DESTINATION ${WORK})

set(expected_exit 0)
set(extra_args)
set(stderr_needles)
file(STRINGS ${SCRIPT} header REGEX "^#! ")
foreach(line ${header})
  if(line MATCHES "^#! exit ([0-9]+)")
    set(expected_exit ${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! copy ([^ ]+) ([^ ]+)")
    # "#! copy DIR NEW": a copy of a directory of the program directory.
    file(COPY ${WORK}/${CMAKE_MATCH_1}/ DESTINATION ${WORK}/${CMAKE_MATCH_2})
  elseif(line MATCHES "^#! args (.*)")
    string(REPLACE "@WORK@" "${WORK}" args "${CMAKE_MATCH_1}")
    separate_arguments(args UNIX_COMMAND "${args}")
    list(APPEND extra_args ${args})
  elseif(line MATCHES "^#! stderr (.*)")
    list(APPEND stderr_needles "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^#! remove (.*)")
    file(REMOVE_RECURSE ${WORK}/${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! view (.*)")
    file(APPEND ${WORK}/view.ini "${CMAKE_MATCH_1}\n")
  elseif(line MATCHES "^#! prefs ([0-9]+) ?(.*)")
    math(EXPR index "${CMAKE_MATCH_1} - 1")
    set(value "${CMAKE_MATCH_2}")
    file(READ ${WORK}/prefs.ini prefs)
    string(REPLACE "\r" "" prefs "${prefs}")
    string(REPLACE "\n" ";" prefs_lines "${prefs}")
    list(REMOVE_AT prefs_lines ${index})
    list(INSERT prefs_lines ${index} "${value}")
    list(JOIN prefs_lines "\r\n" prefs)
    file(WRITE ${WORK}/prefs.ini "${prefs}")
  endif()
endforeach()

# Recovery copies and other per-user data go into the scenario's own folder,
# never the user's.
set(ENV{XDG_DATA_HOME} ${WORK}/.local-share)
execute_process(
  COMMAND ${WORDLOOM} --play ${SCRIPT} --program-dir ${WORK} --seed 1 ${extra_args}
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  TIMEOUT 60)
message("${err}")
if(NOT status STREQUAL expected_exit)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_exit}\n${out}")
endif()
foreach(needle ${stderr_needles})
  string(FIND "${err}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "standard error lacks: ${needle}")
  endif()
endforeach()
string(REGEX REPLACE "\\.wls$" ".out" expected_file ${SCRIPT})
if(EXISTS ${expected_file})
  file(READ ${expected_file} expected)
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "standard output differs.\n--- expected\n${expected}--- got\n${out}")
  endif()
endif()
