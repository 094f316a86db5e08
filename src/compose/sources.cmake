target_sources(
  wordloom_engine
  PRIVATE compose/article_choice.cpp
          compose/article_choice.h
          compose/articles.cpp
          compose/articles.h
          compose/composition.cpp
          compose/composition.h
          compose/composition_state.h
          compose/dialogs.h
          compose/editing_keys.cpp
          compose/editing_keys.h
          compose/memory_surface.cpp
          compose/memory_surface.h
          compose/punctuation.cpp
          compose/punctuation.h
          compose/random_source.h
          compose/text_surface.h)
target_sources(wordloom_ui PRIVATE compose/ui/action_undo.cpp compose/ui/action_undo.h
                                   compose/ui/compose_buttons.cpp compose/ui/compose_buttons.h)
