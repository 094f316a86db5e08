#include "engine_fixture.h"
#include "vocab/category_words.h"

#include <QSet>

using L = Vocabulary::List;

namespace {

class CategoryWordsTest : public EngineFixture
{
protected:
    CategoryWords &words = engine.categoryWords();

    void SetUp() override
    {
        state.CapsMode = CapsNone;
        fill(L::AdjectiveList, {"blue", "cold", "dark", "quiet"});
        fill(L::NumberList, {"one", "two", "three"});
        fill(L::ANumberList, {"dozen", "few", "hundred"});
    }
    void fill(L list, QStringList entries) { vocab.wordList(list).addAll(entries); }
    bool adjective()
    {
        return words.categoryClick(QStringLiteral("adjective"), vocab.wordList(L::AdjectiveList),
                                   random);
    }
};

TEST_F(CategoryWordsTest, RepeatedClickReplacesTheWordWithADifferentOne)
{
    random.values = {2, 2};
    ASSERT_TRUE(adjective());
    EXPECT_EQ(text(), QStringLiteral("dark "));
    EXPECT_EQ(state.FormIndex, 2);
    EXPECT_EQ(state.CurrentWord, QStringLiteral("dark"));
    EXPECT_EQ(state.LastAction, QStringLiteral("adjective"));

    // The second draw comes up with the same row: it must not be taken.
    ASSERT_TRUE(adjective());
    EXPECT_EQ(text(), QStringLiteral("quiet "));
    EXPECT_EQ(state.ReplaceMode, 1);
    EXPECT_EQ(state.FormIndex, 3);
}

TEST_F(CategoryWordsTest, AnotherWordInBetweenStartsAFreshInsertion)
{
    random.values = {0};
    adjective();
    word(QStringLiteral("and"));
    adjective();
    EXPECT_EQ(text(), QStringLiteral("blue and blue "));
    EXPECT_EQ(state.ReplaceMode, 0);
}

TEST_F(CategoryWordsTest, GrabIsClearedOnAFirstClickOnlyExceptForTheAdverbs)
{
    random.values = {0, 1, 2};
    state.GrabArmed = true;
    adjective();
    EXPECT_FALSE(state.GrabArmed);
    state.GrabArmed = true;
    adjective();
    EXPECT_TRUE(state.GrabArmed);

    fill(L::AdvTList, {"now", "soon"});
    words.categoryClick(QStringLiteral("advT"), vocab.wordList(L::AdvTList), random,
                        CategoryWords::First::Random, CategoryWords::Grab::ClearAlways);
    state.GrabArmed = true;
    words.categoryClick(QStringLiteral("advT"), vocab.wordList(L::AdvTList), random,
                        CategoryWords::First::Random, CategoryWords::Grab::ClearAlways);
    EXPECT_FALSE(state.GrabArmed);
}

TEST_F(CategoryWordsTest, DrawOnRepeatCoversEveryOtherRowAndNeverThePreviousOne)
{
    for (int previous = 0; previous < 5; ++previous) {
        QSet<int> seen;
        for (int v = 0; v < 4; ++v) {
            random.values = {v};
            seen.insert(drawIndex(5, true, previous, random));
        }
        EXPECT_EQ(seen.size(), 4);
        EXPECT_FALSE(seen.contains(previous));
    }
    // A previous row the list no longer has rules nothing out.
    random.values = {4};
    EXPECT_EQ(drawIndex(5, true, 7, random), 4);
}

TEST_F(CategoryWordsTest, EmptyListInsertsNothingAndOneWordListRepeatsItsWord)
{
    const WordList empty;
    EXPECT_FALSE(words.categoryClick(QStringLiteral("advM"), empty, random));
    EXPECT_FALSE(words.categoryClick(QStringLiteral("advM"), empty, random));
    EXPECT_EQ(text(), QString());
    EXPECT_EQ(drawIndex(0, true, 0, random), -1);

    WordList one;
    one.add(QStringLiteral("gently"));
    EXPECT_TRUE(words.categoryClick(QStringLiteral("advM"), one, random));
    EXPECT_TRUE(words.categoryClick(QStringLiteral("advM"), one, random));
    EXPECT_EQ(text(), QStringLiteral("gently "));
    EXPECT_EQ(state.ReplaceMode, 1);
}

TEST_F(CategoryWordsTest, GoodComesFirstThenOtherGoodWords)
{
    fill(L::AdjGoodList, {"fine", "good", "great", "Good"});
    random.values = {1};
    const WordList &good = vocab.wordList(L::AdjGoodList);
    words.categoryClick(QStringLiteral("adjGood"), good, random, CategoryWords::First::Good);
    EXPECT_EQ(text(), QStringLiteral("good "));
    EXPECT_TRUE(random.bounds.isEmpty());
    words.categoryClick(QStringLiteral("adjGood"), good, random, CategoryWords::First::Good);
    EXPECT_EQ(text(), QStringLiteral("great "));

    // Without the entry the first click draws like any other.
    WordList fine;
    fine.addAll({QStringLiteral("fine"), QStringLiteral("nice")});
    word(QStringLiteral("so"));
    random.values = {1};
    words.categoryClick(QStringLiteral("adjGood"), fine, random, CategoryWords::First::Good);
    EXPECT_EQ(text(), QStringLiteral("great so nice "));
}

TEST_F(CategoryWordsTest, NumberDrawsFromTheArticleListAfterAnArticle)
{
    random.values = {0};
    words.numberClick(random);
    EXPECT_EQ(text(), QStringLiteral("one "));
    EXPECT_EQ(words.numberPickTag(), QStringLiteral("number"));
    EXPECT_EQ(words.numberList(), L::NumberList);

    // The article button arms agreement with the word that follows.
    word(QStringLiteral("a"));
    state.ArticleState = ArticleArmed;
    state.ArticleWord = QStringLiteral("a");
    EXPECT_EQ(words.numberList(), L::ANumberList);
    EXPECT_EQ(words.numberPickTag(), QStringLiteral("anumber"));
    random.values = {0};
    words.numberClick(random);
    EXPECT_EQ(text(), QStringLiteral("one a dozen "));
    EXPECT_EQ(state.LastAction, QStringLiteral("number"));
}

TEST_F(CategoryWordsTest, NounTakesAListByTheFirstDrawAndMayRepeatItsWord)
{
    fill(L::PlantList, {"fern", "moss"});
    fill(L::SubstanceList, {"salt", "tar"});
    random.values = {9, 1};
    ASSERT_TRUE(words.nounClick(random));
    EXPECT_EQ(text(), QStringLiteral("tar "));
    EXPECT_EQ(random.bounds, (QList<int>{10, 2}));
    EXPECT_EQ(state.LastAction, QStringLiteral("noun"));

    // No re-draw: the same list and row may come again, in place.
    random.values = {9, 1};
    ASSERT_TRUE(words.nounClick(random));
    EXPECT_EQ(text(), QStringLiteral("tar "));
    EXPECT_EQ(state.ReplaceMode, 1);

    // An empty noun list inserts nothing.
    random.values = {4};
    EXPECT_FALSE(words.nounClick(random));
    EXPECT_EQ(text(), QStringLiteral("tar "));
    for (int k = 0; k < 10; ++k)
        EXPECT_NE(CategoryWords::nounList(k), L::CustomList);
}

TEST_F(CategoryWordsTest, OhIsAFixedWord)
{
    state.GrabArmed = true;
    words.ohClick();
    EXPECT_EQ(text(), QStringLiteral("oh "));
    EXPECT_EQ(state.CurrentWord, QStringLiteral("oh"));
    EXPECT_FALSE(state.GrabArmed);
}

TEST(CategoryTags, EveryPickTagHasItsList)
{
    // The noun button draws its list first: it has no list of its own.
    EXPECT_EQ(CategoryWords::listForTag(QStringLiteral("noun")), std::nullopt);
    // Each button appears once and each list once.
    QSet<QString> buttons;
    QSet<int> lists;
    for (const CategoryWords::Category &c : CategoryWords::categories()) {
        buttons.insert(QString::fromLatin1(c.button));
        lists.insert(int(c.list));
        EXPECT_EQ(CategoryWords::listForTag(QString::fromLatin1(c.tag)), c.list) << c.tag;
    }
    EXPECT_EQ(buttons.size(), qsizetype(CategoryWords::categories().size()));
    EXPECT_EQ(lists.size(), qsizetype(CategoryWords::categories().size()));
}

} // namespace
