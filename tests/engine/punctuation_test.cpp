#include "engine_fixture.h"

namespace {

TEST(Punctuation, FullStopJoinsAndCapitalisesAndTheQuoteCycles)
{
    EngineDesk d;
    d.word(S("the"));
    d.word(S("cat"));
    d.engine.punctuation().btnPeriodClick();
    EXPECT_EQ(d.text(), S("The cat.  "));
    EXPECT_EQ(d.state.CurrentWord, S(". "));
    EXPECT_EQ(d.state.CapsMode, CapsFirstArmed);
    d.word(S("she"));
    EXPECT_EQ(d.text(), S("The cat.  She "));

    // The quote cycles through its five forms.
    EngineDesk q;
    q.word(S("he"));
    // Form 4 puts one space before the quote, not a second one.
    const char *expected[] = {"He\"", "He\" ", "He\"  ", "He \"", "He \"", "He\""};
    for (int i = 0; i < 6; ++i) {
        q.engine.punctuation().btnQuotesClick();
        EXPECT_EQ(q.text(), S(expected[i])) << "click " << i + 1;
        EXPECT_EQ(q.state.FormIndex, i % 5 + 1);
    }
    // Form 1 is joined on both sides.
    q.word(S("x"));
    EXPECT_EQ(q.text(), S("He\"x "));
}

TEST(Punctuation, SeparatorsTakeTheSpaceBeforeThemAndKeepCapitals)
{
    EngineDesk d;
    d.word(S("one"));
    d.engine.punctuation().btnCommaClick();
    EXPECT_EQ(d.text(), S("One, "));
    EXPECT_EQ(d.state.CurrentWord, S(","));
    EXPECT_EQ(d.state.LastAction, S("comma"));
    d.word(S("two"));
    d.engine.punctuation().btnColonClick();
    d.word(S("three"));
    d.engine.punctuation().btnSemiColonClick();
    d.word(S("four"));
    EXPECT_EQ(d.text(), S("One, two: three; four "));
    EXPECT_EQ(d.state.CapsMode, CapsNone);

    // At the start of the document.
    EngineDesk c;
    c.engine.punctuation().btnCommaClick();
    EXPECT_EQ(c.text(), S(", "));
    EngineDesk e(S("   "));
    e.engine.punctuation().btnPeriodClick();
    EXPECT_EQ(e.text(), S(".  "));
}

TEST(Punctuation, ApostropheFormsDependOnWhatCameBeforeAndWrapAfterEight)
{
    EngineDesk d;
    d.word(S("the"));
    d.word(S("dog"));
    d.engine.punctuation().btnApostropheClick();
    EXPECT_EQ(d.text(), S("The dog's "));
    EXPECT_EQ(d.state.FormIndex, 1);

    // After a plural the possessive apostrophe comes first, then "'s".
    EngineDesk p;
    p.word(S("dogs"));
    p.state.LastAction = S("pluralize");
    p.engine.punctuation().btnApostropheClick();
    EXPECT_EQ(p.text(), S("Dogs' "));
    p.engine.punctuation().btnApostropheClick();
    EXPECT_EQ(p.text(), S("Dogs's "));

    // After a caret move it opens a word and CurrentWord is the bare mark.
    EngineDesk m;
    m.engine.punctuation().btnApostropheClick();
    EXPECT_EQ(m.state.CurrentWord, S("'"));
    EXPECT_EQ(m.state.FormIndex, 8);
    m.word(S("twas"));
    EXPECT_EQ(m.text().mid(0, 1), S("'"));
    EXPECT_EQ(m.text().mid(1).toLower(), S("twas "));

    // The cycle wraps after eight.
    EngineDesk w;
    w.word(S("dog"));
    QStringList seen;
    for (int i = 0; i < 9; ++i) {
        w.engine.punctuation().btnApostropheClick();
        seen << w.text();
    }
    EXPECT_EQ(seen, QStringList({S("Dog's "), S("Dog' "), S("Dog'd "), S("Dog'll "), S("Dog've "),
                                 S("Dog're "), S("Dog'm "), S("Dog '"), S("Dog's ")}));

    // The sub-panel inserts or replaces, and the main button goes on from it.
    EngineDesk sp;
    sp.word(S("she"));
    sp.engine.punctuation().apostrophePanelClick(4);
    EXPECT_EQ(sp.text(), S("She'll "));
    EXPECT_EQ(sp.state.FormIndex, 4);
    EXPECT_EQ(sp.state.CurrentWord, S("-'ll"));
    sp.engine.punctuation().apostrophePanelClick(3);
    EXPECT_EQ(sp.text(), S("She'd "));
    // The main button continues the cycle from the panel's form.
    sp.engine.punctuation().btnApostropheClick();
    EXPECT_EQ(sp.text(), S("She'll "));
}

TEST(Punctuation, WrappingPutsTheCaretPastTheClosingMarkAndItsSpaces)
{
    EngineDesk d(S("say hello there"));
    d.surface.select(4, 5);
    d.engine.punctuation().btnQuotesClick();
    EXPECT_EQ(d.surface.caret(), 12);
    EXPECT_FALSE(d.surface.hasSelection());

    EngineDesk p(S("It ends.  Next"));
    const QString before = p.state.LastAction;
    p.surface.select(0, 8);
    p.engine.punctuation().btnLeftParenClick();
    EXPECT_EQ(p.text(), S("(It ends.)  Next"));
    EXPECT_EQ(p.surface.caret(), 12); // past the mark and both spaces
    EXPECT_EQ(p.state.LastAction, before);

    // Remove after wrapping does not cut the text.
    EngineDesk r(S("say hello there"));
    r.surface.select(4, 5);
    r.engine.editingKeys().RichEdit1MouseUp(false);
    r.engine.punctuation().btnQuotesClick();
    r.engine.editingKeys().btnRemoveClick();
    EXPECT_TRUE(r.text().startsWith(S("say \"hello")));
}

} // namespace
