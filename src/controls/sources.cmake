# Sources of controls/ are listed here.
target_sources(wordloom_ui PRIVATE controls/color_button.cpp
                                   controls/color_button.h controls/frame_paint.h)
