#include "verb_table.h"

VerbTable::VerbTable()
    : m_columns{WordList(WordList::Order::Sorted), WordList(WordList::Order::FileOrder),
                WordList(WordList::Order::FileOrder), WordList(WordList::Order::FileOrder),
                WordList(WordList::Order::FileOrder)}
{}

QStringList VerbTable::row(qsizetype r) const
{
    QStringList forms;
    for (const WordList &col : m_columns)
        forms.append(col.at(r));
    return forms;
}

qsizetype VerbTable::addRow(const QStringList &forms, OnDuplicate onDuplicate, bool *added)
{
    bool isNew = false;
    const qsizetype p = m_columns[To].add(forms.value(To), &isNew);
    if (added)
        *added = isNew;
    for (int c = S; c < ColumnCount; ++c) {
        if (isNew) {
            m_columns[c].insert(p, forms.value(c));
        } else if (onDuplicate == OnDuplicate::ReplaceForms) {
            m_columns[c].removeAt(p);
            m_columns[c].insert(p, forms.value(c));
        }
    }
    return p;
}

void VerbTable::removeRow(qsizetype r)
{
    if (r < 0 || r >= size())
        return;
    for (WordList &col : m_columns)
        col.removeAt(r);
}

void VerbTable::clear()
{
    for (WordList &col : m_columns)
        col.clear();
}

qsizetype VerbTable::loadLines(const QStringList &lines)
{
    for (qsizetype i = 0; i < lines.size(); i += ColumnCount)
        addRow(lines.mid(i, ColumnCount), OnDuplicate::KeepExisting);
    return lines.size() % ColumnCount;
}

QStringList VerbTable::toLines() const
{
    QStringList lines;
    lines.reserve(size() * ColumnCount);
    for (qsizetype r = 0; r < size(); ++r)
        lines.append(row(r));
    return lines;
}
