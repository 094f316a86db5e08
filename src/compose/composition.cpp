#include "composition.h"

#include "compose/article_choice.h"

#include <algorithm>

using namespace TextRules;

namespace {

// Tags that transform the insertion a capital applies to, so it stays in force.
bool keepsCapital(const QString &tag)
{
    return isOneOf(tag, {"pluralize", "-er", "-y", "-ly"});
}

QString capitaliseFirst(const QString &w)
{
    if (w.isEmpty())
        return w;
    QString out = w;
    out[0] = upperAscii(out[0]);
    return out;
}

// Marks that end the word search in FindWordBeforeCaret: the word starts
// right after them.
bool isWordOpener(QChar c)
{
    return c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('(') ||
           c == QLatin1Char('-') || c == QLatin1Char('\n');
}

// Marks that FindWordBeforeCaret captures on their own, with the spaces after.
bool isCapturedMark(QChar c)
{
    static const QString marks = QStringLiteral(".!?,:;)\"-'") + QChar(0x2013) + QChar(0x2014);
    return !c.isNull() && marks.contains(c);
}

} // namespace

namespace TextRules {

QChar upperAscii(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - 32) : c;
}

QChar lowerAscii(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ? QChar(c.unicode() + 32) : c;
}

QString upperAscii(const QString &s)
{
    QString out = s;
    for (QChar &c : out)
        c = upperAscii(c);
    return out;
}

QString lowerAscii(const QString &s)
{
    QString out = s;
    for (QChar &c : out)
        c = lowerAscii(c);
    return out;
}

bool isSentenceEnd(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?');
}

bool isVowel(QChar c)
{
    return QStringLiteral("aeiouAEIOU").contains(c);
}

bool isOneOf(const QString &s, std::initializer_list<const char *> list)
{
    return std::any_of(list.begin(), list.end(),
                       [&](const char *item) { return s == QLatin1String(item); });
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('\'') || c == QLatin1Char('-') ||
           c == QChar(0x2019);
}

int lastNonSpaceBefore(const TextSurface &surface, int pos)
{
    for (int i = std::min(pos, surface.length()) - 1; i >= 0; --i) {
        const QChar c = surface.charAt(i);
        if (c != QLatin1Char(' ') && !c.isNull())
            return i;
    }
    return -1;
}

} // namespace TextRules

Composition::Composition(TextSurface *surface, QObject *parent)
    : QObject(parent)
    , m_surface(surface)
{}

const ArticleExceptions &Composition::articleExceptions() const
{
    static const ArticleExceptions none;
    return m_articles ? *m_articles : none;
}

void Composition::setIndicators(bool repeatLit, bool grabLit)
{
    if (repeatLit == m_repeatLit && grabLit == m_grabLit)
        return;
    m_repeatLit = repeatLit;
    m_grabLit = grabLit;
    Q_EMIT indicatorsChanged();
}

void Composition::resetForNewDocument()
{
    state.CapsMode = CapsFirstArmed;
    state.WordStart = 0;
    state.WordLength = 0;
    state.CapsAction = kMouseClick;
    state.LastAction = kMouseClick;
    state.ActionTag = kMouseClick;
    m_typedEnd = -1;
}

void Composition::noteTypedBeforeCaret(bool typed)
{
    m_typedEnd = typed ? m_surface->caret() : -1;
}

void Composition::agreeArticleWithTyped(int end)
{
    TextSurface &t = *m_surface;
    auto textOf = [&](int from, int to) {
        QString out;
        for (int i = from; i < to; ++i)
            out += t.charAt(i);
        return out;
    };
    int start = end;
    while (start > 0 && isWordChar(t.charAt(start - 1)))
        --start;
    int articleEnd = start;
    while (articleEnd > 0 && t.charAt(articleEnd - 1) == QLatin1Char(' '))
        --articleEnd;
    int from = articleEnd;
    while (from > 0 && t.charAt(from - 1).isLetter())
        --from;
    if (start == end || articleEnd == start || from == articleEnd ||
        (from > 0 && t.lineStart(from) != from && t.charAt(from - 1) != QLatin1Char(' ')))
        return;
    const QString article = lowerAscii(textOf(from, articleEnd));
    if (article != QLatin1String("a") && article != QLatin1String("an"))
        return;
    const bool an = ChooseArticle(textOf(start, end), articleExceptions());
    int shift = 0;
    const int caret = t.caret();
    if (an && article == QLatin1String("a")) {
        t.insertAt(articleEnd, QStringLiteral("n"));
        shift = 1;
    } else if (!an && article == QLatin1String("an")) {
        t.remove(articleEnd - 1, 1);
        shift = -1;
    }
    t.setCaret(caret + shift);
    if (state.WordStart >= articleEnd)
        state.WordStart += shift;
    if (m_typedEnd >= articleEnd)
        m_typedEnd += shift;
}

void Composition::endTypedText(const QString &word)
{
    TextSurface &t = *m_surface;
    const int end = m_typedEnd;
    m_typedEnd = -1;
    if (end < 0 || t.hasSelection() || t.caret() != end || end == 0)
        return;
    const QChar before = t.charAt(end - 1);
    const bool afterWord = isWordChar(before);
    if (afterWord)
        agreeArticleWithTyped(end);
    // A word, not a suffix or a mark, stands apart from the typed text;
    // after "(" or a quote mark it joins, as it would a clicked one.
    static const QString closers = QStringLiteral(".,;:!?)");
    if (state.ReplaceMode == 0 && !word.startsWith(QLatin1Char('-')) &&
        (afterWord || closers.contains(before)))
        t.insertAt(t.caret(), QStringLiteral(" "));
}

void Composition::insert(const QString &tag, const QString &text, bool replace)
{
    state.ReplaceMode = replace ? 1 : 0;
    insert(tag, text);
}

void Composition::insert(const QString &tag, const QString &text)
{
    state.ActionTag = tag;
    InsertWord(text);
    state.CurrentWord = text;
}

void Composition::InsertWord(const QString &word)
{
    CompositionState &s = state;
    TextSurface &t = *m_surface;

    endTypedText(word);
    // The word replaces a selection.
    if (t.hasSelection()) {
        FindWordBeforeCaret();
        ReadContextBeforeCaret();
        s.CurrentWord.clear();
        s.WordStart = t.caret();
    }
    // Repeat OK's light goes out; GRAB's stays lit while GRAB is armed (a
    // repeated click keeps it), so an armed mode never shows as idle.
    setIndicators(false, s.GrabArmed);
    if (s.ReplaceMode == 0)
        s.WordStart = t.caret();

    const QString w = withCapitals(word);
    agreeArticle(word);
    putText(joinAffixes(w));
    s.LastAction = s.ActionTag;
    Q_EMIT wordInserted(word);
}

QString Composition::withCapitals(const QString &word)
{
    CompositionState &s = state;
    QString w = word;
    // All capitals.
    if (s.CapsMode == CapsAllArmed) {
        w = upperAscii(w);
        s.CapsAction = s.ActionTag;
        s.CapsMode = CapsAllInForce;
    }
    if (s.CapsMode == CapsAllInForce) {
        if (s.ActionTag == s.CapsAction) {
            w = upperAscii(w);
        } else if (keepsCapital(s.ActionTag)) {
            w = upperAscii(w);
            if (s.ActionTag == QLatin1String("-ly"))
                s.CapsMode = CapsNone;
        } else {
            s.CapsMode = CapsNone;
        }
    }

    // First letter.
    if (s.CapsMode == CapsFirstArmed) {
        s.CapsAction = s.ActionTag;
        s.CapsMode = CapsFirstInForce;
    }
    if (s.CapsMode == CapsFirstInForce) {
        // A pending capital passes over a quote mark to the word after it.
        if (s.CapsAction == QLatin1String("quote") && s.ActionTag != QLatin1String("quote"))
            s.CapsAction = s.ActionTag;
        if (s.ActionTag == s.CapsAction) {
            w = capitaliseFirst(w);
        } else if (keepsCapital(s.ActionTag)) {
            w = capitaliseFirst(w);
            if (s.ActionTag == QLatin1String("-ly"))
                s.CapsMode = CapsNone;
        } else {
            s.CapsMode = CapsNone;
        }
    }
    return w;
}

void Composition::agreeArticle(const QString &word)
{
    CompositionState &s = state;
    TextSurface &t = *m_surface;
    // Article agreement: turn a preceding "a" into "an" or back.
    if (s.ArticleState == ArticleArmed) {
        s.ArticleAction = s.ActionTag;
        s.ArticleState = ArticleFollowing;
    }
    if (s.ArticleState == ArticleFollowing && s.ActionTag != QLatin1String("capitalize") &&
        s.ActionTag != QLatin1String("pluralize")) {
        if (s.ActionTag != s.ArticleAction || s.ActionTag == QLatin1String("a")) {
            s.ArticleState = ArticleNone;
        } else {
            // The word as given, before a capitals mode changed it: "HAT"
            // in a text in capitals is no initialism.
            const bool takesAn = ChooseArticle(word, articleExceptions());
            const int caret = t.caret();
            if (takesAn && s.ArticleWord == QLatin1String("a")) {
                for (int i = std::min(s.WordStart, t.length()) - 1; i >= 0; --i) {
                    const QChar c = t.charAt(i);
                    if (c == QLatin1Char('a') || c == QLatin1Char('A')) {
                        t.insertAt(i + 1, QStringLiteral("n"));
                        ++s.WordStart;
                        t.setCaret(caret > i ? caret + 1 : caret);
                        break;
                    }
                }
                s.ArticleWord = QStringLiteral("an");
            } else if (!takesAn && s.ArticleWord == QLatin1String("an")) {
                for (int i = std::min(s.WordStart, t.length()) - 1; i >= 0; --i) {
                    if (t.charAt(i) == QLatin1Char('n')) {
                        t.remove(i, 1);
                        s.WordStart = std::max(0, s.WordStart - 1);
                        t.setCaret(caret > i ? caret - 1 : caret);
                        break;
                    }
                }
                s.ArticleWord = QStringLiteral("a");
            }
        }
    }
}

QString Composition::joinAffixes(QString w)
{
    CompositionState &s = state;
    TextSurface &t = *m_surface;
    bool spaceAfter = true;
    // Prefixes, suffixes and spacing.
    const bool stripPrefix = s.ReplaceMode == 0 || s.LastAction == QLatin1String("quote") ||
                             s.LastAction == QLatin1String("apostrophe");
    if (s.ReplaceMode == 0)
        s.WordLength = 0;
    if (stripPrefix && w.size() >= 2 && w.endsWith(QLatin1Char('-'))) {
        w.chop(1);
        spaceAfter = false;
    }
    if (w.startsWith(QLatin1Char('-'))) {
        w.remove(0, 1);
        const int p = TrimSpaceBeforeCaret();
        if (s.WordLength > 0)
            s.WordLength = std::max(0, p - s.WordStart);
        const bool keepStart =
            s.LastAction == QLatin1String("pluralize") ||
            (isOneOf(s.ActionTag, {"pluralize", "-s", "-ed", "-ly", "-y", "-ing", "-en"}) &&
             s.LastAction.startsWith(QLatin1Char('-')));
        if (!keepStart || w == QLatin1String(":") || w == QLatin1String(";")) {
            // The suffix joins at p; a span recorded before it ended at p
            // too, so nothing after the caret is part of it.
            s.WordStart = p;
            s.WordLength = 0;
        }
    }
    if (s.LastAction == QLatin1String("capitalize")) {
        static const QString closers = QStringLiteral(",.!?:;\"'-)");
        const QChar next = t.charAt(t.caret());
        if (!next.isNull() && closers.contains(next))
            spaceAfter = false;
    }
    if (s.ActionTag == QLatin1String("hyphen"))
        spaceAfter = false;
    return spaceAfter ? w + QLatin1Char(' ') : w;
}

void Composition::putText(const QString &text)
{
    CompositionState &s = state;
    TextSurface &t = *m_surface;
    // Insertion.
    t.setFocus();
    if (!t.hasSelection())
        t.select(s.WordStart, s.WordLength);
    if (t.hasSelection())
        t.replaceSelection(QString());
    // The space at the caret goes in the same edit as the word: each edit
    // of the editor lays its paragraph out again.
    if (t.caret() < t.length() && t.charAt(t.caret()) == QLatin1Char(' '))
        t.select(t.caret(), 1);
    t.replaceSelection(text);
    s.WordLength = int(text.size());
}

int Composition::TrimSpaceBeforeCaret()
{
    TextSurface &t = *m_surface;
    t.setFocus();
    if (t.hasSelection())
        t.replaceSelection(QString());
    const int c0 = t.caret();
    if (c0 == 0)
        return 0;
    int i = c0;
    QChar c;
    do {
        if (i > 0)
            --i;
        c = t.charAt(i);
    } while ((c == QLatin1Char(' ') || c == QLatin1Char('\n')) && i != 0);
    if (i == 0 && c == QLatin1Char(' ')) {
        t.remove(0, c0);
        return 0;
    }
    t.remove(i + 1, c0 - (i + 1));
    return i + 1;
}

bool Composition::captureSelection()
{
    const TextSurface &t = *m_surface;
    if (!t.hasSelection())
        return false;
    state.CurrentWord = t.selectedText();
    state.WordStart = t.selStart();
    state.WordLength = t.selLength();
    return true;
}

void Composition::FindWordBeforeCaret()
{
    CompositionState &s = state;
    TextSurface &t = *m_surface;
    if (captureSelection())
        return;
    if (s.LastAction != kMouseClick)
        return;

    const int p = t.caret();
    int start = p;
    int end = p;
    if (p > 0) {
        int i = p;
        QChar c;
        do {
            --i;
            c = t.charAt(i);
        } while (c == QLatin1Char(' ') && i > 0);

        if (isCapturedMark(c)) {
            start = i;
        } else if (c == QLatin1Char(' ')) {
            start = 0; // nothing but spaces before the caret
        } else {
            end = i + 1;
            int j = i;
            bool atColumn0 = false;
            for (;;) {
                const QChar ch = t.charAt(j);
                if (ch == QLatin1Char(' ') || isWordOpener(ch)) {
                    start = j + 1;
                    break;
                }
                if (j == 0 || t.lineStart(j) == j) {
                    start = j;
                    atColumn0 = true;
                    break;
                }
                --j;
            }
            if (atColumn0 && start + 1 == p) {
                start = std::max(0, start - 1);
                end = std::min(t.length(), end + 1);
            }
        }
    }
    s.WordStart = start;
    s.WordLength = end - start;
    t.select(start, end - start);
    s.CurrentWord = t.selectedText();
    t.setCaret(p);
}

void Composition::ReadContextBeforeCaret()
{
    CompositionState &s = state;
    TextSurface &t = *m_surface;
    if (!t.hasSelection())
        t.select(s.WordStart, s.WordLength);
    if (t.hasSelection())
        t.replaceSelection(QString());

    if (t.caret() == 0) {
        // The space that followed the span goes with it: a text does not
        // start with one.
        if (t.charAt(0) == QLatin1Char(' '))
            t.remove(0, 1);
        s.WordLength = 0;
        s.CapsMode = CapsFirstArmed;
        return;
    }
    const int caret = t.caret();
    const QChar before = t.charAt(caret - 1);
    if (before != QLatin1Char(' ') && before != QLatin1Char('-') && before != QLatin1Char('"') &&
        t.lineStart(caret) != caret) {
        t.insertAt(caret, QStringLiteral(" "));
        s.WordStart = t.caret();
    }
    if (t.charAt(t.caret()) == QLatin1Char(' '))
        t.remove(t.caret(), 1);

    s.WordLength = 0;
    s.CapsMode = CapsNone;
    const int i = lastNonSpaceBefore(t, t.caret());
    const QChar c = t.charAt(i);
    if (isSentenceEnd(c))
        s.CapsMode = CapsFirstArmed;

    readArticleBeforeCaret();
    t.setCaret(s.WordStart);
}

void Composition::readArticleBeforeCaret()
{
    CompositionState &s = state;
    TextSurface &t = *m_surface;
    const int i = lastNonSpaceBefore(t, t.caret());
    const QChar c = i >= 0 ? t.charAt(i) : QChar();
    s.ArticleState = ArticleNone;
    auto standsAlone = [&](int pos) {
        return pos == t.lineStart(pos) || t.charAt(pos - 1) == QLatin1Char(' ');
    };
    if (i >= 0 && (c == QLatin1Char('a') || c == QLatin1Char('A')) && standsAlone(i)) {
        s.ArticleState = ArticleArmed;
        s.ArticleWord = QStringLiteral("a");
    } else if (i >= 1 && c == QLatin1Char('n') &&
               (t.charAt(i - 1) == QLatin1Char('a') || t.charAt(i - 1) == QLatin1Char('A')) &&
               standsAlone(i - 1)) {
        s.ArticleState = ArticleArmed;
        s.ArticleWord = QStringLiteral("an");
    }
}
