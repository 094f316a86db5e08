# Sources of morph/ are listed here.
