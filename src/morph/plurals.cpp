#include "plurals.h"

#include "word_capture.h"

#include "compose/article_choice.h"

#include <algorithm>
#include <optional>

using namespace TextRules;
using Ex = Vocabulary::Exceptions;

namespace {

const QString kPluralize = QStringLiteral("pluralize");

bool isAsciiLetter(QChar c)
{
    const QChar l = lowerAscii(c);
    return l >= QLatin1Char('a') && l <= QLatin1Char('z');
}

// Capitals are judged on letters only, so "3" is neither capitalised nor all
// capitals and pluralizes to "3s".
bool startsWithCapital(const QString &w)
{
    return !w.isEmpty() && isAsciiLetter(w.front()) && upperAscii(w.front()) == w.front();
}

bool isUpper(QChar c)
{
    return c != lowerAscii(c);
}

bool allCapitals(const QString &w)
{
    bool anyLetter = false;
    for (QChar c : w) {
        if (!isAsciiLetter(c))
            continue;
        anyLetter = true;
        if (upperAscii(c) != c)
            return false;
    }
    return anyLetter;
}

// Words that tie a compound's head to what follows it: mother-in-law,
// passer-by, man-of-war, runner-up.
bool isLinkingWord(const QString &w)
{
    static const QStringList words = {"in",   "of",  "by",   "de",   "at",   "on",    "to",
                                      "up",   "off", "for",  "from", "with", "about", "after",
                                      "down", "out", "over", "la",   "du"};
    return words.contains(w);
}

} // namespace

std::optional<Plurals::Forms> Plurals::pluralizeHead(const QString &l,
                                                     const Vocabulary::ExceptionLists &exceptions)
{
    // Parts with the separator that follows each.
    QStringList parts;
    QStringList separators;
    qsizetype from = 0;
    for (qsizetype i = 0; i < l.size(); ++i) {
        if (l.at(i) == QLatin1Char('-') || l.at(i) == QLatin1Char(' ')) {
            parts.append(l.mid(from, i - from));
            separators.append(l.at(i));
            from = i + 1;
        }
    }
    if (parts.isEmpty())
        return std::nullopt;
    parts.append(l.mid(from));
    separators.append(QString());
    qsizetype head = -1;
    for (qsizetype i = 1; i < parts.size() && head < 0; ++i) {
        // A particle at the end belongs to a doer (runners-up, passers-by),
        // otherwise to the compound as a whole (stand-ins, check-ups).
        const bool last = i + 1 == parts.size();
        if (isLinkingWord(parts.at(i)) && !parts.at(i - 1).isEmpty() &&
            (!last || parts.at(i - 1).endsWith(QLatin1String("er"))))
            head = i - 1;
    }
    if (head < 0)
        return std::nullopt; // the last word is the head: the ending rules do
    const Forms h = PluralizeWord(parts.at(head), exceptions);
    auto join = [&](const QString &headForm) {
        QString out;
        for (qsizetype i = 0; i < parts.size(); ++i)
            out += (i == head ? headForm : parts.at(i)) + separators.at(i);
        return out;
    };
    return Forms{l, join(lowerAscii(h.PluralForm)),
                 h.AlternatePlural.isEmpty() ? QString() : join(h.AlternatePlural)};
}

Plurals::Plurals(Composition &composition, const Vocabulary::ExceptionLists &exceptions)
    : m_composition(composition)
    , m_exceptions(exceptions)
{}

Plurals::Forms Plurals::PluralizeWord(const QString &word,
                                      const Vocabulary::ExceptionLists &exceptions)
{
    const QString &w = word;
    const QString l = lowerAscii(word);
    Forms f{l, l + QStringLiteral("s"), QString()};
    if (l.isEmpty()) {
        f.PluralForm = QStringLiteral("-s");
        return f;
    }

    // Only the one list chosen by the ending is consulted.
    auto lookUp = [&](Ex list) {
        const PluralExceptionList &rows = exceptions[int(list)];
        const qsizetype row = rows.find(l);
        if (row < 0)
            return false;
        f = {rows.singular(row), rows.plural(row), rows.alternate(row)};
        return true;
    };

    // Words the lists do not hold whole: a compound pluralises its head, and
    // a few heads are the same in the plural (catfish, spacecraft).
    const bool listed =
        std::any_of(exceptions.begin(), exceptions.end(),
                    [&](const PluralExceptionList &list) { return list.find(l) >= 0; });
    if (!listed) {
        if (const auto head = pluralizeHead(l, exceptions))
            return *head;
        for (const char *same : {"fish", "craft", "deer", "sheep", "swine"}) {
            const QLatin1String ending(same);
            if (l.endsWith(ending) && l.size() > ending.size())
                return {l, l,
                        ending == QLatin1String("fish") ? l + QStringLiteral("es") : QString()};
        }
        if (l.endsWith(QLatin1String("child")))
            return {l, l + QStringLiteral("ren"), QString()};
    }

    const QChar last = l.back();
    if (last == QLatin1Char('a')) {
        lookUp(Ex::NounA);
        return f;
    }
    if (last == QLatin1Char('f')) {
        lookUp(Ex::NounF);
        return f;
    }
    if (last == QLatin1Char('o')) {
        lookUp(Ex::NounO);
        return f;
    }
    if (last == QLatin1Char('x')) {
        if (!lookUp(Ex::NounX))
            f.PluralForm = w + QStringLiteral("es");
        return f;
    }
    if (l.size() < 2)
        return f;

    if (last == QLatin1Char('y')) {
        if (!lookUp(Ex::NounY) && !isVowel(l.at(l.size() - 2)))
            f.PluralForm = w.chopped(1) + QStringLiteral("ies");
        return f;
    }

    const QString pair = l.right(2);
    if (pair == QLatin1String("ch")) {
        if (!lookUp(Ex::NounCH))
            f.PluralForm = w + QStringLiteral("es");
    } else if (pair == QLatin1String("fe")) {
        lookUp(Ex::NounFE);
    } else if (pair == QLatin1String("is")) {
        if (!lookUp(Ex::NounIS))
            f.PluralForm = w + QStringLiteral("es");
    } else if (pair == QLatin1String("on")) {
        lookUp(Ex::NounON);
    } else if (pair == QLatin1String("um")) {
        lookUp(Ex::NounUM);
    } else if (pair == QLatin1String("us")) {
        if (!lookUp(Ex::NounUS))
            f.PluralForm = w + QStringLiteral("es");
    } else if (!lookUp(Ex::NounChange)) {
        if (pair == QLatin1String("sh") || last == QLatin1Char('s')) {
            f.PluralForm = w + QStringLiteral("es");
        } else if (l.size() >= 3 && l.endsWith(QLatin1String("man"))) {
            const QString stem = l.chopped(3);
            f = {stem + QStringLiteral("man"), stem + QStringLiteral("men"),
                 stem + QStringLiteral("mans")};
        }
    }
    return f;
}

void Plurals::btnPluralizeClick()
{
    CompositionState &s = m_composition.state;
    WordCapture::takeGrab(m_composition);
    s.ReplaceMode = 1;
    int number = 2;
    QString text;
    if (s.LastAction != kPluralize) {
        s.GrabArmed = false;
        WordCapture::captureWord(m_composition);
        // The new form keeps the case of the word it replaces.
        if (startsWithCapital(s.CurrentWord))
            s.CapsMode = CapsFirstArmed;
        if (allCapitals(s.CurrentWord))
            s.CapsMode = CapsAllArmed;
        s.CurrentWord = WordCapture::trimmedTrailing(s.CurrentWord);
        m_forms = PluralizeWord(s.CurrentWord, m_exceptions);
        text = m_forms.PluralForm;
    } else {
        number = nextFormNumber(s.FormIndex, 3);
        if (number == 3 && m_forms.AlternatePlural.isEmpty())
            number = 1;
        text = number == 1   ? m_forms.SingularForm
               : number == 2 ? m_forms.PluralForm
                             : m_forms.AlternatePlural;
    }
    if (s.LastAction != kPluralize)
        m_droppedArticle.clear();
    followArticle(number);
    m_composition.insert(kPluralize, text);
    s.FormIndex = number;
}

void Plurals::followArticle(int number)
{
    CompositionState &s = m_composition.state;
    TextSurface &t = m_composition.surface();
    const int start = std::min(s.WordStart, t.length());
    if (number != 1 && m_droppedArticle.isEmpty()) {
        // "a box" becomes "boxes": an "a" or "an" in agreement with the noun
        // goes, and a capital it had passes to the noun.
        if (s.ArticleState != ArticleFollowing ||
            (s.ArticleWord != QLatin1String("a") && s.ArticleWord != QLatin1String("an")))
            return;
        int end = start;
        while (end > 0 && t.charAt(end - 1) == QLatin1Char(' '))
            --end;
        int from = end;
        while (from > 0 && t.charAt(from - 1).isLetter())
            --from;
        QString article;
        for (int i = from; i < end; ++i)
            article += t.charAt(i);
        if (end == start || lowerAscii(article) != s.ArticleWord)
            return;
        t.remove(from, start - from);
        s.WordStart = from;
        m_droppedArticle = article;
        if (isUpper(article.front()))
            s.CapsMode = allCapitals(article) && article.size() > 1 ? CapsAllArmed : CapsFirstArmed;
    } else if (number == 1 && !m_droppedArticle.isEmpty()) {
        // Back to the singular: the article returns, agreeing anew.
        QString article = ChooseArticle(m_forms.SingularForm, m_composition.articleExceptions())
                              ? QStringLiteral("an")
                              : QStringLiteral("a");
        if (isUpper(m_droppedArticle.front()))
            article[0] = upperAscii(article[0]);
        t.insertAt(start, article + QLatin1Char(' '));
        s.WordStart = start + int(article.size()) + 1;
        s.ArticleWord = lowerAscii(article);
        if (s.CapsMode != CapsAllArmed && s.CapsMode != CapsAllInForce)
            s.CapsMode = CapsNone;
        m_droppedArticle.clear();
    }
}
