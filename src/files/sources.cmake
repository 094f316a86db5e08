# Sources of files/: reading text files in any of the encodings the program
# writes, and writing every file through a temporary that replaces the old
# one only when it is whole. Lists, settings and documents all use them.
target_sources(
  wordloom_engine
  PRIVATE files/atomic_file_writer.cpp
          files/atomic_file_writer.h
          files/text_file.cpp
          files/text_file.h
          files/write_encoding.h)
