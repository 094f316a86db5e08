target_sources(
  wordloom_engine
  PRIVATE vocab/category_words.cpp
          vocab/category_words.h
          vocab/plural_exception_list.cpp
          vocab/plural_exception_list.h
          vocab/text_file.cpp
          vocab/text_file.h
          vocab/verb_table.cpp
          vocab/verb_table.h
          vocab/vocabulary.cpp
          vocab/vocabulary.h
          vocab/word_list.cpp
          vocab/word_list.h
          vocab/word_pick.cpp
          vocab/word_pick.h
          vocab/write_encoding.h)
target_sources(wordloom_ui PRIVATE vocab/category_buttons.cpp vocab/category_buttons.h
                                   vocab/word_pick_panel.cpp vocab/word_pick_panel.h)
