# Takes the picture of the main window the AppStream data show, from the real
# program in script mode, and writes the metainfo file with its size.
# In: WORDLOOM, DATA, SCRIPT, WORK, PNG, METAINFO_IN, METAINFO and the
# variables the metainfo template names.
cmake_policy(SET CMP0007 NEW) # keep the empty lines of prefs.ini
file(REMOVE_RECURSE ${WORK})
file(COPY ${DATA}/ DESTINATION ${WORK}/prog)

# A window of a size a software centre shows well, in a font every Debian
# desktop has, not maximised.
file(READ ${WORK}/prog/prefs.ini prefs)
# (file(READ) may drop the carriage returns; they are written back.)
string(REGEX REPLACE "\r?\n" ";" lines "${prefs}")
foreach(change "1;Liberation Serif" "8;800" "9;500" "10;false")
  list(GET change 0 at)
  list(GET change 1 value)
  list(REMOVE_AT lines ${at})
  list(INSERT lines ${at} "${value}")
endforeach()
list(JOIN lines "\r\n" prefs)
file(WRITE ${WORK}/prog/prefs.ini "${prefs}")

file(READ ${SCRIPT} script)
string(REPLACE "OUT" "${PNG}" script "${script}")
file(WRITE ${WORK}/shot.wls "${script}")
file(REMOVE ${PNG})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${WORDLOOM} --play ${WORK}/shot.wls
          --program-dir ${WORK}/prog --seed 1
  RESULT_VARIABLE status
  ERROR_VARIABLE err
  TIMEOUT 120)
if(NOT status EQUAL 0 OR NOT EXISTS ${PNG})
  message(FATAL_ERROR "the window picture was not taken (exit ${status}):\n${err}")
endif()
file(REMOVE_RECURSE ${WORK})

# A PNG's width and height are the big-endian words at bytes 16 and 20.
file(READ ${PNG} header OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING "${header}" 0 8 width)
string(SUBSTRING "${header}" 8 8 height)
math(EXPR width "0x${width}")
math(EXPR height "0x${height}")
set(SHOT_SIZE " width=\"${width}\" height=\"${height}\"")
configure_file(${METAINFO_IN} ${METAINFO} @ONLY)
