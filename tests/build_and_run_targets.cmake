# tools/build-and-run builds the program and its data only: none of what
# the targets it names are made from is a test.
file(READ ${SCRIPT} text)
if(NOT text MATCHES "cmake --build \"\\$root/build\" --target ([^\n]*)")
  message(FATAL_ERROR "${SCRIPT} names no targets to build")
endif()
separate_arguments(targets UNIX_COMMAND "${CMAKE_MATCH_1}")
execute_process(
  COMMAND ${NINJA} -C ${BUILD} -t inputs ${targets}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE inputs
  ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ninja cannot list the inputs of ${targets}: ${err}")
endif()
string(REGEX MATCHALL "[^\n]*(tests/|bench/|fuzz/)[^\n]*" found "${inputs}")
if(found)
  message(FATAL_ERROR "building ${targets} also builds:\n${found}")
endif()
