#pragma once

#include "predict/prediction_model.h"
#include "predict/predictor.h"
#include "predict/user_model.h"

#include <QString>
#include <QStringList>

class Composition;
class Vocabulary;

// Word prediction as the window uses it: the shipped model and the user's
// learnt words, the row's predictions at the caret, and the insertion of a
// chosen prediction through the same InsertWord as any word button.
class WordPrediction
{
public:
    static constexpr const char *kModelFile = "prediction.bin";
    static constexpr const char *kUserFile = "learnt-words.txt";
    static inline const QString kTag = QStringLiteral("predict");

    explicit WordPrediction(const Vocabulary *vocabulary = nullptr);

    // Reads the shipped model; false with *error saying why the row stays
    // empty.
    bool loadModel(const QString &path, QString *error);
    // A model read elsewhere, e.g. on another thread while the window was
    // being built.
    void setModel(PredictionModel &&model) { m_model = std::move(model); }
    bool hasModel() const { return !m_model.isEmpty(); }
    const PredictionModel &model() const { return m_model; }
    // Reads the learnt words kept at path, which later saves write. A note
    // for the user comes back when the file was set aside or refused.
    QString loadUserModel(const QString &path);
    UserModel &userModel() { return m_user; }

    void setPastTense(bool past) { m_predictor.setPastTense(past); }
    QList<Predictor::Prediction> predict(const TextSurface &surface, int count) const;

    // Learns a saved document's text. The same document saved again is
    // learnt once: what it said before is taken back first. Returns false
    // with *error when the learnt words could not be written.
    bool learnDocument(const QString &text, QString *error);
    // A newly opened or new document starts its own learning.
    void startDocument() { m_learntText.clear(); }
    bool forget(const QString &word, QString *error);
    bool forgetAll(QString *error);

    // Puts prediction in at the caret in place of the letters typed of the
    // word being completed, as a word button would (capital, article,
    // spacing); tag kTag.
    void insert(Composition &composition, const Predictor::Prediction &prediction);
    // A repeated click: the next form of the word inserted last replaces
    // it. False when the last insertion was not a prediction.
    bool cycle(Composition &composition);
    // The prediction inserted last, while it is still the last insertion.
    const Predictor::Prediction *lastInserted(const Composition &composition) const;

private:
    bool saveUserModel(QString *error);

    PredictionModel m_model;
    UserModel m_user;
    Predictor m_predictor;
    QString m_userPath;
    QString m_learntText;
    Predictor::Prediction m_last;
};
