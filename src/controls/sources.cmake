# Sources of controls/: what every part of the window draws with. The
# face-contrast rule is plain arithmetic, tested with the engine.
target_sources(wordloom_engine PRIVATE controls/face_contrast.cpp controls/face_contrast.h)
target_sources(
  wordloom_ui
  PRIVATE controls/announcement_label.cpp
          controls/announcement_label.h
          controls/color_button.cpp
          controls/color_button.h
          controls/combo_accessible.cpp
          controls/combo_accessible.h
          controls/document_editor.cpp
          controls/document_editor.h
          controls/frame_paint.h
          controls/heap_reuse.cpp
          controls/heap_reuse.h
          controls/zoom_scale.h
          controls/zoomed_text_device.cpp
          controls/zoomed_text_device.h)
