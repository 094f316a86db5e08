#include "engine_fixture.h"
#include "morph/derivation.h"

namespace {

class DerivationTest : public EngineFixture
{
protected:
    Derivation &derivation = engine.derivation();
};

struct Cycle
{
    const char *word;
    std::vector<const char *> forms; // what each click leaves in the text
};

void PrintTo(const Cycle &c, std::ostream *os)
{
    *os << c.word;
}

class DegreeCycle : public DerivationTest, public ::testing::WithParamInterface<Cycle>
{};

TEST_P(DegreeCycle, ErClicksStepThroughTheForms)
{
    words({"it", "is", GetParam().word});
    for (const char *form : GetParam().forms) {
        derivation.btnErClick();
        EXPECT_EQ(text(), QStringLiteral("It is %1 ").arg(QLatin1String(form)));
        EXPECT_EQ(state.CurrentWord, QLatin1String(form));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Words, DegreeCycle,
    ::testing::Values(Cycle{"big", {"bigger", "biggest", "biger", "bigest", "big", "bigger"}},
                      Cycle{"good", {"better", "best", "good", "better"}},
                      Cycle{"bad", {"worse", "worst", "badder", "baddest", "bad", "worse"}},
                      Cycle{"thin", {"thinner", "thinnest", "thiner", "thinest", "thin"}},
                      Cycle{"solid", {"solider", "solidest", "solidder", "soliddest", "solid"}},
                      Cycle{"loud", {"louder", "loudest", "loud"}},
                      Cycle{"grey", {"greyer", "greyest", "grey"}},
                      Cycle{"happy", {"happier", "happiest", "happy"}},
                      Cycle{"wide", {"wider", "widest", "wide"}},
                      Cycle{"BETTER", {"better", "best", "good"}},
                      Cycle{"further", {"farther", "farthest", "further", "furthest", "far"}}));

TEST(ComparativeForms, RulesOfTheEnding)
{
    const auto f = Derivation::comparativeForms(QStringLiteral("gray"));
    EXPECT_EQ(f.comparative, QLatin1String("grayer"));
    const auto dry = Derivation::comparativeForms(QStringLiteral("dry"));
    EXPECT_EQ(dry.comparative, QLatin1String("drier"));
    EXPECT_EQ(dry.superlative, QLatin1String("driest"));
    // The double spelling is only offered after a single short vowel.
    EXPECT_FALSE(Derivation::comparativeForms(QStringLiteral("loud")).hasAlternates());
    EXPECT_FALSE(Derivation::comparativeForms(QStringLiteral("fast")).hasAlternates());
    EXPECT_EQ(Derivation::comparativeForms(QStringLiteral("sad")).altComparative,
              QLatin1String("sader"));
    const auto none = Derivation::comparativeForms(QString());
    EXPECT_EQ(none.comparative, QLatin1String("-er"));
    EXPECT_EQ(none.superlative, QLatin1String("-est"));
}

TEST_F(DerivationTest, ErKeepsTheCapitalAndAfterAMouseClickTakesTheWordBeforeTheCaret)
{
    word(QStringLiteral("big"));
    ASSERT_EQ(text(), QLatin1String("Big "));
    derivation.btnErClick();
    EXPECT_EQ(text(), QLatin1String("Bigger "));
    derivation.btnErClick();
    EXPECT_EQ(text(), QLatin1String("Biggest "));

    typed(QStringLiteral("so big and tall"), 7);
    derivation.btnErClick();
    EXPECT_EQ(text(), QLatin1String("so bigger and tall"));
    EXPECT_EQ(state.FormIndex, 2);
}

struct LyCase
{
    const char *word;
    const char *adverb;
};

class LyForm : public DerivationTest, public ::testing::WithParamInterface<LyCase>
{};

TEST_P(LyForm, FirstClickGivesTheAdverbAndTheSecondTheWord)
{
    words({"it", "is", GetParam().word});
    derivation.btnLyClick();
    EXPECT_EQ(text(), QStringLiteral("It is %1 ").arg(QLatin1String(GetParam().adverb)));
    derivation.btnLyClick();
    EXPECT_EQ(text(), QStringLiteral("It is %1 ").arg(QLatin1String(GetParam().word)));
    derivation.btnLyClick();
    EXPECT_EQ(text(), QStringLiteral("It is %1 ").arg(QLatin1String(GetParam().adverb)));
}

INSTANTIATE_TEST_SUITE_P(Words, LyForm,
                         ::testing::Values(LyCase{"happy", "happily"}, LyCase{"basic", "basically"},
                                           LyCase{"public", "publicly"}, LyCase{"true", "truly"},
                                           LyCase{"full", "fully"}, LyCase{"vague", "vaguely"},
                                           LyCase{"simple", "simply"}, LyCase{"whole", "wholly"},
                                           LyCase{"dull", "dully"}, LyCase{"quick", "quickly"},
                                           LyCase{"unique", "uniquely"}, LyCase{"gentle", "gently"},
                                           LyCase{"subtle", "subtly"}, LyCase{"idle", "idly"},
                                           LyCase{"shy", "shyly"}, LyCase{"sly", "slyly"},
                                           LyCase{"coy", "coyly"}, LyCase{"due", "duly"},
                                           LyCase{"sole", "solely"}));

TEST_F(DerivationTest, DryHasTwoAdverbs)
{
    words({"it", "is", "dry"});
    derivation.btnLyClick();
    EXPECT_EQ(text(), QLatin1String("It is dryly "));
    derivation.btnLyClick();
    EXPECT_EQ(text(), QLatin1String("It is drily "));
    derivation.btnLyClick();
    EXPECT_EQ(text(), QLatin1String("It is dry "));
}

TEST_F(DerivationTest, LyKeepsTheCapitalAndAfterAMouseClickReplacesTheWordBeforeTheCaret)
{
    word(QStringLiteral("happy"));
    derivation.btnLyClick();
    EXPECT_EQ(text(), QLatin1String("Happily "));
    derivation.btnLyClick();
    EXPECT_EQ(text(), QLatin1String("Happy "));
    // The capital belonged to that word only.
    word(QStringLiteral("sang"));
    EXPECT_EQ(text(), QLatin1String("Happy sang "));

    typed(QStringLiteral("a quick fox"), 8);
    derivation.btnLyClick();
    EXPECT_EQ(text(), QLatin1String("a quickly fox"));
}

TEST_F(DerivationTest, YCyclesThroughThreeForms)
{
    const std::vector<std::pair<const char *, std::vector<const char *>>> cases = {
        {"rain", {"rainy", "rainny", "rain", "rainy"}},
        {"ice", {"icey", "icy", "ice"}},
        {"winter", {"wintery", "wintry", "winter"}},
    };
    for (const auto &[w, forms] : cases) {
        surface.setText(QString());
        state = CompositionState();
        words({"so", w});
        for (const char *form : forms) {
            derivation.btnYClick();
            EXPECT_EQ(text(), QStringLiteral("So %1 ").arg(QLatin1String(form))) << w;
        }
    }
    EXPECT_EQ(Derivation::yForms(QStringLiteral("ter"))[2], QLatin1String("terry"));
    EXPECT_EQ(Derivation::yForms(QStringLiteral("sector"))[2], QLatin1String("sectry"));
}

TEST_F(DerivationTest, PrefixGoesInFrontOfTheWordJustInserted)
{
    words({"i", "am", "happy"});
    derivation.fixedPrefixClick(QStringLiteral("un-"));
    EXPECT_EQ(text(), QLatin1String("I am unhappy "));
    EXPECT_EQ(state.CurrentWord, QLatin1String("unhappy"));
    word(QStringLiteral("today"));
    EXPECT_EQ(text(), QLatin1String("I am unhappy today "));
    // On the first word of a sentence it takes the word's capital.
    surface.setText(QString());
    composition.resetForNewDocument();
    word(QStringLiteral("happy"));
    derivation.fixedPrefixClick(QStringLiteral("un-"));
    EXPECT_EQ(text(), QLatin1String("Unhappy "));
}

TEST_F(DerivationTest, PrefixAfterAFullStopJoinsTheNextWord)
{
    words({"i", "went"});
    period();
    derivation.fixedPrefixClick(QStringLiteral("un-"));
    EXPECT_EQ(text(), QLatin1String("I went.  Un"));
    word(QStringLiteral("kind"));
    EXPECT_EQ(text(), QLatin1String("I went.  Unkind "));
}

TEST_F(DerivationTest, SelfPrefixKeepsOneHyphen)
{
    typed(QStringLiteral("It was "));
    derivation.fixedPrefixClick(QStringLiteral("self--"));
    word(QStringLiteral("made"));
    EXPECT_EQ(text(), QLatin1String("It was self-made "));
}

TEST_F(DerivationTest, PrefixAfterTheSpaceButtonDeletesNothing)
{
    words({"i", "am"});
    // The space button: the editor types a space at the caret.
    state.WordStart = surface.caret();
    surface.replaceSelection(QStringLiteral(" "));
    state.LastAction = QStringLiteral("space");
    state.CurrentWord = QStringLiteral(" ");
    derivation.fixedPrefixClick(QStringLiteral("un-"));
    word(QStringLiteral("kind"));
    EXPECT_EQ(text(), QLatin1String("I am  unkind "));
}

TEST_F(DerivationTest, SuffixJoinsTheWordBefore)
{
    words({"be", "kind"});
    derivation.btnSuffixClick();
    derivation.fixedSuffixClick(QStringLiteral("-ness"));
    EXPECT_EQ(text(), QLatin1String("Be kindness "));
    EXPECT_EQ(state.CurrentWord, QLatin1String("-ness"));
}

TEST_F(DerivationTest, LeavingTheSuffixPanelPutsTheSpanBack)
{
    words({"be", "kind"});
    derivation.btnSuffixClick();
    EXPECT_EQ(state.WordLength, 0);
    derivation.btnExitSuffixClick();
    EXPECT_EQ(state.WordLength, 5);
    // The span is whole again: a cycling click still replaces "kind".
    derivation.btnLyClick();
    EXPECT_EQ(text(), QLatin1String("Be kindly "));
}

TEST_F(DerivationTest, MorePanelPickReplacesAPickBeforeIt)
{
    words({"i", "want"});
    derivation.moreItemClick(QStringLiteral("more"), 1);
    derivation.moreItemClick(QStringLiteral("least"), 4);
    EXPECT_EQ(text(), QLatin1String("I want least "));
    EXPECT_EQ(state.FormIndex, 4);
    EXPECT_EQ(state.LastAction, QLatin1String("more"));
    word(QStringLiteral("cake"));
    derivation.moreItemClick(QStringLiteral("less"), 3);
    EXPECT_EQ(text(), QLatin1String("I want least cake less "));
}

// With GRAB armed, a transforming button works on the word before the caret
// and not on the span of the last insertion.
TEST_F(DerivationTest, ArmedGrabMakesTransformingButtonsTakeTheWordBeforeTheCaret)
{
    const std::vector<std::pair<std::function<void()>, const char *>> cases = {
        {[&] { derivation.btnErClick(); }, "It is happier "},
        {[&] { derivation.btnLyClick(); }, "It is happily "},
        {[&] { derivation.btnYClick(); }, "It is happyy "},
        {[&] { derivation.fixedPrefixClick(QStringLiteral("un-")); }, "It is unhappy "},
    };
    for (const auto &[click, expected] : cases) {
        surface.setText(QString());
        state = CompositionState();
        words({"it", "is", "happy"});
        grab();
        click();
        EXPECT_EQ(text(), QLatin1String(expected));
        EXPECT_FALSE(state.GrabArmed);
    }
}

TEST_F(DerivationTest, ArmedGrabStartsANewErCycle)
{
    words({"so", "big"});
    derivation.btnErClick();
    word(QStringLiteral("and"));
    word(QStringLiteral("tall"));
    // "-er" was not the last action, but make it so to show the grab wins.
    state.LastAction = QStringLiteral("-er");
    grab();
    derivation.btnErClick();
    EXPECT_EQ(text(), QLatin1String("So bigger and taller "));
}

} // namespace
