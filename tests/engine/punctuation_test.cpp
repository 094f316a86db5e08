#include "compose_desk.h"

namespace {

TEST(Punctuation, FullStopJoinsAndCapitalisesAndTheQuoteCycles)
{
    ComposeDesk d;
    d.word(S("the"));
    d.word(S("cat"));
    d.punct.btnPeriodClick();
    EXPECT_EQ(d.str(), S("The cat.  "));
    EXPECT_EQ(d.st().CurrentWord, S(". "));
    EXPECT_EQ(d.st().CapsMode, CapsFirstArmed);
    d.word(S("she"));
    EXPECT_EQ(d.str(), S("The cat.  She "));

    // The quote cycles through its five forms.
    ComposeDesk q;
    q.word(S("he"));
    // Form 4 puts one space before the quote, not a second one.
    const char *expected[] = {"He\"", "He\" ", "He\"  ", "He \"", "He \"", "He\""};
    for (int i = 0; i < 6; ++i) {
        q.punct.btnQuotesClick();
        EXPECT_EQ(q.str(), S(expected[i])) << "click " << i + 1;
        EXPECT_EQ(q.st().FormIndex, i % 5 + 1);
    }
    // Form 1 is joined on both sides.
    q.word(S("x"));
    EXPECT_EQ(q.str(), S("He\"x "));
}

TEST(Punctuation, SeparatorsTakeTheSpaceBeforeThemAndKeepCapitals)
{
    ComposeDesk d;
    d.word(S("one"));
    d.punct.btnCommaClick();
    EXPECT_EQ(d.str(), S("One, "));
    EXPECT_EQ(d.st().CurrentWord, S(","));
    EXPECT_EQ(d.st().LastAction, S("comma"));
    d.word(S("two"));
    d.punct.btnColonClick();
    d.word(S("three"));
    d.punct.btnSemiColonClick();
    d.word(S("four"));
    EXPECT_EQ(d.str(), S("One, two: three; four "));
    EXPECT_EQ(d.st().CapsMode, CapsNone);

    // At the start of the document.
    ComposeDesk c;
    c.punct.btnCommaClick();
    EXPECT_EQ(c.str(), S(", "));
    ComposeDesk e(S("   "));
    e.punct.btnPeriodClick();
    EXPECT_EQ(e.str(), S(".  "));
}

TEST(Punctuation, ApostropheFormsDependOnWhatCameBeforeAndWrapAfterEight)
{
    ComposeDesk d;
    d.word(S("the"));
    d.word(S("dog"));
    d.punct.btnApostropheClick();
    EXPECT_EQ(d.str(), S("The dog's "));
    EXPECT_EQ(d.st().FormIndex, 1);

    // After a plural the possessive apostrophe comes first, then "'s".
    ComposeDesk p;
    p.word(S("dogs"));
    p.st().LastAction = S("pluralize");
    p.punct.btnApostropheClick();
    EXPECT_EQ(p.str(), S("Dogs' "));
    p.punct.btnApostropheClick();
    EXPECT_EQ(p.str(), S("Dogs's "));

    // After a caret move it opens a word and CurrentWord is the bare mark.
    ComposeDesk m;
    m.punct.btnApostropheClick();
    EXPECT_EQ(m.st().CurrentWord, S("'"));
    EXPECT_EQ(m.st().FormIndex, 8);
    m.word(S("twas"));
    EXPECT_EQ(m.str().mid(0, 1), S("'"));
    EXPECT_EQ(m.str().mid(1).toLower(), S("twas "));

    // The cycle wraps after eight.
    ComposeDesk w;
    w.word(S("dog"));
    QStringList seen;
    for (int i = 0; i < 9; ++i) {
        w.punct.btnApostropheClick();
        seen << w.str();
    }
    EXPECT_EQ(seen, QStringList({S("Dog's "), S("Dog' "), S("Dog'd "), S("Dog'll "), S("Dog've "),
                                 S("Dog're "), S("Dog'm "), S("Dog '"), S("Dog's ")}));

    // The sub-panel inserts or replaces, and the main button goes on from it.
    ComposeDesk sp;
    sp.word(S("she"));
    sp.punct.apostrophePanelClick(4);
    EXPECT_EQ(sp.str(), S("She'll "));
    EXPECT_EQ(sp.st().FormIndex, 4);
    EXPECT_EQ(sp.st().CurrentWord, S("-'ll"));
    sp.punct.apostrophePanelClick(3);
    EXPECT_EQ(sp.str(), S("She'd "));
    // The main button continues the cycle from the panel's form.
    sp.punct.btnApostropheClick();
    EXPECT_EQ(sp.str(), S("She'll "));
}

TEST(Punctuation, WrappingPutsTheCaretPastTheClosingMarkAndItsSpaces)
{
    ComposeDesk d(S("say hello there"));
    d.text.select(4, 5);
    d.punct.btnQuotesClick();
    EXPECT_EQ(d.text.caret(), 12);
    EXPECT_FALSE(d.text.hasSelection());

    ComposeDesk p(S("It ends.  Next"));
    const QString before = p.st().LastAction;
    p.text.select(0, 8);
    p.punct.btnLeftParenClick();
    EXPECT_EQ(p.str(), S("(It ends.)  Next"));
    EXPECT_EQ(p.text.caret(), 12); // past the mark and both spaces
    EXPECT_EQ(p.st().LastAction, before);

    // Remove after wrapping does not cut the text.
    ComposeDesk r(S("say hello there"));
    r.text.select(4, 5);
    r.keys.RichEdit1MouseUp(false);
    r.punct.btnQuotesClick();
    r.keys.btnRemoveClick();
    EXPECT_TRUE(r.str().startsWith(S("say \"hello")));
}

} // namespace
