target_sources(
  wordloom_engine
  PRIVATE prefs/preferences.cpp prefs/preferences.h prefs/startup_loader.cpp
          prefs/startup_loader.h)
