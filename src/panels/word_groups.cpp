#include "panels/word_groups.h"

#include <cmath>

namespace {

QChar initial(const QString &word)
{
    return word.isEmpty() ? QChar() : word.at(0).toLower();
}

// The cut nearest to ideal within reach at which the first letter changes,
// else ideal itself; never before low nor at or after high.
int cutNear(const QStringList &words, int ideal, int reach, int low, int high)
{
    for (int d = 0; d <= reach; ++d)
        for (int at : {ideal - d, ideal + d})
            if (at > low && at < high && initial(words.at(at - 1)) != initial(words.at(at)))
                return at;
    return ideal;
}

QList<WordGroup> split(const QStringList &words, int first, int count)
{
    QList<WordGroup> groups;
    if (count <= WordGroups::kMaxDirect) {
        for (int i = first; i < first + count; ++i)
            groups.append(WordGroup{i, 1, words.at(i), {}});
        return groups;
    }
    const int parts = std::min<int>(WordGroups::kBranches,
                                    int(std::ceil(double(count) / WordGroups::kMaxDirect)));
    const double size = double(count) / parts;
    int start = first;
    for (int k = 1; k <= parts; ++k) {
        const int end = first + count;
        int cut = k == parts ? end : first + int(std::lround(k * size));
        if (k < parts)
            cut = cutNear(words, cut, int(size / 3), start, end - (parts - k));
        cut = std::clamp(cut, start + 1, end - (parts - k));
        const int n = cut - start;
        WordGroup group{start,
                        n,
                        n == 1 ? words.at(start)
                               : words.at(start) + QStringLiteral(" to ") + words.at(cut - 1),
                        {}};
        if (n > 1)
            group.parts = split(words, start, n);
        groups.append(group);
        start = cut;
    }
    return groups;
}

} // namespace

QList<WordGroup> wordGroups(const QStringList &words)
{
    return split(words, 0, int(words.size()));
}
