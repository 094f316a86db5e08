# Recovery copies of unsaved work: the store and the lists' copy in the
# engine, the document's copy beside the document formats, and the part of
# the window that keeps and offers them.
target_sources(
  wordloom_engine
  PRIVATE shell/recovery/recovery_store.cpp
          shell/recovery/recovery_store.h
          shell/recovery/vocabulary_snapshot.cpp
          shell/recovery/vocabulary_snapshot.h)
target_sources(wordloom_doc PRIVATE shell/recovery/document_snapshot.cpp
                                    shell/recovery/document_snapshot.h)
target_sources(wordloom_ui PRIVATE shell/ui/recovery_keeper.cpp shell/ui/recovery_keeper.h)
