target_sources(
  wordloom_engine
  PRIVATE panels/affix_tables.cpp panels/affix_tables.h panels/button_spec.h
          panels/label_spec.h panels/modal_table.cpp panels/modal_table.h)
