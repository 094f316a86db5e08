#include "engine_fixture.h"
#include "morph/negation.h"

namespace {

class NegationTest : public EngineFixture
{
protected:
    Negation &negation = engine.negation();

    // The REMOVE button with the caret still after the last insertion.
    void remove() { engine.editingKeys().btnRemoveClick(); }
};

struct NotCycle
{
    std::vector<const char *> before; // fixed words inserted first
    std::vector<const char *> texts;  // the whole text after each click
};

void PrintTo(const NotCycle &c, std::ostream *os)
{
    *os << c.texts.front();
}

class NotCycles : public NegationTest, public ::testing::WithParamInterface<NotCycle>
{};

TEST_P(NotCycles, NotClicksStepThroughTheForms)
{
    for (const char *w : GetParam().before)
        word(QLatin1String(w));
    for (const char *expected : GetParam().texts) {
        negation.btnNotClick();
        EXPECT_EQ(text(), QLatin1String(expected));
        EXPECT_EQ(state.LastAction, QLatin1String("not"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Words, NotCycles,
    ::testing::Values(NotCycle{{"i", "can"}, {"I can't ", "I cannot ", "I can not ", "I can't "}},
                      NotCycle{{"can"}, {"Can't ", "Cannot ", "Can not "}},
                      NotCycle{{"will"}, {"Won't ", "Will not ", "Will "}},
                      NotCycle{{"i", "am"}, {"I am not ", "I ain't ", "I am ", "I am not "}},
                      NotCycle{{"it", "is"}, {"It isn't ", "It is not ", "It is "}},
                      NotCycle{{"i", "shall"}, {"I shall not ", "I shan't ", "I shall "}},
                      NotCycle{{"he", "does"}, {"He doesn't ", "He does not ", "He does "}},
                      // A word without a contraction skips the empty form 2.
                      NotCycle{{"i", "am", "happy"},
                               {"I am happy not ", "I am happy ", "I am happy not "}}));

TEST_F(NegationTest, NotAfterAMouseClickNegatesTheWordBeforeTheCaretOrTheSelection)
{
    typed(QStringLiteral("You must go"), 8);
    negation.btnNotClick();
    EXPECT_EQ(text(), QLatin1String("You must not go"));
    negation.btnNotClick();
    EXPECT_EQ(text(), QLatin1String("You mustn't go"));

    // A selection is negated instead of deleted.
    typed(QStringLiteral("you can go"));
    surface.select(4, 3);
    negation.btnNotClick();
    EXPECT_EQ(text(), QLatin1String("you can't go"));
}

TEST_F(NegationTest, NotAfterAMarkGivesItItsSpacesAndNot)
{
    typed(QStringLiteral("I went.  "));
    negation.btnNotClick();
    EXPECT_EQ(text(), QLatin1String("I went.  Not "));
    negation.btnNotClick();
    EXPECT_EQ(text(), QLatin1String("I went.  "));
    negation.btnNotClick();
    EXPECT_EQ(text(), QLatin1String("I went.  Not "));

    // Right after the full stop button.
    surface.setText(QString());
    composition.resetForNewDocument();
    words({"i", "went"});
    period();
    negation.btnNotClick();
    EXPECT_EQ(text(), QLatin1String("I went.  Not "));
    word(QStringLiteral("now"));
    EXPECT_EQ(text(), QLatin1String("I went.  Not now "));

    // Other marks keep their spacing too.
    typed(QStringLiteral("Why?  "));
    negation.btnNotClick();
    EXPECT_EQ(text(), QLatin1String("Why?  Not "));

    typed(QStringLiteral("yes, "));
    negation.btnNotClick();
    EXPECT_EQ(text(), QLatin1String("yes, not "));
}

TEST_F(NegationTest, NotAfterAContractionStaysJoined)
{
    word(QStringLiteral("he"));
    state.ActionTag = QStringLiteral("apostrophe");
    state.ReplaceMode = 0;
    composition.InsertWord(QStringLiteral("-'s"));
    state.CurrentWord = QStringLiteral("-'s");
    negation.btnNotClick();
    EXPECT_EQ(text(), QLatin1String("He's not "));
    negation.btnNotClick();
    EXPECT_EQ(text(), QLatin1String("He's "));
}

TEST(NegationForms, CapitalOfTheWordStays)
{
    const auto f = Negation::negationForms(QStringLiteral("Shall"));
    EXPECT_EQ(f.form2, QLatin1String("Shall not"));
    EXPECT_EQ(f.form3, QLatin1String("Shan't"));
    EXPECT_EQ(Negation::negationForms(QStringLiteral("WOULD")).form2, QLatin1String("Wouldn't"));
}

TEST_F(NegationTest, RemovePutsBackTheWordOrTheMarkBeforeTheNegation)
{
    words({"i", "can"});
    negation.btnNotClick();
    ASSERT_EQ(text(), QLatin1String("I can't "));
    remove();
    EXPECT_EQ(text(), QLatin1String("I can "));

    words({"go", "home"});
    negation.btnNotClick();
    ASSERT_EQ(text(), QLatin1String("I can go home not "));
    remove();
    EXPECT_EQ(text(), QLatin1String("I can go home "));

    // A sentence mark comes back with its capital.
    typed(QStringLiteral("I went.  "));
    negation.btnNotClick();
    remove();
    EXPECT_EQ(text(), QLatin1String("I went.  "));
    EXPECT_EQ(state.CapsMode, CapsFirstArmed);
    word(QStringLiteral("then"));
    EXPECT_EQ(text(), QLatin1String("I went.  Then "));
}

TEST_F(NegationTest, RemoveAfterOtherActionsRestoresNothing)
{
    words({"i", "can"});
    negation.btnNotClick();
    word(QStringLiteral("go"));
    composition.ReadContextBeforeCaret();
    EXPECT_FALSE(negation.restoreBeforeNegation());
    EXPECT_EQ(text(), QLatin1String("I can't "));
}

TEST_F(NegationTest, ArmedGrabNegatesTheWordBeforeTheCaret)
{
    words({"i", "can", "go"});
    surface.setCaret(6); // after "can "
    state.LastAction = QStringLiteral("go");
    grab();
    negation.btnNotClick();
    EXPECT_EQ(text(), QLatin1String("I can't go "));
    EXPECT_FALSE(state.GrabArmed);
}

} // namespace
