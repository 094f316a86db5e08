#include "predict/word_prediction.h"

#include "compose/composition.h"

WordPrediction::WordPrediction(const Vocabulary *vocabulary)
    : m_predictor(m_model, m_user, vocabulary)
{}

bool WordPrediction::loadModel(const QString &path, QString *error)
{
    return m_model.load(path, error);
}

QString WordPrediction::loadUserModel(const QString &path)
{
    m_userPath = path;
    QString note;
    m_user.load(path, &note);
    return note;
}

QList<Predictor::Prediction> WordPrediction::predict(const TextSurface &surface, int count) const
{
    return m_predictor.predict(surface, count);
}

bool WordPrediction::saveUserModel(QString *error)
{
    if (m_userPath.isEmpty() || !m_user.isModified())
        return true;
    return m_user.save(m_userPath, error);
}

bool WordPrediction::learnDocument(const QString &text, QString *error)
{
    if (text == m_learntText)
        return true;
    m_user.unlearn(m_learntText);
    m_user.learn(text);
    m_learntText = text;
    return saveUserModel(error);
}

bool WordPrediction::forget(const QString &word, QString *error)
{
    m_user.forget(word);
    return saveUserModel(error);
}

bool WordPrediction::forgetAll(QString *error)
{
    m_user.clear();
    m_learntText.clear();
    return saveUserModel(error);
}

void WordPrediction::insert(Composition &composition, const Predictor::Prediction &prediction)
{
    TextSurface &t = composition.surface();
    if (!t.hasSelection()) {
        const PredictionText::Context ctx = PredictionText::contextAt(t, t.caret());
        // The letters typed become a selection, which the word takes the
        // place of with capitals and agreement worked out from the text
        // before it.
        if (!ctx.prefix.isEmpty())
            t.select(ctx.prefixStart, t.caret() - ctx.prefixStart);
    }
    composition.insert(kTag, prediction.word, false);
    composition.state.FormIndex = prediction.form + 1;
    m_last = prediction;
    m_last.word = composition.state.CurrentWord;
}

bool WordPrediction::cycle(Composition &composition)
{
    if (!lastInserted(composition))
        return false;
    CompositionState &s = composition.state;
    const int number = nextFormNumber(s.FormIndex, int(m_last.forms.size()));
    composition.insert(kTag, m_last.forms[number - 1], true);
    s.FormIndex = number;
    m_last.form = number - 1;
    m_last.word = s.CurrentWord;
    return true;
}

const Predictor::Prediction *WordPrediction::lastInserted(const Composition &composition) const
{
    const CompositionState &s = composition.state;
    if (s.LastAction != kTag || m_last.forms.isEmpty() || s.CurrentWord != m_last.word)
        return nullptr;
    return &m_last;
}
