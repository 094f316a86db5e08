#include "engine_fixture.h"

namespace {

TEST(Articles, ACyclesAAnOneInPlaceAndTheNextWordDecides)
{
    EngineDesk d;
    const char *expected[] = {"A ", "An ", "One ", "A "};
    for (int i = 0; i < 4; ++i) {
        d.engine.articles().btnAClick();
        EXPECT_EQ(d.text(), S(expected[i])) << "click " << i + 1;
        EXPECT_EQ(d.state.FormIndex, i % 3 + 1);
        EXPECT_EQ(d.state.ArticleState, ArticleArmed);
    }
    // The form is held in lower case although the text shows a capital.
    EXPECT_EQ(d.state.ArticleWord, S("a"));
    EXPECT_EQ(d.state.CurrentWord, S("a"));

    // The next word decides between "a" and "an".
    EngineDesk n;
    n.engine.articles().btnAClick();
    n.word(S("apple"));
    EXPECT_EQ(n.text(), S("An apple "));
    n.word(S("tree"));
    EXPECT_EQ(n.text(), S("An apple tree "));

    EngineDesk e;
    e.word(S("see"));
    e.engine.articles().btnAClick();
    e.engine.articles().btnAClick();
    EXPECT_EQ(e.state.ArticleWord, S("an"));
    e.word(S("dog"));
    EXPECT_EQ(e.text(), S("See a dog "));
}

TEST(Articles, SubPanelFormsAreKeptAsChosenAndReplaceTheSameButtonsForm)
{
    // "an" from the panel before a consonant stays "an" ...
    EngineDesk d;
    d.word(S("see"));
    d.engine.articles().aPanelClick(2);
    EXPECT_EQ(d.state.FormIndex, 2);
    d.word(S("dog"));
    EXPECT_EQ(d.text(), S("See an dog "));

    // ... while the main button's "an" is corrected.
    EngineDesk e;
    e.word(S("see"));
    e.engine.articles().btnAClick();
    e.engine.articles().btnAClick();
    e.word(S("dog"));
    EXPECT_EQ(e.text(), S("See a dog "));

    // A pick replaces the form of the same button.
    EngineDesk t;
    t.word(S("take"));
    t.engine.articles().btnTheClick();
    t.engine.articles().thePanelClick(5);
    EXPECT_EQ(t.text(), S("Take those "));
    EXPECT_EQ(t.state.FormIndex, 5);
    // The main button continues the cycle from there.
    t.engine.articles().btnTheClick();
    EXPECT_EQ(t.text(), S("Take the "));
    // After another word the panel inserts afresh.
    t.word(S("one"));
    t.engine.articles().thePanelClick(3);
    EXPECT_EQ(t.text(), S("Take the one this "));
}

} // namespace
