target_sources(wordloom_engine PRIVATE vocab/text_file.cpp vocab/text_file.h)
