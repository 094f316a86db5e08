target_sources(
  wordloom_engine
  PRIVATE morph/cycling_form.cpp
          morph/cycling_form.h
          morph/derivation.cpp
          morph/derivation.h
          morph/modals.cpp
          morph/modals.h
          morph/negation.cpp
          morph/negation.h
          morph/plurals.cpp
          morph/plurals.h
          morph/table_verbs.cpp
          morph/table_verbs.h
          morph/verb_spelling.cpp
          morph/verb_spelling.h
          morph/verbs.cpp
          morph/verbs.h
          morph/word_capture.cpp
          morph/word_capture.h)
target_sources(wordloom_ui PRIVATE morph/ui/inflection_buttons.cpp morph/ui/inflection_buttons.h)
# The stress table the doubling rule reads (built by tools/vocab/build_doubling.py).
qt_add_resources(wordloom_engine "spelling_data" PREFIX "/" BASE ${CMAKE_SOURCE_DIR}/data
                 FILES ${CMAKE_SOURCE_DIR}/data/spelling/doubling.txt)
