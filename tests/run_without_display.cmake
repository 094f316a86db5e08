# Runs the program as on a machine without a display: ARGS (a ;-list), the
# expected exit status EXIT and a regular expression MATCH that standard
# output or standard error must hold.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
          ${WORDLOOM} ${ARGS}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  TIMEOUT 30)
if(NOT status STREQUAL EXIT)
  message(FATAL_ERROR "exit status ${status}, expected ${EXIT}\n${out}${err}")
endif()
if(NOT "${out}${err}" MATCHES "${MATCH}")
  message(FATAL_ERROR "the output lacks \"${MATCH}\":\n${out}${err}")
endif()
string(FIND "${err}" "Reinstalling" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "Qt's platform failure was shown:\n${err}")
endif()
