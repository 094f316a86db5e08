target_sources(
  wordloom_doc
  PRIVATE shell/formats/embedded_resources.cpp
          shell/formats/embedded_resources.h
          shell/formats/plain_text_document.cpp
          shell/formats/plain_text_document.h
          shell/formats/rtf_code_page.cpp
          shell/formats/rtf_code_page.h
          shell/formats/rtf_document.cpp
          shell/formats/rtf_document.h
          shell/formats/rtf_reader.cpp
          shell/formats/rtf_reader.h
          shell/formats/rtf_tokenizer.cpp
          shell/formats/rtf_tokenizer.h
          shell/formats/rtf_writer.cpp
          shell/formats/rtf_writer.h)
target_sources(
  wordloom_ui
  PRIVATE shell/ui/about_box.cpp
          shell/ui/about_box.h
          shell/ui/dialog_zoom.cpp
          shell/ui/dialog_zoom.h
          shell/ui/document.cpp
          shell/ui/document.h
          shell/ui/document_printer.cpp
          shell/ui/document_printer.h
          shell/ui/edit_commands.cpp
          shell/ui/edit_commands.h
          shell/ui/format_bar.cpp
          shell/ui/format_bar.h
          shell/ui/printer_chooser.cpp
          shell/ui/printer_chooser.h
          shell/ui/ruler.cpp
          shell/ui/ruler.h
          shell/ui/ruler_marker.cpp
          shell/ui/ruler_marker.h
          shell/ui/status_panel.cpp
          shell/ui/status_panel.h
          shell/ui/editor_surface.cpp
          shell/ui/editor_surface.h
          shell/ui/main_form.cpp
          shell/ui/main_form.h
          shell/ui/prediction_host.cpp
          shell/ui/prediction_host.h
          shell/ui/ruler_scale.cpp
          shell/ui/ruler_scale.h
          shell/ui/tool_icons.cpp
          shell/ui/tool_icons.h
          shell/ui/widget_dialogs.cpp
          shell/ui/widget_dialogs.h)

# Speech: the engines, the speaker, and when the program speaks.
target_sources(
  wordloom_ui
  PRIVATE shell/speech/speaker.cpp
          shell/speech/speaker.h
          shell/speech/speech_commands.cpp
          shell/speech/speech_commands.h
          shell/speech/speech_engine.cpp
          shell/speech/speech_engine.h
          shell/speech/voice_choice.cpp
          shell/speech/voice_choice.h)

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

include(${CMAKE_CURRENT_LIST_DIR}/recovery/sources.cmake)
