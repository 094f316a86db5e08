# Fails when a file outside src/shell/ includes the main window's header: the
# parts are handed what they use, so that each can be built and tested
# without the whole window.
file(GLOB_RECURSE sources RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
set(offenders)
foreach(source ${sources})
  if(source MATCHES "^shell/")
    continue()
  endif()
  file(STRINGS ${SRC}/${source} hits REGEX "#include *\"shell/(ui/)?main_form\\.h\"")
  if(hits)
    list(APPEND offenders ${source})
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "shell/ui/main_form.h included outside src/shell/: ${offenders}")
endif()
