target_sources(
  wordloom_engine
  PRIVATE predict/prediction_model.cpp predict/prediction_model.h predict/prediction_text.cpp
          predict/prediction_text.h predict/predictor.cpp predict/predictor.h
          predict/user_model.cpp predict/user_model.h predict/word_prediction.cpp
          predict/word_prediction.h)
target_sources(wordloom_ui PRIVATE predict/ui/prediction_row.cpp predict/ui/prediction_row.h)
