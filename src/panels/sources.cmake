# Sources of panels/ are listed here.
