#include "word_list.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

const QCollator &collator()
{
    static const QCollator c = [] {
        QCollator made(QLocale(QLocale::English, QLocale::UnitedStates));
        made.setCaseSensitivity(Qt::CaseInsensitive);
        made.setNumericMode(false);
        made.setIgnorePunctuation(false);
        return made;
    }();
    return c;
}

} // namespace

WordList::WordList(Order order)
    : m_order(order)
{}

int WordList::compare(const QString &a, const QString &b)
{
    // QCollator puts an empty word before every other without asking the
    // collation, which counts a word of control characters as empty: the
    // two would be equal to the sort keys addAll() files by and unequal
    // here, and a word filed so could not be found again.
    if (a.isEmpty() != b.isEmpty())
        return collator().sortKey(a).compare(collator().sortKey(b));
    return collator().compare(a, b);
}

qsizetype WordList::lowerBound(const QString &word, bool *found) const
{
    qsizetype lo = 0;
    qsizetype hi = m_entries.size();
    *found = false;
    while (lo < hi) {
        const qsizetype mid = lo + (hi - lo) / 2;
        const int c = compare(m_entries.at(mid), word);
        if (c < 0) {
            lo = mid + 1;
        } else {
            if (c == 0)
                *found = true;
            hi = mid;
        }
    }
    return lo;
}

qsizetype WordList::add(const QString &word, bool *added)
{
    if (m_order == Order::FileOrder) {
        m_entries.append(word);
        if (added)
            *added = true;
        return m_entries.size() - 1;
    }
    bool found = false;
    const qsizetype pos = lowerBound(word, &found);
    if (!found)
        m_entries.insert(pos, word);
    if (added)
        *added = !found;
    return pos;
}

qsizetype WordList::find(const QString &word) const
{
    if (m_order == Order::Sorted) {
        bool found = false;
        const qsizetype pos = lowerBound(word, &found);
        return found ? pos : -1;
    }
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (compare(m_entries.at(i), word) == 0)
            return i;
    }
    return -1;
}

void WordList::insert(qsizetype pos, const QString &word)
{
    if (m_order == Order::Sorted) {
        add(word);
        return;
    }
    m_entries.insert(qBound<qsizetype>(0, pos, m_entries.size()), word);
}

void WordList::removeAt(qsizetype pos)
{
    if (pos >= 0 && pos < m_entries.size())
        m_entries.removeAt(pos);
}

void WordList::addAll(const QStringList &words)
{
    // A few words are filed one by one; a whole file is sorted once, which
    // gives the same list: filing each line in turn moved the list along for
    // every one, and a large unsorted file took minutes to load.
    if (m_order == Order::FileOrder || words.size() < 64) {
        for (const QString &w : words)
            add(w);
        return;
    }
    // The entries held come first, so of equal words the one already there
    // or first in the file stays, as add() keeps it. Sort keys order exactly
    // as compare() does, at a fraction of its cost.
    QStringList all = m_entries + words;
    std::vector<QCollatorSortKey> keys;
    keys.reserve(std::size_t(all.size()));
    for (const QString &w : all)
        keys.push_back(collator().sortKey(w));
    std::vector<qsizetype> order(std::size_t(all.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        return keys[std::size_t(a)].compare(keys[std::size_t(b)]) < 0;
    });
    QStringList sorted;
    sorted.reserve(all.size());
    qsizetype kept = -1;
    for (const qsizetype i : order) {
        if (kept >= 0 && keys[std::size_t(i)].compare(keys[std::size_t(kept)]) == 0)
            continue;
        sorted.append(all.at(i));
        kept = i;
    }
    m_entries = std::move(sorted);
}
