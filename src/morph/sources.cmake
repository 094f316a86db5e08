target_sources(wordloom_engine PRIVATE morph/derivation.cpp morph/derivation.h)
