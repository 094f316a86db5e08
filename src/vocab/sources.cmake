target_sources(
  wordloom_engine
  PRIVATE vocab/plural_exception_list.cpp
          vocab/plural_exception_list.h
          vocab/text_file.cpp
          vocab/text_file.h
          vocab/verb_list_editor.cpp
          vocab/verb_list_editor.h
          vocab/verb_table.cpp
          vocab/verb_table.h
          vocab/vocabulary.cpp
          vocab/vocabulary.h
          vocab/word_list.cpp
          vocab/word_list.h
          vocab/word_list_editor.cpp
          vocab/word_list_editor.h
          vocab/write_encoding.h)
target_sources(wordloom_ui PRIVATE vocab/add_verb_panel.cpp vocab/add_verb_panel.h
                                   vocab/add_word_panel.cpp vocab/add_word_panel.h)
