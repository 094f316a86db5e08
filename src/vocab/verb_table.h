#pragma once

#include "word_list.h"

#include <QStringList>
#include <array>

// Five aligned columns, one verb a row: the infinitive (sorted, no
// duplicates without regard to case) and its -s, -ing, past and past
// participle forms, kept at the infinitive's row.
class VerbTable
{
public:
    enum Column { To, S, Ing, Ed, En };
    static constexpr int ColumnCount = 5;

    // What adding an infinitive the table already holds does.
    enum class OnDuplicate {
        KeepExisting, // loading: the first copy in the file wins
        ReplaceForms  // editing: the forms just typed replace the stored ones
    };

    VerbTable();

    qsizetype size() const { return m_columns[To].size(); }
    bool isEmpty() const { return size() == 0; }
    const WordList &column(Column c) const { return m_columns[c]; }
    const QString &form(qsizetype row, Column c) const { return m_columns[c].at(row); }
    // The five forms of a row, To first.
    QStringList row(qsizetype row) const;

    // Row of the infinitive, without regard to case; -1 when absent.
    qsizetype find(const QString &infinitive) const { return m_columns[To].find(infinitive); }

    // forms: To, S, Ing, Ed, En (missing ones count as empty). Returns the
    // row the verb is in; every column stays aligned either way.
    qsizetype addRow(const QStringList &forms, OnDuplicate onDuplicate = OnDuplicate::KeepExisting,
                     bool *added = nullptr);
    void removeRow(qsizetype row);
    void clear();

    // Five lines a verb. A last group of fewer than five lines is an
    // incomplete verb: it is kept with its missing forms empty, so saving
    // loses none of the file; the number of lines it had is returned (0
    // when every verb is whole) for the loader to report.
    qsizetype loadLines(const QStringList &lines);
    QStringList toLines() const;

private:
    std::array<WordList, ColumnCount> m_columns;
};
