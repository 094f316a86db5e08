# Lays data/ beside the program. A file is copied only when the shipped one
# is newer, so preferences and word lists that a run has saved since are kept.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(f ${files})
  if(f MATCHES "(^|/)(README|LICENSE)")
    continue()
  endif()
  if(${SRC}/${f} IS_NEWER_THAN ${DST}/${f})
    get_filename_component(dir ${DST}/${f} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${SRC}/${f} ${DST}/${f})
  endif()
endforeach()
