# Sources of prefs/ are listed here.
