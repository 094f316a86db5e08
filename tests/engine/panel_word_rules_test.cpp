#include "engine_fixture.h"
#include "panels/affix_captions_file.h"
#include "panels/panel_word_rules.h"
#include "panels/word_cycles.h"
#include "program_dir_fixture.h"

namespace {

class PanelWordsTest : public EngineFixture
{
protected:
    PanelWordRules &words = engine.panelWords();
    WordCycles &cycles = engine.cycles();
    const WordCycles::Cycle &cycle(const char *button) { return *WordCycles::find(button); }
    void pick(const char *w, bool keepReplace = false)
    {
        words.fixedWordClick(QString::fromUtf8(w), QString::fromUtf8(w), keepReplace);
    }
};

TEST_F(PanelWordsTest, ICyclesThroughItsFormsAndBack)
{
    const QStringList expected = {"I ", "Me ", "My ", "Mine ", "Myself ", "I "};
    for (const QString &e : expected) {
        cycles.cycleClick(cycle("btnImain"));
        EXPECT_EQ(text(), e);
    }
    EXPECT_EQ(state.FormIndex, 1);
    EXPECT_EQ(state.LastAction, QLatin1String("I"));
    EXPECT_EQ(state.CurrentWord, QLatin1String("I"));
    // "more" cycles the same way.
    for (int i = 0; i < 4; ++i)
        cycles.cycleClick(cycle("btnMore"));
    EXPECT_EQ(text(), QLatin1String("I least "));
    cycles.cycleClick(cycle("btnMore"));
    EXPECT_EQ(text(), QLatin1String("I more "));
}

TEST_F(PanelWordsTest, ACycleStartsAgainAfterAnyOtherActionOrAStrayFormIndex)
{
    word("we");
    cycles.cycleClick(cycle("btnToMain"));
    cycles.cycleClick(cycle("btnToMain"));
    EXPECT_EQ(text(), QLatin1String("We too "));
    // Another button in between: "to" again, whatever FormIndex holds.
    cycles.cycleClick(cycle("btnHeMain"));
    state.FormIndex = 2;
    cycles.cycleClick(cycle("btnToMain"));
    EXPECT_EQ(text(), QLatin1String("We too he to "));
    EXPECT_EQ(state.ReplaceMode, 0);
    cycles.cycleClick(cycle("btnItMain"));
    state.FormIndex = 9;
    cycles.cycleClick(cycle("btnItMain"));
    EXPECT_EQ(text(), QLatin1String("We too he to it "));
}

TEST_F(PanelWordsTest, SubPanelFormReplacesAndTheCycleGoesOnFromIt)
{
    word("and");
    cycles.cycleClick(cycle("btnSheMain"));
    cycles.formClick(cycle("btnSheMain"), 3);
    EXPECT_EQ(text(), QLatin1String("And hers "));
    cycles.cycleClick(cycle("btnSheMain"));
    EXPECT_EQ(text(), QLatin1String("And herself "));
    cycles.cycleClick(cycle("btnSheMain"));
    EXPECT_EQ(text(), QLatin1String("And she "));
    // After another word the form is added, not put in place.
    word("saw");
    cycles.formClick(cycle("btnSheMain"), 2);
    EXPECT_EQ(text(), QLatin1String("And she saw her "));
    EXPECT_EQ(state.FormIndex, 2);
}

TEST_F(PanelWordsTest, StemsAndEndingsJoinButNoOneStaysApart)
{
    pick("any");
    words.oneEndingClick(true);
    EXPECT_EQ(text(), QLatin1String("Anyone "));
    pick("no");
    words.oneEndingClick(true);
    EXPECT_EQ(text(), QLatin1String("Anyone no one "));
    pick("who");
    pick("-so");
    pick("-ever");
    EXPECT_EQ(text(), QLatin1String("Anyone no one whosoever "));
    pick("every");
    pick("-thing");
    EXPECT_EQ(text(), QLatin1String("Anyone no one whosoever everything "));
    EXPECT_EQ(PanelWordRules::oneEnding(QStringLiteral("no")), QLatin1String("one"));
    EXPECT_EQ(PanelWordRules::oneEnding(QStringLiteral("some")), QLatin1String("-one"));
}

TEST_F(PanelWordsTest, PronounPickAfterARandomPronounReplacesIt)
{
    const QStringList list = {"he", "she", "we"};
    QueuedRandom random{1};
    word("then");
    ASSERT_TRUE(words.categoryRandomClick(QStringLiteral("pronoun"), list, random));
    EXPECT_EQ(text(), QLatin1String("Then she "));
    words.categoryPanelClick(QStringLiteral("pronoun"));
    pick("they", true);
    EXPECT_EQ(text(), QLatin1String("Then they "));
    // After any other action the panel's pick is added.
    word("said");
    words.categoryPanelClick(QStringLiteral("pronoun"));
    EXPECT_EQ(state.ReplaceMode, 0);
    pick("they", true);
    EXPECT_EQ(text(), QLatin1String("Then they said they "));
}

TEST_F(PanelWordsTest, RepeatedRandomClicksReplaceWithAnotherWord)
{
    const QStringList list = {"in", "on", "at", "by", "of"};
    SeededRandom random(3);
    word("sit");
    ASSERT_TRUE(words.categoryRandomClick(QStringLiteral("preposition"), list, random));
    EXPECT_EQ(state.ReplaceMode, 0);
    for (int i = 0; i < 30; ++i) {
        const int before = state.FormIndex;
        ASSERT_TRUE(words.categoryRandomClick(QStringLiteral("preposition"), list, random));
        ASSERT_NE(state.FormIndex, before);
        EXPECT_EQ(state.ReplaceMode, 1);
        EXPECT_EQ(text(), QStringLiteral("Sit %1 ").arg(list.at(state.FormIndex)));
    }
}

TEST_F(PanelWordsTest, RandomFromEmptyOrSingleListNeitherFailsNorLoops)
{
    QueuedRandom random{0};
    word("go");
    EXPECT_FALSE(words.categoryRandomClick(QStringLiteral("advT"), {}, random));
    EXPECT_EQ(text(), QLatin1String("Go "));
    EXPECT_EQ(state.LastAction, QLatin1String("go"));

    ASSERT_TRUE(words.categoryRandomClick(QStringLiteral("advT"), {"now"}, random));
    ASSERT_TRUE(words.categoryRandomClick(QStringLiteral("advT"), {"now"}, random));
    EXPECT_EQ(text(), QLatin1String("Go now "));
    EXPECT_EQ(drawIndex(0, true, 0, random), -1);
    EXPECT_EQ(drawIndex(2, true, 0, random), 1);
    EXPECT_EQ(drawIndex(2, false, 0, random), 0);
}

TEST_F(PanelWordsTest, GrabIsClearedAsEachButtonSays)
{
    QueuedRandom random{0};
    const QStringList list = {"a1", "b2"};
    state.GrabArmed = true;
    words.categoryRandomClick(QStringLiteral("custom"), list, random,
                              PanelWordRules::GrabClear::OnFirstClick);
    EXPECT_FALSE(state.GrabArmed);
    state.GrabArmed = true;
    words.categoryRandomClick(QStringLiteral("custom"), list, random,
                              PanelWordRules::GrabClear::OnFirstClick);
    EXPECT_TRUE(state.GrabArmed);
    words.categoryRandomClick(QStringLiteral("custom"), list, random);
    EXPECT_FALSE(state.GrabArmed);
}

TEST_F(PanelWordsTest, CustomButtons)
{
    word("it");
    EXPECT_FALSE(words.customClick(QString()));
    EXPECT_EQ(text(), QLatin1String("It "));
    EXPECT_EQ(state.LastAction, QLatin1String("it"));

    EXPECT_TRUE(words.customClick(QStringLiteral("per se")));
    EXPECT_EQ(text(), QLatin1String("It per se "));
    EXPECT_EQ(state.CurrentWord, QLatin1String("per se"));
    // A leading hyphen joins the word before.
    words.customClick(QStringLiteral("-ish"));
    EXPECT_EQ(text(), QLatin1String("It per seish "));

    // A word entered in the dialog takes the place of the random word the
    // category button put up for replacing; an empty one inserts nothing.
    QueuedRandom random{0};
    words.categoryRandomClick(QStringLiteral("conjunction"), {"and", "or"}, random);
    words.categoryPanelClick(QStringLiteral("conjunction"));
    words.customEdited(QString());
    EXPECT_EQ(text(), QLatin1String("It per seish and "));
    words.customEdited(QStringLiteral("whereas"));
    EXPECT_EQ(text(), QLatin1String("It per seish whereas "));
}

TEST(AffixCaptionsFile, RoundTripAndMissingLines)
{
    ProgramDirFixture dir;
    AffixCaptionsFile file;
    file.read(dir.path());
    EXPECT_EQ(file.prefixes[0], QString());

    file.prefixes = {"re-", "", "über-", "", "co-"};
    file.suffixes = {"-ish", "", "", "-ness"};
    QString error;
    ASSERT_TRUE(file.write(dir.path(), &error)) << error.toStdString();
    EXPECT_EQ(dir.read(QStringLiteral("affixes.ini")),
              QByteArray("re-\r\n\r\n\xC3\xBC"
                         "ber-\r\n\r\nco-\r\n-ish\r\n\r\n\r\n-ness"));

    AffixCaptionsFile back;
    back.read(dir.path());
    EXPECT_EQ(back.prefixes, file.prefixes);
    EXPECT_EQ(back.suffixes, file.suffixes);

    // A short file leaves the rest empty.
    dir.write(QStringLiteral("affixes.ini"), "pre-\nmid-\n");
    back.read(dir.path());
    EXPECT_EQ(back.prefixes[1], QLatin1String("mid-"));
    EXPECT_EQ(back.prefixes[2], QString());
    EXPECT_EQ(back.suffixes[3], QString());
}

} // namespace
