#pragma once

#include "predict/prediction_model.h"
#include "predict/prediction_text.h"

#include <QList>
#include <QString>
#include <QStringList>

class TextSurface;
class UserModel;
class Vocabulary;

// The words most likely to come next at the caret, from the shipped model
// and what the user has written, each in the form the sentence needs: a
// verb after "he" in its "-s" form, after "have" its past participle, a noun
// after "two" in the plural, as the program's own verb, plural and degree
// rules would form it.
class Predictor
{
public:
    struct Prediction
    {
        QString word;      // as it goes in
        QStringList forms; // what repeated clicks cycle through
        int form = 0;      // the index of word in forms
    };

    // vocabulary gives the verb tables and plural exceptions; without it the
    // plain ending rules are used.
    Predictor(const PredictionModel &model, const UserModel &user,
              const Vocabulary *vocabulary = nullptr);

    void setPastTense(bool past) { m_pastTense = past; }

    QList<Prediction> predict(const TextSurface &surface, int count) const;
    QList<Prediction> predict(const PredictionText::Context &context, int count) const;

private:
    struct Candidate;
    // The form of a candidate that the words before it ask for.
    Prediction shape(const Candidate &candidate, const PredictionText::Context &context) const;
    // The five forms of a verb in the program's verb tables, or none.
    QStringList tableForms(const QString &infinitive) const;
    QStringList verbForms(const QString &key, quint32 modelIndex) const;
    QString pluralOf(const QString &key, quint32 modelIndex) const;
    QStringList degreeForms(const QString &key, quint32 modelIndex) const;
    PredictionModel::Class classOf(quint32 modelIndex) const;

    const PredictionModel &m_model;
    const UserModel &m_user;
    const Vocabulary *m_vocabulary;
    bool m_pastTense = false;
};
