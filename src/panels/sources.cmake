target_sources(
  wordloom_engine
  PRIVATE panels/affix_captions_file.cpp
          panels/affix_captions_file.h
          panels/affix_tables.cpp
          panels/affix_tables.h
          panels/button_spec.h
          panels/label_spec.h
          panels/main_board_table.cpp
          panels/main_board_table.h
          panels/modal_table.cpp
          panels/modal_table.h
          panels/panel_layout.cpp
          panels/panel_layout.h
          panels/panel_words.cpp
          panels/panel_words.h
          panels/verb_panel_tables.cpp
          panels/verb_panel_tables.h
          panels/word_button_spec.h
          panels/word_cycles.cpp
          panels/word_cycles.h
          panels/word_panel_spec.h
          panels/word_panel_tables.cpp
          panels/word_panel_tables.h)
target_sources(wordloom_ui PRIVATE panels/board.cpp panels/board.h panels/word_panels.cpp
                                   panels/word_panels.h)
