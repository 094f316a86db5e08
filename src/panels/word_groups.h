#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A long list of words cut into a few groups of neighbours, each group cut
// again, until a group is short enough to step through word by word: a
// switch then reaches any one of a few hundred words in a handful of steps
// instead of a step per word. Cuts fall where the first letter changes when
// one is near, so that a group reads as a stretch of the alphabet.
struct WordGroup
{
    int first = 0; // index into the words
    int count = 0; // 1 for a single word
    QString name;  // the word, or "first to last" for a group
    QList<WordGroup> parts;
};

// The groups of words, top level first. A list of at most kMaxDirect words
// is its words; a longer one at most kBranches groups.
QList<WordGroup> wordGroups(const QStringList &words);

namespace WordGroups {
constexpr int kMaxDirect = 8;
constexpr int kBranches = 6;
} // namespace WordGroups
