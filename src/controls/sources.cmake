# Sources of controls/ are listed here.
target_sources(wordloom_ui PRIVATE shell/main.cpp)
