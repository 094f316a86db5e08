target_sources(wordloom_doc PRIVATE shell/plain_text_document.cpp shell/plain_text_document.h
                                    shell/rtf_document.cpp shell/rtf_document.h)
target_sources(
  wordloom_ui
  PRIVATE shell/about_box.cpp
          shell/about_box.h
          shell/document.cpp
          shell/document.h
          shell/document_editor.cpp
          shell/document_editor.h
          shell/editor_surface.cpp
          shell/editor_surface.h
          shell/main_form.cpp
          shell/main_form.h
          shell/tool_icons.cpp
          shell/tool_icons.h
          shell/scripted_dialogs.cpp
          shell/scripted_dialogs.h
          shell/script_runner.cpp
          shell/script_runner.h
          shell/widget_dialogs.cpp
          shell/widget_dialogs.h)
