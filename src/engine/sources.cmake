# The engine's owner, at the top of the engine layer.
target_sources(wordloom_engine PRIVATE engine/compose_engine.cpp engine/compose_engine.h)
