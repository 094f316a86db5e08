#pragma once

#include <QString>
#include <QStringList>

// An ordered list of words. A sorted list keeps its entries in ascending
// order by a case-insensitive, locale-aware comparison and ignores a word
// equal to one it holds (without regard to case); a list in file order
// appends and keeps duplicates.
class WordList
{
public:
    enum class Order { Sorted, FileOrder };

    explicit WordList(Order order = Order::Sorted);

    Order order() const { return m_order; }
    bool isSorted() const { return m_order == Order::Sorted; }

    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const QString &at(qsizetype i) const { return m_entries.at(i); }
    // A copy for list boxes; the list stays the only store.
    const QStringList &entries() const { return m_entries; }

    // Sorted: files the word in order and returns its position; when an
    // equal entry is already there, nothing changes and its position is
    // returned (see *added). File order: appends and returns the last row.
    qsizetype add(const QString &word, bool *added = nullptr);
    // Sorted: the row of the entry equal to word without regard to case.
    // File order: the first row that compares equal that way. -1 when none.
    qsizetype find(const QString &word) const;
    // File order: puts word at row pos (clamped to 0..size()). A sorted list
    // files it in order instead.
    void insert(qsizetype pos, const QString &word);
    void removeAt(qsizetype pos);
    void clear() { m_entries.clear(); }

    // Adds every word, as loading a file does: the list comes out as if each
    // were added in turn.
    void addAll(const QStringList &words);

    // The order of a sorted list: negative, zero (equal, so a duplicate) or
    // positive. English collation at secondary strength, so letter case is
    // ignored but accents count; fixed, so files sort the same everywhere.
    static int compare(const QString &a, const QString &b);

private:
    // First position whose entry is not less than word; *found when equal.
    qsizetype lowerBound(const QString &word, bool *found) const;

    Order m_order;
    QStringList m_entries;
};
