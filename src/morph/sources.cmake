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
          morph/verb_spelling.cpp
          morph/verb_spelling.h
          morph/verbs.cpp
          morph/verbs.h
          morph/word_capture.cpp
          morph/word_capture.h)
target_sources(wordloom_ui PRIVATE morph/ui/inflection_buttons.cpp morph/ui/inflection_buttons.h)
