#include "compose/article_choice.h"

#include "composition.h"

#include <algorithm>

namespace {

bool startsWithAny(const QString &upper, qsizetype n, std::initializer_list<const char *> list)
{
    const QString head = upper.left(n);
    return std::any_of(list.begin(), list.end(),
                       [&](const char *p) { return head == QLatin1String(p); });
}

bool isCapital(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

// Whether a run of capitals sounds as a word (NASA, NATO, SCUBA) rather
// than being spelt out (FBI, HTML, NCAA): four letters or more, a vowel, an
// English beginning and no three consonants in a row.
bool readAsWord(const QString &caps)
{
    if (caps.size() < 4)
        return false;
    static const QStringList onsets = {"BL", "BR", "CH", "CL", "CR", "DR", "FL", "FR", "GL",
                                       "GR", "PH", "PL", "PR", "SC", "SH", "SK", "SL", "SM",
                                       "SN", "SP", "ST", "SW", "TH", "TR", "TW", "WH"};
    qsizetype lead = 0;
    while (lead < caps.size() && !TextRules::isVowel(caps.at(lead)))
        ++lead;
    if (lead == caps.size() || lead > 2 || (lead == 2 && !onsets.contains(caps.left(2))))
        return false;
    int run = 0;
    for (qsizetype i = 0; i < caps.size(); ++i) {
        // A "Y" after the first letter sounds as a vowel (NIMBY).
        const QChar c = caps.at(i);
        run = TextRules::isVowel(c) || (i > 0 && c == QLatin1Char('Y')) ? 0 : run + 1;
        if (run >= 3)
            return false;
    }
    return true;
}

// The capitals an initialism starts with ("FBI" of "FBI's", "MBA" of
// "MBAs"), or empty when the word is no initialism.
QString leadingInitialism(const QString &word)
{
    qsizetype n = 0;
    while (n < word.size() && isCapital(word.at(n)))
        ++n;
    if (n < 2)
        return {};
    if (n < word.size()) {
        const QChar next = word.at(n);
        const bool pluralS =
            next == QLatin1Char('s') && (n + 1 == word.size() || !word.at(n + 1).isLetter());
        if (next.isLower() && !pluralS)
            return {};
    }
    return word.left(n);
}

} // namespace

void ArticleExceptions::load(const QStringList &lines)
{
    m_entries.clear();
    for (const QString &line : lines) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() != 2 || fields[0].startsWith(QLatin1Char('#')))
            continue;
        const QString article = fields[1].toLower();
        if (article != QLatin1String("a") && article != QLatin1String("an"))
            continue;
        Entry e;
        e.pattern = fields[0];
        e.prefix = e.pattern.endsWith(QLatin1Char('*'));
        if (e.prefix)
            e.pattern.chop(1);
        if (e.pattern.isEmpty())
            continue;
        e.matchCase = e.pattern != e.pattern.toLower();
        e.an = article == QLatin1String("an");
        m_entries.append(e);
    }
}

int ArticleExceptions::lookUp(const QString &word) const
{
    // Numbers are read without their thousands separators: 11,000 as 11000.
    QString w = word;
    if (!w.isEmpty() && w.front().isDigit())
        w.remove(QLatin1Char(','));
    const QString lower = TextRules::lowerAscii(w);
    int best = -1;
    qsizetype bestLength = -1;
    for (const Entry &e : m_entries) {
        const QString &subject = e.matchCase ? w : lower;
        const QString pattern = e.matchCase ? e.pattern : TextRules::lowerAscii(e.pattern);
        const qsizetype n = pattern.size();
        if (subject.size() < n)
            continue;
        bool matches = true;
        for (qsizetype i = 0; i < n && matches; ++i) {
            const QChar p = pattern.at(i);
            matches = p == QLatin1Char('#') ? subject.at(i).isDigit() : subject.at(i) == p;
        }
        if (!matches)
            continue;
        if (!e.prefix && subject.size() > n) {
            const QChar next = subject.at(n);
            const bool numberEnds =
                !next.isDigit() && (pattern.back().isDigit() || pattern.back() == QLatin1Char('#'));
            if (next.isLetterOrNumber() && !numberEnds)
                continue;
        }
        // Longer patterns are the more particular; a whole word beats a
        // prefix of the same length.
        const qsizetype length = n * 2 + (e.prefix ? 0 : 1);
        if (length > bestLength) {
            bestLength = length;
            best = e.an ? 1 : 0;
        }
    }
    return best;
}

bool ChooseArticle(const QString &word, const ArticleExceptions &exceptions)
{
    const int listed = exceptions.lookUp(word);
    if (listed >= 0)
        return listed == 1;
    const QString up = TextRules::upperAscii(word);
    if (up == QLatin1String("ONE"))
        return false;
    // An initialism spelt out takes the article of its first letter's name:
    // an FBI agent, an MBA, a UFO.
    const QString initialism = leadingInitialism(word);
    if (!initialism.isEmpty() && !readAsWord(initialism))
        return QStringLiteral("AEFHILMNORSX").contains(initialism.front());
    if (word.isEmpty())
        return false;
    const QChar f = up.at(0);
    const qsizetype n = word.size();
    if (f == QLatin1Char('A') || f == QLatin1Char('I') || f == QLatin1Char('O'))
        return true;
    if (f == QLatin1Char('H')) {
        if (n > 3 && startsWithAny(up, 4, {"HEIR", "HERB", "HOMA", "HONO", "HOUR"}))
            return true;
        if (n > 5 && startsWithAny(up, 6, {"HONEST"}))
            return true;
        // Initialisms are told apart from words by their written capitals.
        if (n > 2 && startsWithAny(word, 3, {"HMO", "HIV", "HPV"}))
            return true;
        return false;
    }
    if (f == QLatin1Char('E'))
        return !(n > 2 && startsWithAny(up, 2, {"EU"}));
    if (f == QLatin1Char('U')) {
        if (n > 2 && startsWithAny(up, 3,
                                   {"UNI", "URA", "URE", "URI", "URO", "USA", "USE", "USU", "UTE",
                                    "UTI", "UTO", "UTR", "UVE", "UVU"}))
            return false;
        if (n > 4 && startsWithAny(up, 5, {"UNANI"}))
            return false;
        if (n > 3 && startsWithAny(up, 4, {"UNAR"}))
            return false;
        if (n > 1 && startsWithAny(up, 2, {"UB", "UF", "UK"}))
            return false;
        return true;
    }
    return false;
}
