target_sources(wordloom_engine PRIVATE panels/button_spec.h)
