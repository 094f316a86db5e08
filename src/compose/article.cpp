#include "article.h"

#include "composition.h"

#include <algorithm>

namespace {

bool startsWithAny(const QString &upper, qsizetype n, std::initializer_list<const char *> list)
{
    const QString head = upper.left(n);
    return std::any_of(list.begin(), list.end(),
                       [&](const char *p) { return head == QLatin1String(p); });
}

} // namespace

bool ChooseArticle(const QString &word)
{
    const QString up = TextRules::upperAscii(word);
    if (up == QLatin1String("ONE"))
        return false;
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
