#include "compose_desk.h"

namespace {

TEST(Articles, ACyclesAAnOneInPlaceAndTheNextWordDecides)
{
    ComposeDesk d;
    const char *expected[] = {"A ", "An ", "One ", "A "};
    for (int i = 0; i < 4; ++i) {
        d.articles.btnAClick();
        EXPECT_EQ(d.str(), S(expected[i])) << "click " << i + 1;
        EXPECT_EQ(d.st().FormIndex, i % 3 + 1);
        EXPECT_EQ(d.st().ArticleState, ArticleArmed);
    }
    // The form is held in lower case although the text shows a capital.
    EXPECT_EQ(d.st().ArticleWord, S("a"));
    EXPECT_EQ(d.st().CurrentWord, S("a"));

    // The next word decides between "a" and "an".
    ComposeDesk n;
    n.articles.btnAClick();
    n.word(S("apple"));
    EXPECT_EQ(n.str(), S("An apple "));
    n.word(S("tree"));
    EXPECT_EQ(n.str(), S("An apple tree "));

    ComposeDesk e;
    e.word(S("see"));
    e.articles.btnAClick();
    e.articles.btnAClick();
    EXPECT_EQ(e.st().ArticleWord, S("an"));
    e.word(S("dog"));
    EXPECT_EQ(e.str(), S("See a dog "));
}

TEST(Articles, SubPanelFormsAreKeptAsChosenAndReplaceTheSameButtonsForm)
{
    // "an" from the panel before a consonant stays "an" ...
    ComposeDesk d;
    d.word(S("see"));
    d.articles.aPanelClick(2);
    EXPECT_EQ(d.st().FormIndex, 2);
    d.word(S("dog"));
    EXPECT_EQ(d.str(), S("See an dog "));

    // ... while the main button's "an" is corrected.
    ComposeDesk e;
    e.word(S("see"));
    e.articles.btnAClick();
    e.articles.btnAClick();
    e.word(S("dog"));
    EXPECT_EQ(e.str(), S("See a dog "));

    // A pick replaces the form of the same button.
    ComposeDesk t;
    t.word(S("take"));
    t.articles.btnTheClick();
    t.articles.thePanelClick(5);
    EXPECT_EQ(t.str(), S("Take those "));
    EXPECT_EQ(t.st().FormIndex, 5);
    // The main button continues the cycle from there.
    t.articles.btnTheClick();
    EXPECT_EQ(t.str(), S("Take the "));
    // After another word the panel inserts afresh.
    t.word(S("one"));
    t.articles.thePanelClick(3);
    EXPECT_EQ(t.str(), S("Take the one this "));
}

} // namespace
