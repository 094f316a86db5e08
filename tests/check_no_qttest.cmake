# Fails when the program WORDLOOM needs Qt's test library, directly or
# through another library. The list must name Qt's widget library, so a
# tool that printed nothing cannot pass for a clean program.
execute_process(COMMAND ldd ${WORDLOOM} RESULT_VARIABLE status OUTPUT_VARIABLE needed
                ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  execute_process(COMMAND readelf -d ${WORDLOOM} RESULT_VARIABLE status OUTPUT_VARIABLE needed
                  ERROR_VARIABLE err)
endif()
if(NOT status EQUAL 0 OR NOT needed MATCHES "libQt6Widgets")
  message(FATAL_ERROR "cannot list the libraries of ${WORDLOOM}: ${err}")
endif()
if(needed MATCHES "libQt6Test")
  message(FATAL_ERROR "${WORDLOOM} links Qt's test library:\n${needed}")
endif()
