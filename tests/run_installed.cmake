# Runs the program laid out as a package installs it (WORK/usr/bin and
# WORK/usr/share/wordloom) for a user with an empty home: two word clicks
# write "The cat", closing leaves the settings in the user's config folder
# and the vocabulary in the user's data folder, the shared data stay as they
# were, and a list the user edited survives an upgrade of the shared data.
# With PORTABLE set it runs a portable copy instead, which is moved to another
# folder between two starts and keeps its settings and noun captions.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/usr/bin ${WORK}/usr/share/wordloom ${WORK}/home)
file(COPY ${DATA}/ DESTINATION ${WORK}/usr/share/wordloom)
# The program finds its data from where it runs, so it must run from there.
file(CREATE_LINK ${WORDLOOM} ${WORK}/usr/bin/wordloom COPY_ON_ERROR)

function(snapshot dir out)
  file(GLOB_RECURSE files LIST_DIRECTORIES true ${dir}/*)
  set(text "")
  foreach(f ${files})
    if(IS_DIRECTORY ${f})
      string(APPEND text "${f}/\n")
    else()
      file(SHA256 ${f} sum)
      string(APPEND text "${f} ${sum}\n")
    endif()
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(run script expected)
  file(WRITE ${WORK}/script.wls "${script}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_CONFIG_HOME --unset=XDG_DATA_HOME
            HOME=${WORK}/home QT_QPA_PLATFORM=offscreen
            ${WORK}/usr/bin/wordloom --play ${WORK}/script.wls ${ARGN}
    WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    TIMEOUT 60)
  if(NOT status EQUAL 0 OR NOT out STREQUAL expected OR err MATCHES "message:")
    message(FATAL_ERROR "exit ${status}, output \"${out}\", expected \"${expected}\"\n${err}")
  endif()
endfunction()

if(PORTABLE)
  set(a ${WORK}/home/A)
  file(COPY ${DATA}/ DESTINATION ${a})
  file(READ ${a}/words/nounButtons.txt captions)
  string(REPLACE "custom" "mine" captions "${captions}")
  file(WRITE ${a}/words/nounButtons.txt "${captions}")
  run("choose cbTense past tense\nquit\n" "" --program-dir ${a})
  file(RENAME ${a} ${WORK}/home/B)
  run("show cbTense\nshow btnCustom\nquit\n" "past tense\nmine\n" --program-dir ${WORK}/home/B)
  if(EXISTS ${WORK}/home/.config OR EXISTS ${a})
    message(FATAL_ERROR "a portable copy wrote outside its folder")
  endif()
  return()
endif()

snapshot(${WORK}/usr/share/wordloom before)
run("word the\nword cat\nprint\nanswer No\nquit\n" "The cat \n")
snapshot(${WORK}/usr/share/wordloom after)
if(NOT before STREQUAL after)
  message(FATAL_ERROR "the shared data changed:\n${before}---\n${after}")
endif()
set(config ${WORK}/home/.config/Wordloom)
set(words ${WORK}/home/.local/share/Wordloom/words)
foreach(f ${config}/prefs.ini ${config}/view.ini ${words}/nounButtons.txt ${words}/verb.txt)
  if(NOT EXISTS ${f})
    message(FATAL_ERROR "${f} was not made")
  endif()
endforeach()

# An upgrade ships new adjectives; the user has edited that list.
file(WRITE ${words}/adjective.txt "mine")
file(WRITE ${WORK}/usr/share/wordloom/words/adjective.txt "shipped\r\nanew")
run("quit\n" "")
file(READ ${words}/adjective.txt kept)
if(NOT kept STREQUAL "mine")
  message(FATAL_ERROR "the user's edited list was replaced: ${kept}")
endif()
