#include "panels/word_groups.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QStringList shippedList(const char *name)
{
    QFile f(QStringLiteral(WORDLOOM_DATA_DIR "/words/%1.txt").arg(QLatin1String(name)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// Walks the groups as a switch does, checking that they cover the words in
// order with no gap or overlap; returns the most steps and chooses any one
// word takes (a step onto the n-th group is n + 1 steps, each level a choose).
int walk(const QList<WordGroup> &groups, int first, int count, int *next)
{
    const bool words =
        std::all_of(groups.begin(), groups.end(), [](const WordGroup &g) { return g.count == 1; });
    EXPECT_LE(groups.size(), words ? WordGroups::kMaxDirect : WordGroups::kBranches);
    int worst = 0;
    for (int i = 0; i < groups.size(); ++i) {
        const WordGroup &g = groups.at(i);
        EXPECT_GE(g.first, first);
        if (g.count == 1) {
            EXPECT_TRUE(g.parts.isEmpty());
            EXPECT_EQ(g.first, (*next)++);
            worst = std::max(worst, i + 2);
        } else {
            EXPECT_EQ(g.first, *next);
            worst = std::max(worst, i + 2 + walk(g.parts, g.first, g.count, next));
            EXPECT_EQ(*next, g.first + g.count) << g.name.toStdString();
        }
    }
    EXPECT_EQ(*next, first + count);
    return worst;
}

} // namespace

TEST(WordGroups, EveryWordOfTheLongestListsIsAFewSwitchStepsAway)
{
    for (const char *name : {"animal", "adjective", "verb"}) {
        const QStringList words = shippedList(name);
        ASSERT_GT(words.size(), 150) << name;
        int next = 0;
        const int worst = walk(wordGroups(words), 0, int(words.size()), &next);
        EXPECT_EQ(next, words.size()) << name;
        // A step per word would take hundreds, or thousands.
        EXPECT_LE(worst, words.size() > 1000 ? 40 : 26) << name;
    }
}

TEST(WordGroups, AShortListIsItsWordsAndGroupsCutWhereTheLetterChanges)
{
    EXPECT_TRUE(wordGroups({}).isEmpty());
    const QList<WordGroup> three = wordGroups({"cat", "cow", "dog"});
    ASSERT_EQ(three.size(), 3);
    EXPECT_EQ(three.at(2).name, "dog");
    EXPECT_EQ(three.at(2).count, 1);

    // Sixteen words make two groups; the even cut (after eight) is moved
    // to the change from a to b one word earlier.
    QStringList words;
    for (int i = 1; i <= 7; ++i)
        words << QStringLiteral("a%1").arg(i);
    for (int i = 1; i <= 9; ++i)
        words << QStringLiteral("b%1").arg(i);
    const QList<WordGroup> two = wordGroups(words);
    ASSERT_EQ(two.size(), 2);
    EXPECT_EQ(two.at(0).name, "a1 to a7");
    EXPECT_EQ(two.at(1).name, "b1 to b9");
    EXPECT_EQ(two.at(1).parts.size(), 2) << "nine words are cut again";
}
