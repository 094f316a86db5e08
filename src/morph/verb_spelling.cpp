#include "verb_spelling.h"

#include "compose/composition.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>
#include <optional>

using namespace TextRules;

namespace VerbSpelling {

namespace {

// Whether the letter at i sounds as a vowel: "u" after "q" does not, "y"
// after a consonant does (rhythm, cycle).
bool soundsVowel(const QString &l, qsizetype i)
{
    const QChar c = l.at(i);
    if (c == QLatin1Char('u') && i > 0 && l.at(i - 1) == QLatin1Char('q'))
        return false;
    if (c == QLatin1Char('y'))
        return i > 0 && !isVowel(l.at(i - 1));
    return isVowel(c);
}

int syllables(const QString &l)
{
    int count = 0;
    bool inVowel = false;
    for (qsizetype i = 0; i < l.size(); ++i) {
        const bool v = soundsVowel(l, i);
        if (v && !inVowel)
            ++count;
        inVowel = v;
    }
    return count;
}

// A single vowel between a consonant (or the word's start) and a final
// consonant that English doubles: stop, quit, admit; not look, fix, snow.
bool endsInShortSyllable(const QString &l)
{
    const qsizetype n = l.size();
    if (n < 2)
        return false;
    const QChar last = l.at(n - 1);
    if (isVowel(last) || QStringLiteral("chwxy").contains(last) || !last.isLetter())
        return false;
    if (!soundsVowel(l, n - 2) || l.at(n - 2) == QLatin1Char('y'))
        return false;
    return n == 2 || !soundsVowel(l, n - 3);
}

// Prefixes that take no stress, so the syllable after them carries it and
// its consonant doubles as in a word of one syllable: admit, prefer, regret.
constexpr std::array kUnstressedPrefixes = {
    "ab",  "ac",  "ad", "al",  "be",    "com", "con",   "de",   "dis",
    "ex",  "for", "im", "in",  "mis",   "oc",  "out",   "over", "per",
    "pre", "pro", "re", "sub", "trans", "un",  "under", "up",   "with",
};

// Beginnings of an English syllable, for telling "re-gret" from "rec-kon".
bool startsWithOnset(const QString &rest)
{
    if (rest.isEmpty() || soundsVowel(rest, 0))
        return false;
    if (rest.size() >= 2 && !soundsVowel(rest, 1)) {
        static const QStringList clusters = {"bl", "br", "cl", "cr", "dr", "fl", "fr", "gl",
                                             "gr", "pl", "pr", "qu", "sc", "sk", "sl", "sm",
                                             "sn", "sp", "st", "sw", "tr", "tw", "th", "sh",
                                             "ch", "wh", "ph", "wr", "kn"};
        return clusters.contains(rest.left(2));
    }
    return true;
}

// Whether the last syllable of a word of more than one syllable is stressed,
// from the pronouncing dictionary's table (data/spelling/doubling.txt), or
// nullopt for a word it does not hold.
std::optional<bool> stressedByTable(const QString &l)
{
    static const QHash<QString, bool> table = [] {
        QHash<QString, bool> rows;
        QFile file(QStringLiteral(":/spelling/doubling.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return rows;
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (const QByteArray &line : lines) {
            if (line.size() >= 2 && (line.front() == '+' || line.front() == '-'))
                rows.insert(QString::fromLatin1(line.mid(1)), line.front() == '+');
        }
        return rows;
    }();
    const auto it = table.constFind(l);
    if (it == table.constEnd())
        return std::nullopt;
    return *it;
}

// Words of more than one syllable that the table does not hold: a prefix
// before a word it holds or before one syllable (readmit, outwit) carries
// the stress there. Words joined to one syllable (sandbag) are the table's.
bool stressedOnLastSyllable(const QString &l)
{
    if (l.endsWith(QLatin1Char('l')))
        return false; // travel, cancel, model: one l in US spelling
    for (const char *prefix : kUnstressedPrefixes) {
        const QLatin1String p(prefix);
        if (!l.startsWith(p) || l.size() <= p.size())
            continue;
        const QString rest = l.mid(p.size());
        if (const auto known = stressedByTable(rest))
            return *known;
        if (syllables(rest) == 1 && startsWithOnset(rest))
            return true;
    }
    return false;
}

} // namespace

Doubling doubling(const QString &word)
{
    const QString l = lowerAscii(word);
    if (!endsInShortSyllable(l))
        return Doubling::No;
    if (const auto known = stressedByTable(l))
        return *known ? Doubling::Double : Doubling::Single;
    if (syllables(l) <= 1)
        return Doubling::Double;
    return stressedOnLastSyllable(l) ? Doubling::Double : Doubling::Single;
}

QStringList sForms(const QString &w)
{
    const QString l = lowerAscii(w);
    const qsizetype n = l.size();
    if (n < 2)
        return {w + QStringLiteral("s")};
    const QChar last = l.at(n - 1);
    const QChar before = l.at(n - 2);
    if (last == QLatin1Char('y') && !isVowel(before))
        return {w.chopped(1) + QStringLiteral("ies"), w + QStringLiteral("s")};
    if (last == QLatin1Char('z') && syllables(l) == 1 && doubling(l) == Doubling::Double)
        return {w + QStringLiteral("zes"), w + QStringLiteral("es")}; // quizzes
    if (QStringLiteral("sxz").contains(last) || l.endsWith(QLatin1String("ch")) ||
        l.endsWith(QLatin1String("sh")))
        return {w + QStringLiteral("es")};
    // Only a few verbs in -o take -es (goes, echoes, vetoes); the rest take
    // -s as their nouns do (solos, stilettos), with -es still on offer.
    if (last == QLatin1Char('o') && !isVowel(before)) {
        for (const char *es : {"go", "do", "echo", "veto", "torpedo", "embargo", "zero", "lasso"}) {
            if (l.endsWith(QLatin1String(es)))
                return {w + QStringLiteral("es"), w + QStringLiteral("s")};
        }
        return {w + QStringLiteral("s"), w + QStringLiteral("es")};
    }
    return {w + QStringLiteral("s")};
}

namespace {

// The forms before a suffix starting with a vowel ("ing", "ed"); the e of
// the word is dealt with by the caller.
QStringList consonantForms(const QString &w, const QString &suffix)
{
    if (w.isEmpty())
        return {suffix};
    const QString l = lowerAscii(w);
    const qsizetype n = l.size();
    if (n >= 2 && l.endsWith(QLatin1Char('c')) && isVowel(l.at(n - 2)))
        return {w + QStringLiteral("k") + suffix, w + suffix}; // picnicking
    const QString doubled = w + w.back() + suffix;
    switch (doubling(l)) {
    case Doubling::Double:
        return {doubled, w + suffix};
    case Doubling::Single:
        return {w + suffix, doubled};
    case Doubling::No:
        break;
    }
    return {w + suffix};
}

} // namespace

QStringList ingForms(const QString &w)
{
    const QString l = lowerAscii(w);
    const qsizetype n = l.size();
    const QString ing = QStringLiteral("ing");
    if (n >= 3 && l.endsWith(QLatin1String("ie")))
        return {w.chopped(2) + QStringLiteral("ying")};
    if (l.endsWith(QLatin1String("ee")) || l.endsWith(QLatin1String("oe")) ||
        l.endsWith(QLatin1String("ye")) || (n <= 2 && l.endsWith(QLatin1Char('e'))))
        return {w + ing};
    if (l.endsWith(QLatin1Char('e'))) {
        // "singeing" keeps the e that tells it from "singing"; "ageing" and
        // "aging" are both in use.
        if (l.endsWith(QLatin1String("ge")))
            return {w.chopped(1) + ing, w + ing};
        return {w.chopped(1) + ing};
    }
    return consonantForms(w, ing);
}

QStringList edForms(const QString &w)
{
    const QString l = lowerAscii(w);
    const qsizetype n = l.size();
    if (l.endsWith(QLatin1Char('e')))
        return {w + QStringLiteral("d")};
    if (n >= 2 && l.endsWith(QLatin1Char('y')) && !isVowel(l.at(n - 2)))
        return {w.chopped(1) + QStringLiteral("ied")};
    return consonantForms(w, QStringLiteral("ed"));
}

} // namespace VerbSpelling
