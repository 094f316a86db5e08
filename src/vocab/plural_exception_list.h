#pragma once

#include <QStringList>

// Irregular plurals for one noun ending: three aligned columns, one noun a
// row (singular, plural, alternate plural or empty). Unsorted, duplicates
// kept; looked up by exact singular, first row wins.
class PluralExceptionList
{
public:
    qsizetype size() const { return m_singular.size(); }
    bool isEmpty() const { return m_singular.isEmpty(); }
    const QString &singular(qsizetype row) const { return m_singular.at(row); }
    const QString &plural(qsizetype row) const { return m_plural.at(row); }
    const QString &alternate(qsizetype row) const { return m_alternate.at(row); }

    // First row whose singular equals word exactly (case-sensitive); -1.
    qsizetype find(const QString &word) const { return m_singular.indexOf(word); }

    void appendRow(const QString &singular, const QString &plural, const QString &alternate);
    void clear();

    // Three lines a noun. A last noun without its alternate line gets an
    // empty alternate; one without its plural is left out, since a row
    // without a plural has nothing to offer.
    void loadLines(const QStringList &lines);

private:
    QStringList m_singular;
    QStringList m_plural;
    QStringList m_alternate;
};
