#include "compose_desk.h"

namespace {

const QChar EnDash(0x2013);
const QChar EmDash(0x2014);

TEST(Punctuation, FullStopJoinsTheWordAndCapitalisesTheNext)
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
}

TEST(Punctuation, ExclamationAndQuestionEndSentences)
{
    ComposeDesk d;
    d.word(S("go"));
    d.punct.btnExclamationPtClick();
    d.word(S("why"));
    d.punct.btnQuestionClick();
    d.word(S("so"));
    EXPECT_EQ(d.str(), S("Go!  Why?  So "));
    EXPECT_EQ(d.st().LastAction, S("so"));
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
}

TEST(Punctuation, ThreeStopsMakeAnEllipsisWithoutCapital)
{
    ComposeDesk d;
    d.word(S("wait"));
    d.punct.btnPeriodClick();
    d.punct.btnPeriodClick();
    d.punct.btnPeriodClick();
    EXPECT_EQ(d.str(), S("Wait... "));
    EXPECT_EQ(d.st().CapsMode, CapsNone);
    d.word(S("then"));
    EXPECT_EQ(d.str(), S("Wait... then "));
}

TEST(Punctuation, MarkAtTheStartOfTheDocument)
{
    ComposeDesk d;
    d.punct.btnCommaClick();
    EXPECT_EQ(d.str(), S(", "));
    ComposeDesk e(S("   "));
    e.punct.btnPeriodClick();
    EXPECT_EQ(e.str(), S(".  "));
}

TEST(Punctuation, QuoteAfterFullStopHasTwoSpacesAndPassesTheCapital)
{
    ComposeDesk d;
    d.word(S("yes"));
    d.punct.btnPeriodClick();
    d.punct.btnQuotesClick();
    EXPECT_EQ(d.str(), S("Yes.\"  "));
    EXPECT_EQ(d.st().FormIndex, 3);
    d.word(S("she"));
    EXPECT_EQ(d.str(), S("Yes.\"  She "));
}

TEST(Punctuation, QuoteAfterCommaThenSecondForm)
{
    ComposeDesk d;
    d.word(S("he"));
    d.word(S("said"));
    d.punct.btnCommaClick();
    d.punct.btnQuotesClick();
    EXPECT_EQ(d.str(), S("He said,\" "));
    EXPECT_EQ(d.st().FormIndex, 4);
    d.punct.btnQuotesClick();
    EXPECT_EQ(d.str(), S("He said, \""));
    EXPECT_EQ(d.st().FormIndex, 5);
    d.word(S("go"));
    EXPECT_EQ(d.str(), S("He said, \"go "));
}

TEST(Punctuation, QuoteCyclesThroughItsFiveForms)
{
    ComposeDesk d;
    d.word(S("he"));
    // Form 4 puts one space before the quote, not a second one.
    const char *expected[] = {"He\"", "He\" ", "He\"  ", "He \"", "He \"", "He\""};
    for (int i = 0; i < 6; ++i) {
        d.punct.btnQuotesClick();
        EXPECT_EQ(d.str(), S(expected[i])) << "click " << i + 1;
        EXPECT_EQ(d.st().FormIndex, i % 5 + 1);
    }
    // Form 1 is joined on both sides.
    d.word(S("x"));
    EXPECT_EQ(d.str(), S("He\"x "));
}

TEST(Punctuation, ApostropheAfterICyclesContractions)
{
    ComposeDesk d;
    d.word(S("I"));
    d.punct.btnApostropheClick();
    EXPECT_EQ(d.str(), S("I'm "));
    d.punct.btnApostropheClick();
    EXPECT_EQ(d.str(), S("I'd "));
    d.punct.btnApostropheClick();
    EXPECT_EQ(d.str(), S("I'll "));
    d.punct.btnApostropheClick();
    EXPECT_EQ(d.str(), S("I've "));
    EXPECT_EQ(d.st().FormIndex, 5);
    EXPECT_EQ(d.st().CurrentWord, S("-'ve"));
}

TEST(Punctuation, ApostropheFirstFormsDependOnWhatCameBefore)
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
}

TEST(Punctuation, ApostropheCycleWrapsAfterEight)
{
    ComposeDesk d;
    d.word(S("dog"));
    QStringList seen;
    for (int i = 0; i < 9; ++i) {
        d.punct.btnApostropheClick();
        seen << d.str();
    }
    EXPECT_EQ(seen, QStringList({S("Dog's "), S("Dog' "), S("Dog'd "), S("Dog'll "), S("Dog've "),
                                 S("Dog're "), S("Dog'm "), S("Dog '"), S("Dog's ")}));
}

TEST(Punctuation, ApostropheSubPanelInsertsOrReplaces)
{
    ComposeDesk d;
    d.word(S("she"));
    d.punct.apostrophePanelClick(4);
    EXPECT_EQ(d.str(), S("She'll "));
    EXPECT_EQ(d.st().FormIndex, 4);
    EXPECT_EQ(d.st().CurrentWord, S("-'ll"));
    d.punct.apostrophePanelClick(3);
    EXPECT_EQ(d.str(), S("She'd "));
    // The main button continues the cycle from the panel's form.
    d.punct.btnApostropheClick();
    EXPECT_EQ(d.str(), S("She'll "));
}

TEST(Punctuation, HyphenCyclesHyphenEnDashEmDash)
{
    ComposeDesk d;
    d.word(S("well"));
    d.punct.btnHyphenClick();
    EXPECT_EQ(d.str(), S("Well-"));
    d.punct.btnHyphenClick();
    EXPECT_EQ(d.str(), S("Well") + EnDash);
    d.punct.btnHyphenClick();
    EXPECT_EQ(d.str(), S("Well") + EmDash);
    d.punct.btnHyphenClick();
    EXPECT_EQ(d.str(), S("Well-"));
    d.word(S("known"));
    EXPECT_EQ(d.str(), S("Well-known "));
}

TEST(Punctuation, WrapsASelectionInQuotesAndParentheses)
{
    ComposeDesk d(S("say hello there"));
    d.text.select(4, 5);
    d.punct.btnQuotesClick();
    EXPECT_EQ(d.str(), S("say \"hello\" there"));
    EXPECT_EQ(d.text.caret(), 12);
    EXPECT_FALSE(d.text.hasSelection());

    d.text.select(12, 5);
    d.punct.btnApostropheClick();
    EXPECT_EQ(d.str(), S("say \"hello\" 'there'"));
    EXPECT_EQ(d.text.caret(), d.text.length());

    ComposeDesk p(S("It ends.  Next"));
    const QString before = p.st().LastAction;
    p.text.select(0, 8);
    p.punct.btnLeftParenClick();
    EXPECT_EQ(p.str(), S("(It ends.)  Next"));
    EXPECT_EQ(p.text.caret(), 12); // past the mark and both spaces
    EXPECT_EQ(p.st().LastAction, before);
}

TEST(Punctuation, RemoveAfterWrappingDoesNotCutTheText)
{
    ComposeDesk d(S("say hello there"));
    d.text.select(4, 5);
    d.keys.RichEdit1MouseUp(false);
    d.punct.btnQuotesClick();
    d.keys.btnRemoveClick();
    EXPECT_TRUE(d.str().startsWith(S("say \"hello")));
}

TEST(Punctuation, ParenthesesJoinTheirContents)
{
    ComposeDesk d;
    d.word(S("see"));
    d.punct.btnLeftParenClick();
    d.word(S("below"));
    d.punct.btnRightParenClick();
    d.word(S("now"));
    EXPECT_EQ(d.str(), S("See (below) now "));
    EXPECT_EQ(d.st().LastAction, S("now"));
}

} // namespace
