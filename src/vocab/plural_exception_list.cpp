#include "plural_exception_list.h"

void PluralExceptionList::appendRow(const QString &singular, const QString &plural,
                                    const QString &alternate)
{
    m_singular.append(singular);
    m_plural.append(plural);
    m_alternate.append(alternate);
}

void PluralExceptionList::clear()
{
    m_singular.clear();
    m_plural.clear();
    m_alternate.clear();
}

void PluralExceptionList::loadLines(const QStringList &lines)
{
    for (qsizetype i = 0; i + 1 < lines.size(); i += 3)
        appendRow(lines.at(i), lines.at(i + 1), lines.value(i + 2));
}
