target_sources(wordloom_engine PRIVATE panels/button_spec.h panels/main_board_table.cpp
                                       panels/main_board_table.h)
target_sources(wordloom_ui PRIVATE panels/board.cpp panels/board.h)
