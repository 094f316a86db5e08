target_sources(
  wordloom_engine
  PRIVATE prefs/data_locations.cpp prefs/data_locations.h prefs/preferences.cpp prefs/preferences.h prefs/prefs_box_rules.cpp
          prefs/prefs_box_rules.h prefs/startup_loader.cpp prefs/startup_loader.h
          prefs/view_settings.cpp prefs/view_settings.h)
target_sources(wordloom_ui PRIVATE prefs/ui/preferences_panel.cpp prefs/ui/preferences_panel.h
                                   prefs/ui/speech_tab.cpp prefs/ui/speech_tab.h prefs/ui/buddy_label.h
                                   prefs/ui/prediction_tab.cpp prefs/ui/prediction_tab.h)
