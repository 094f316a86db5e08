target_sources(
  wordloom_engine
  PRIVATE panels/affix_tables.cpp
          panels/affix_tables.h
          panels/button_spec.h
          panels/label_spec.h
          panels/main_board_table.cpp
          panels/main_board_table.h
          panels/modal_table.cpp
          panels/modal_table.h
          panels/right_words.cpp
          panels/right_words.h
          panels/verb_panel_tables.cpp
          panels/verb_panel_tables.h)
target_sources(wordloom_ui PRIVATE panels/board.cpp panels/board.h panels/right_column.cpp
                                   panels/right_column.h)
