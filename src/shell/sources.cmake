target_sources(wordloom_engine PRIVATE shell/ruler_scale.cpp shell/ruler_scale.h)
target_sources(
  wordloom_doc
  PRIVATE shell/plain_text_document.cpp
          shell/plain_text_document.h
          shell/rtf_code_page.cpp
          shell/rtf_code_page.h
          shell/rtf_document.cpp
          shell/rtf_document.h
          shell/rtf_reader.cpp
          shell/rtf_reader.h
          shell/rtf_tokenizer.cpp
          shell/rtf_tokenizer.h
          shell/rtf_writer.cpp
          shell/rtf_writer.h)
target_sources(
  wordloom_ui
  PRIVATE shell/about_box.cpp
          shell/about_box.h
          shell/document.cpp
          shell/document.h
          shell/document_editor.cpp
          shell/document_printer.cpp
          shell/document_printer.h
          shell/edit_commands.cpp
          shell/edit_commands.h
          shell/format_bar.cpp
          shell/format_bar.h
          shell/printer_chooser.cpp
          shell/printer_chooser.h
          shell/ruler.cpp
          shell/ruler.h
          shell/ruler_marker.cpp
          shell/ruler_marker.h
          shell/status_panel.cpp
          shell/status_panel.h
          shell/document_editor.h
          shell/editor_surface.cpp
          shell/editor_surface.h
          shell/main_form.cpp
          shell/main_form.h
          shell/tool_icons.cpp
          shell/tool_icons.h
          shell/widget_dialogs.cpp
          shell/widget_dialogs.h)

# Script mode: the commands of --play, the dialogs answered from a queue and
# the mouse and key input it delivers.
target_sources(
  wordloom_script
  PRIVATE shell/script/script_events.cpp
          shell/script/script_events.h
          shell/script/script_runner.cpp
          shell/script/script_runner.h
          shell/script/scripted_dialogs.cpp
          shell/script/scripted_dialogs.h)
