#include "engine_fixture.h"
#include "panels/right_words.h"

namespace {

TEST(RightWords, ColumnWidthBoxIsClampedOnceItHoldsTwoCharacters)
{
    QString back;
    EXPECT_EQ(RightWords::columnWidth(QStringLiteral("80"), &back), 80);
    EXPECT_EQ(back, QString());
    EXPECT_EQ(RightWords::columnWidth(QStringLiteral("300"), &back), 240);
    EXPECT_EQ(back, QStringLiteral("240"));
    EXPECT_EQ(RightWords::columnWidth(QStringLiteral("05"), &back), 40);
    EXPECT_EQ(back, QStringLiteral("40"));
    // One digit is a box being typed into: counted as 40, left alone.
    EXPECT_EQ(RightWords::columnWidth(QStringLiteral("9"), &back), 40);
    EXPECT_EQ(back, QString());
    EXPECT_EQ(RightWords::columnWidth(QString(), &back), 40);
    EXPECT_EQ(RightWords::columnWidth(QStringLiteral("xx"), &back), 40);
    EXPECT_EQ(back, QStringLiteral("40"));
}

TEST(RightWords, ColumnsShareTheRoomBeyondTheBoard)
{
    EXPECT_EQ(RightWords::columnCount(1000, 80), 4);
    EXPECT_EQ(RightWords::columnCount(1000, 240), 1);
    EXPECT_EQ(RightWords::columnCount(1000, 40), 9);
    EXPECT_EQ(RightWords::columnCount(700, 80), 1);
    EXPECT_EQ(RightWords::columnCount(1000, 0), 360);
}

TEST(RightWords, MarginStaysWithinZeroToForty)
{
    QString back;
    EXPECT_EQ(RightWords::margin(QStringLiteral("4"), &back), 4);
    EXPECT_EQ(back, QString());
    EXPECT_EQ(RightWords::margin(QString(), &back), 0);
    EXPECT_EQ(back, QString());
    EXPECT_EQ(RightWords::margin(QStringLiteral("41"), &back), 40);
    EXPECT_EQ(back, QStringLiteral("40"));
    EXPECT_EQ(RightWords::margin(QStringLiteral("-3"), &back), 0);
    EXPECT_EQ(back, QStringLiteral("0"));
}

TEST(RightWords, SortingKeepsDuplicatesAndIgnoresCase)
{
    WordList list(WordList::Order::FileOrder);
    list.addAll({"the", "And", "a", "and", "but"});
    RightWords::sort(list);
    EXPECT_EQ(list.entries(), (QStringList{"a", "And", "and", "but", "the"}));
    EXPECT_FALSE(list.isSorted());
}

using RightClick = EngineFixture;

TEST_F(RightClick, SecondClickOnTheSameWordLeavesItOnce)
{
    state.CapsMode = CapsNone;
    WordList list(WordList::Order::FileOrder);
    list.addAll({"the", "and", "or"});
    state.GrabArmed = true;
    ASSERT_TRUE(RightWords::click(composition, list, 1));
    EXPECT_FALSE(state.GrabArmed);
    ASSERT_TRUE(RightWords::click(composition, list, 1));
    EXPECT_EQ(text(), QStringLiteral("and "));
    EXPECT_EQ(state.ActionTag, QStringLiteral("and"));
    EXPECT_EQ(state.FormIndex, 1);
    RightWords::click(composition, list, 2);
    RightWords::click(composition, list, 1);
    EXPECT_EQ(text(), QStringLiteral("and or and "));
    EXPECT_FALSE(RightWords::click(composition, list, 3));
}

} // namespace
