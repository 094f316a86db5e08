#include "engine_fixture.h"
#include "morph/modals.h"

namespace {

class ModalsTest : public EngineFixture
{
protected:
    Modals &modals = engine.modals();
    const QStringList list = {QStringLiteral("can"), QStringLiteral("could"), QStringLiteral("may"),
                              QStringLiteral("might"), QStringLiteral("will")};
};

TEST_F(ModalsTest, ContractionJoinsTheWordBefore)
{
    word(QStringLiteral("she"));
    modals.modalPanelItemClick(QStringLiteral("-'ll"));
    EXPECT_EQ(text(), QLatin1String("She'll "));
    // The verb after it takes its base form.
    EXPECT_EQ(state.LastAction, QLatin1String("modal"));
    EXPECT_EQ(state.VerbForm, 1);
    EXPECT_EQ(state.CurrentWord, QLatin1String("-'ll"));
}

TEST_F(ModalsTest, SecondPanelPickReplacesTheFirst)
{
    words({"i"});
    modals.modalPanelItemClick(QStringLiteral("can"));
    modals.modalPanelItemClick(QStringLiteral("will"));
    EXPECT_EQ(text(), QLatin1String("I will "));
    word(QStringLiteral("go"));
    modals.modalPanelItemClick(QStringLiteral("must"));
    EXPECT_EQ(text(), QLatin1String("I will go must "));
}

TEST_F(ModalsTest, ContractionPickedAfterAModalReplacesItAndJoins)
{
    word(QStringLiteral("i"));
    modals.modalPanelItemClick(QStringLiteral("can"));
    modals.modalPanelItemClick(QStringLiteral("-'ll"));
    EXPECT_EQ(text(), QLatin1String("I'll "));
    modals.modalPanelItemClick(QStringLiteral("-'d"));
    EXPECT_EQ(text(), QLatin1String("I'd "));
    // And back: a modal in place of the contraction stands apart again.
    modals.modalPanelItemClick(QStringLiteral("might"));
    EXPECT_EQ(text(), QLatin1String("I might "));
    word(QStringLiteral("go"));
    EXPECT_EQ(text(), QLatin1String("I might go "));
}

TEST_F(ModalsTest, ReplacedModalAtTheStartKeepsItsCapital)
{
    modals.modalPanelItemClick(QStringLiteral("can"));
    modals.modalPanelItemClick(QStringLiteral("will"));
    EXPECT_EQ(text(), QLatin1String("Will "));
}

TEST_F(ModalsTest, RandomClicksNeverRepeatARow)
{
    SeededRandom random(7);
    word(QStringLiteral("we"));
    ASSERT_TRUE(modals.modalRandomClick(list, random));
    for (int i = 0; i < 40; ++i) {
        const int before = state.FormIndex;
        ASSERT_TRUE(modals.modalRandomClick(list, random));
        ASSERT_NE(state.FormIndex, before);
        ASSERT_GE(state.FormIndex, 0);
        ASSERT_LT(state.FormIndex, int(list.size()));
        // The new modal replaced the old one.
        EXPECT_EQ(text(), QStringLiteral("We %1 ").arg(list.at(state.FormIndex)));
    }
}

TEST_F(ModalsTest, RandomClicksEndEvenWhenTheSourceRepeats)
{
    QueuedRandom random{2};
    word(QStringLiteral("we"));
    modals.modalRandomClick(list, random);
    EXPECT_EQ(state.FormIndex, 2);
    modals.modalRandomClick(list, random);
    EXPECT_EQ(state.FormIndex, 3);
    modals.modalRandomClick(list, random);
    EXPECT_EQ(state.FormIndex, 2);
    EXPECT_EQ(text(), QLatin1String("We may "));
}

TEST_F(ModalsTest, RandomClickWithOneOrNoRows)
{
    SeededRandom random(1);
    word(QStringLiteral("we"));
    EXPECT_FALSE(modals.modalRandomClick({}, random));
    EXPECT_EQ(text(), QLatin1String("We "));
    const QStringList one = {QStringLiteral("can")};
    EXPECT_TRUE(modals.modalRandomClick(one, random));
    EXPECT_TRUE(modals.modalRandomClick(one, random));
    EXPECT_EQ(text(), QLatin1String("We can "));
}

TEST_F(ModalsTest, RandomClickAfterAPanelContraction)
{
    QueuedRandom random{0};
    word(QStringLiteral("i"));
    modals.modalPanelItemClick(QStringLiteral("-'ll"));
    state.FormIndex = 4;
    modals.modalRandomClick(list, random);
    EXPECT_EQ(text(), QLatin1String("I can "));
}

TEST_F(ModalsTest, ScreenChoiceInsertsNothing)
{
    SeededRandom random(3);
    word(QStringLiteral("we"));
    state.GrabArmed = true;
    EXPECT_TRUE(modals.btnModalClick(Modals::DisplaysScreen, list, random));
    EXPECT_EQ(text(), QLatin1String("We "));
    EXPECT_EQ(state.ReplaceMode, 0);
    EXPECT_FALSE(state.GrabArmed);

    EXPECT_FALSE(modals.btnModalClick(Modals::InsertsRandomWord, list, random));
    EXPECT_TRUE(modals.btnModalClick(Modals::DisplaysScreen, list, random));
    EXPECT_EQ(state.ReplaceMode, 1);
}

} // namespace
