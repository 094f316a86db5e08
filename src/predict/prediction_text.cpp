#include "predict/prediction_text.h"

#include "compose/text_surface.h"

namespace PredictionText {

namespace {

// A word never runs longer than this; a longer run of letters (a pasted
// code, a line of x's) is no word to learn or complete.
constexpr int kMaxWord = 40;
// How far back the context is looked for.
constexpr int kMaxLookBack = 400;

bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

bool isInner(QChar c)
{
    return isApostrophe(c) || c == QLatin1Char('-');
}

bool isSentenceEnd(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?') ||
           c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator ||
           c == QLatin1Char('\r');
}

bool isPause(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char(':');
}

// Apostrophes and hyphens only inside a word: 'quoted' words lose them.
QString trimmed(const QString &word)
{
    qsizetype a = 0, b = word.size();
    while (a < b && isInner(word[a]))
        ++a;
    while (b > a && isInner(word[b - 1]))
        --b;
    QString w = word.mid(a, b - a);
    w.replace(QChar(0x2019), QLatin1Char('\''));
    return w;
}

} // namespace

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || isInner(c);
}

QString keyOf(const QString &word)
{
    return word.toLower();
}

QList<QList<Token>> sentences(const QString &text)
{
    QList<QList<Token>> out;
    QList<Token> sentence{{kStart, kStart}};
    auto endSentence = [&] {
        if (sentence.size() > 1)
            out.append(sentence);
        sentence = {{kStart, kStart}};
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = text[i];
        if (isWordChar(c)) {
            qsizetype j = i;
            while (j < n && isWordChar(text[j]))
                ++j;
            const QString word = trimmed(text.mid(i, j - i));
            if (!word.isEmpty() && word.size() <= kMaxWord)
                sentence.append({keyOf(word), word});
            i = j;
            continue;
        }
        if (isSentenceEnd(c))
            endSentence();
        else if (isPause(c) && sentence.last().key != kPause)
            sentence.append({kPause, kPause});
        ++i;
    }
    endSentence();
    return out;
}

Context contextAt(const TextSurface &surface, int caret)
{
    Context ctx;
    int i = caret;
    // The word being typed runs up to the caret.
    while (i > 0 && isWordChar(surface.charAt(i - 1)) && caret - i <= kMaxWord)
        --i;
    const QString typed = [&] {
        QString s;
        for (int p = i; p < caret; ++p)
            s += surface.charAt(p);
        return s;
    }();
    ctx.prefixStart = i;
    ctx.prefix = typed;
    // Leading apostrophes or hyphens are marks, not the word.
    while (!ctx.prefix.isEmpty() && isInner(ctx.prefix.front())) {
        ctx.prefix.remove(0, 1);
        ++ctx.prefixStart;
    }
    ctx.prefix = keyOf(ctx.prefix);

    QStringList found; // nearest first
    const int stop = std::max(0, i - kMaxLookBack);
    while (found.size() < 2) {
        if (i <= stop) {
            // The text's start is a sentence start; a context cut by the look
            // back limit is simply shorter.
            if (i == 0)
                found.append(kStart);
            break;
        }
        const QChar c = surface.charAt(i - 1);
        if (isWordChar(c)) {
            int j = i;
            while (j > stop && isWordChar(surface.charAt(j - 1)))
                --j;
            QString word;
            for (int p = j; p < i; ++p)
                word += surface.charAt(p);
            word = trimmed(word);
            if (!word.isEmpty())
                found.append(keyOf(word));
            i = j;
            continue;
        }
        if (isSentenceEnd(c)) {
            found.append(kStart);
            break;
        }
        if (isPause(c) && (found.isEmpty() || found.last() != kPause))
            found.append(kPause);
        --i;
    }
    if (!found.isEmpty())
        ctx.before2 = found[0];
    if (found.size() > 1)
        ctx.before1 = found[1];
    return ctx;
}

} // namespace PredictionText
