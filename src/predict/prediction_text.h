#pragma once

#include <QList>
#include <QString>

class TextSurface;

// How prediction reads text: words (letters, digits, inner apostrophes and
// hyphens), pauses (comma, colon, semicolon) and sentence ends (. ! ? and
// line breaks). Learning and the context at the caret read it the same way,
// so what is learnt matches what is asked.
namespace PredictionText {

// The key of the start of a sentence and of a pause, as in the model.
inline const QString kStart = QStringLiteral("<s>");
inline const QString kPause = QStringLiteral(",");

struct Token
{
    QString key;  // lower case
    QString text; // as written
};

// The sentences of text, each starting with kStart, words and pauses after.
QList<QList<Token>> sentences(const QString &text);

// What prediction needs from the text before the caret.
struct Context
{
    // The letters of a word being typed, directly before the caret.
    QString prefix;
    int prefixStart = 0;
    // The two tokens before it, nearest last; kStart at a sentence start.
    QString before1; // the one before before2, or empty
    QString before2;
    // The caret stands at the start of a sentence.
    bool sentenceStart() const { return before2 == kStart; }
};

// Reads back from the caret only as far as two words, so a long document
// costs no more than a short one.
Context contextAt(const TextSurface &surface, int caret);

bool isWordChar(QChar c);
QString keyOf(const QString &word);

} // namespace PredictionText
