#include "vocab/plural_exception_list.h"
#include "vocab/verb_table.h"
#include "vocab/word_list.h"

#include <gtest/gtest.h>
#include <random>

namespace {

QStringList entries(const WordList &list)
{
    return list.entries();
}

} // namespace

TEST(WordList, SortedListIgnoresCaseWhenOrderingAndKeepsFirstOfEqualWords)
{
    WordList list;
    list.addAll({"cherry", "Banana", "apple", "Cat", "cat", "CAT"});
    EXPECT_EQ(entries(list), QStringList({"apple", "Banana", "Cat", "cherry"}));

    bool added = true;
    EXPECT_EQ(list.add("BANANA", &added), 1) << "a duplicate reports the existing row";
    EXPECT_FALSE(added);
    EXPECT_EQ(list.size(), 4);
    EXPECT_EQ(list.add("blue", &added), 2);
    EXPECT_TRUE(added);
}

// A whole file is sorted at once: the list must come out exactly as filing
// each word in turn would make it, duplicates in any case or accent too.
TEST(WordList, LoadingAWholeFileGivesTheListThatFilingEachWordMakes)
{
    const QStringList stems = {"cat",    "Cat",    "CAT", "café", "cafe", "Café",
                               "zebra",  "",       "a b", "a-b",  "ab",   "Ærø",
                               "resume", "résumé", "10",  "9",    "x'y"};
    std::mt19937 gen(3);
    QStringList words;
    for (int i = 0; i < 3000; ++i)
        words.append(stems.at(int(gen() % stems.size())) + QString::number(gen() % 40));
    WordList held;
    held.addAll({"cat7", "CAFE3"}); // already there: they stay, their file twins do not
    WordList oneByOne = held;
    for (const QString &w : words)
        oneByOne.add(w);
    held.addAll(words);
    EXPECT_EQ(held.entries(), oneByOne.entries());
    EXPECT_GE(held.find("Cat7"), 0);
    EXPECT_EQ(held.at(held.find("cafe3")), "CAFE3");
}

TEST(WordList, SortedListFilesAccentedWordsAmongTheirLetterAndAnEmptyEntryFirst)
{
    WordList list;
    list.addAll({"zebra", "\u00c9clair", "apple", "resume", "r\u00e9sum\u00e9"});
    EXPECT_EQ(entries(list),
              QStringList({"apple", "\u00c9clair", "resume", "r\u00e9sum\u00e9", "zebra"}))
        << "accents distinguish words; only case is ignored";

    // An empty entry of a sorted list comes first.
    WordList withEmpty;
    withEmpty.addAll({"b", "", "a"});
    EXPECT_EQ(entries(withEmpty), QStringList({"", "a", "b"}));
}

TEST(WordList, FileOrderListAppendsAndKeepsDuplicates)
{
    WordList list(WordList::Order::FileOrder);
    list.addAll({"ten", "one", "one", "Two"});
    EXPECT_EQ(entries(list), QStringList({"ten", "one", "one", "Two"}));
    EXPECT_EQ(list.add("three"), 4);
    EXPECT_EQ(list.find("two"), 3);
    list.insert(0, "zero");
    EXPECT_EQ(list.at(0), "zero");
}

TEST(WordList, FindIgnoresCaseAndInsertIntoSortedListKeepsOrder)
{
    WordList list;
    list.addAll({"go", "say", "walk"});
    EXPECT_EQ(list.find("SAY"), 1);
    EXPECT_EQ(list.find("run"), -1);
    list.insert(0, "run");
    EXPECT_EQ(entries(list), QStringList({"go", "run", "say", "walk"}));
    list.removeAt(1);
    list.removeAt(99);
    EXPECT_EQ(entries(list), QStringList({"go", "say", "walk"}));
}

TEST(VerbTable, RowsFollowTheirSortedInfinitive)
{
    VerbTable table;
    table.loadLines(
        {"swim", "swims", "swimming", "swam", "swum", "go", "goes", "going", "went", "gone"});
    ASSERT_EQ(table.size(), 2);
    EXPECT_EQ(table.row(0), QStringList({"go", "goes", "going", "went", "gone"}));
    EXPECT_EQ(table.row(1), QStringList({"swim", "swims", "swimming", "swam", "swum"}));
    EXPECT_EQ(table.toLines(), QStringList({"go", "goes", "going", "went", "gone", "swim", "swims",
                                            "swimming", "swam", "swum"}));
}

TEST(VerbTable, RepeatedInfinitiveDropsItsRowAndAnIncompleteLastVerbIsKept)
{
    VerbTable table;
    table.loadLines({"go",    "goes", "going", "went",    "gone",   "be",    "is",
                     "being", "was",  "been",  "Go",      "gos",    "goin",  "goed",
                     "goed",  "walk", "walks", "walking", "walked", "walked"});
    ASSERT_EQ(table.size(), 3);
    for (int c = 0; c < VerbTable::ColumnCount; ++c)
        EXPECT_EQ(table.column(VerbTable::Column(c)).size(), 3) << "column " << c;
    EXPECT_EQ(table.row(0), QStringList({"be", "is", "being", "was", "been"}));
    EXPECT_EQ(table.row(1), QStringList({"go", "goes", "going", "went", "gone"}));
    EXPECT_EQ(table.row(2), QStringList({"walk", "walks", "walking", "walked", "walked"}));

    // An incomplete last verb is kept with empty forms and counted.
    VerbTable cut;
    EXPECT_EQ(cut.loadLines({"walk", "walks", "walking", "walked", "walked", "be", "is"}), 2);
    ASSERT_EQ(cut.size(), 2);
    for (int c = 0; c < VerbTable::ColumnCount; ++c)
        EXPECT_EQ(cut.column(VerbTable::Column(c)).size(), 2) << "column " << c;
    EXPECT_EQ(cut.row(0), QStringList({"be", "is", "", "", ""}));
    EXPECT_EQ(cut.form(1, VerbTable::Ed), "walked");
    // Nothing of the file is lost when the cut is written back.
    EXPECT_EQ(cut.toLines().size(), 10);
    EXPECT_EQ(VerbTable().loadLines({"go", "goes", "going", "went", "gone"}), 0);
}

TEST(VerbTable, EditingReplacesFormsOrAddsAndDeletesWholeRows)
{
    VerbTable table;
    table.loadLines(
        {"go", "goes", "going", "went", "gone", "say", "says", "saying", "said", "said"});
    bool added = true;
    EXPECT_EQ(table.addRow({"GO", "goes", "going", "goed", "goed"},
                           VerbTable::OnDuplicate::ReplaceForms, &added),
              0);
    EXPECT_FALSE(added);
    EXPECT_EQ(table.row(0), QStringList({"go", "goes", "going", "goed", "goed"}));

    EXPECT_EQ(table.addRow({"run", "runs", "running", "ran", "run"}), 1);
    EXPECT_EQ(table.row(2), QStringList({"say", "says", "saying", "said", "said"}));

    table.removeRow(0);
    EXPECT_EQ(table.size(), 2);
    EXPECT_EQ(table.row(0), QStringList({"run", "runs", "running", "ran", "run"}));
    EXPECT_EQ(table.find("SAY"), 1);
}

TEST(PluralExceptionList, LooksUpTheExactSingularFirstRowWinning)
{
    PluralExceptionList list;
    list.loadLines({"Criterion", "Criteria", "", "criterion", "criteria", "criterions", "criterion",
                    "other", ""});
    ASSERT_EQ(list.size(), 3);
    const qsizetype row = list.find("criterion");
    ASSERT_EQ(row, 1);
    EXPECT_EQ(list.plural(row), "criteria");
    EXPECT_EQ(list.alternate(row), "criterions");
    EXPECT_EQ(list.find("CRITERION"), -1);
}

TEST(PluralExceptionList, LastNounWithoutAlternateGetsAnEmptyOneAndLoneSingularIsDropped)
{
    PluralExceptionList list;
    // "a\r\nb\r\n" style: the empty alternate line of the last noun vanishes
    // with the final line end.
    list.loadLines({"ox", "oxen", "", "child", "children"});
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.plural(1), "children");
    EXPECT_EQ(list.alternate(1), "");

    PluralExceptionList lone;
    lone.loadLines({"ox", "oxen", "", "mouse"});
    EXPECT_EQ(lone.size(), 1);
}
