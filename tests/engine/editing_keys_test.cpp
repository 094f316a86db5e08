#include "compose_desk.h"

#include <QtCore/qnamespace.h>

namespace {

TEST(EditingKeys, SpaceEnterBackspaceAndDeleteGoThroughTheEditor)
{
    ComposeDesk d;
    d.word(S("end"));
    d.punct.btnPeriodClick();
    d.punct.btnPeriodClick();
    d.punct.btnPeriodClick();
    d.c.setIndicators(true, false);
    d.keys.btnSpaceClick();
    EXPECT_EQ(d.str(), S("End...  "));
    EXPECT_EQ(d.st().LastAction, S("space"));
    EXPECT_EQ(d.st().CurrentWord, S(" "));
    // The key-up ran inside the handler: it saw the stop before the caret.
    EXPECT_EQ(d.st().CapsMode, CapsFirstArmed);
    EXPECT_EQ(d.st().WordStart, 8);
    EXPECT_FALSE(d.c.repeatLit());

    // Enter arms a capital only in prose.
    ComposeDesk prose;
    prose.prose = true;
    prose.word(S("roses"));
    prose.keys.btnEnterClick(true);
    prose.word(S("violets"));
    EXPECT_EQ(prose.str(), S("Roses \nViolets "));

    ComposeDesk poetry;
    poetry.word(S("roses"));
    poetry.keys.btnEnterClick(false);
    poetry.word(S("violets"));
    EXPECT_EQ(poetry.str(), S("Roses \nviolets "));

    // A sentence end before the new line still arms it in poetry.
    ComposeDesk stop;
    stop.word(S("roses"));
    stop.punct.btnPeriodClick();
    stop.keys.btnEnterClick(false);
    EXPECT_EQ(stop.st().CapsMode, CapsFirstArmed);

    // Backspace and Delete with a selection.
    ComposeDesk bs(S("one two three"));
    bs.text.select(4, 4);
    bs.keys.btnBackspaceClick();
    EXPECT_EQ(bs.str(), S("one three"));
    EXPECT_EQ(bs.text.caret(), 4);

    // Delete derives the spacing afresh.
    ComposeDesk e(S("one two three"));
    e.text.select(4, 3);
    e.keys.btnDeleteClick();
    EXPECT_EQ(e.str(), S("one three"));
    EXPECT_EQ(e.text.caret(), 4);

    // At the start a plain Delete arms the capital.
    ComposeDesk f(S("xone"));
    f.text.setCaret(0);
    f.keys.btnDeleteClick();
    EXPECT_EQ(f.str(), S("one"));
    EXPECT_EQ(f.st().CapsMode, CapsFirstArmed);
}

TEST(EditingKeys, WordLeftGoesToTheFirstLetterAndWordRightPastASentenceEnd)
{
    ComposeDesk d(S("one two three"));
    d.text.setCaret(6); // inside "two"
    d.keys.btnWordLeftClick();
    EXPECT_EQ(d.text.caret(), 4);
    d.text.setCaret(8); // after "two "
    d.keys.btnWordLeftClick();
    EXPECT_EQ(d.text.caret(), 4);
    EXPECT_EQ(d.st().WordStart, 4);
    EXPECT_EQ(d.st().WordLength, 0);
    d.keys.btnWordLeftClick();
    EXPECT_EQ(d.text.caret(), 0);
    EXPECT_EQ(d.st().CapsMode, CapsFirstArmed);
    EXPECT_EQ(d.st().LastAction, S("mouseclick"));

    // Across a line break to the last word of the line before.
    ComposeDesk e(S("one\ntwo"));
    e.text.setCaret(4);
    e.keys.btnWordLeftClick();
    EXPECT_EQ(e.text.caret(), 0);

    // Word right passes a sentence end and both spaces.
    ComposeDesk r(S("It ends.  Next one"));
    r.text.setCaret(3);
    r.keys.btnWordRightClick();
    EXPECT_EQ(r.text.caret(), 10);
    EXPECT_EQ(r.st().WordStart, 3);
    EXPECT_EQ(r.st().WordLength, 7);
    EXPECT_EQ(r.st().CapsMode, CapsFirstArmed);
    r.keys.btnWordRightClick();
    EXPECT_EQ(r.text.caret(), 15);
    EXPECT_EQ(r.st().CapsMode, CapsNone);
    r.keys.btnWordRightClick();
    EXPECT_EQ(r.text.caret(), 18);
    // The passed word is the last span: Remove takes it.
    r.keys.btnRemoveClick();
    EXPECT_EQ(r.str(), S("It ends.  Next "));

    // Nothing happens with a selection.
    ComposeDesk sel(S("a b"));
    sel.text.select(0, 1);
    sel.keys.btnWordRightClick();
    EXPECT_EQ(sel.text.selLength(), 1);
}

TEST(EditingKeys, RemoveTakesBackInsertionsOneByOneOrTheNegation)
{
    ComposeDesk d;
    d.word(S("the"));
    d.word(S("cat"));
    d.punct.btnPeriodClick();
    d.keys.btnRemoveClick();
    EXPECT_EQ(d.str(), S("The cat "));
    d.keys.btnRemoveClick();
    EXPECT_EQ(d.str(), S("The "));
    EXPECT_EQ(d.st().LastAction, S("mouseclick"));
    d.keys.btnRemoveClick();
    EXPECT_EQ(d.str().trimmed(), S(""));
    EXPECT_EQ(d.st().CapsMode, CapsFirstArmed);
    d.keys.btnRemoveClick(); // nothing left: no harm
    d.word(S("dog"));
    EXPECT_EQ(d.str(), S("Dog "));

    // After a caret move it takes the word before the caret.
    ComposeDesk e(S("one two three"));
    e.click(8);
    e.keys.btnRemoveClick();
    EXPECT_EQ(e.str(), S("one three"));
    EXPECT_EQ(e.text.caret(), 4);

    // After a negation Remove restores the form before it.
    ComposeDesk n;
    n.word(S("can"));
    n.c.state.ActionTag = S("not");
    n.c.state.ReplaceMode = 1;
    n.c.InsertWord(S("can't"));
    int restored = 0;
    QObject::connect(&n.keys, &EditingKeys::negationRemoved, [&] {
        ++restored;
        EXPECT_EQ(n.str(), S(""));
    });
    n.keys.btnRemoveClick();
    EXPECT_EQ(restored, 1);
    // Only after a negation.
    n.word(S("can"));
    n.keys.btnRemoveClick();
    EXPECT_EQ(restored, 1);
}

TEST(EditingKeys, CapitalizeLooksPastClosingMarksAndKeepsThem)
{
    ComposeDesk d;
    d.word(S("hello"));
    d.punct.btnPeriodClick();
    d.click(d.text.length());
    d.keys.btnCapitalizeClick();
    EXPECT_EQ(d.str(), S("HELLO.  "));
    EXPECT_EQ(d.text.caret(), 8);
    d.keys.btnCapitalizeClick();
    EXPECT_EQ(d.str(), S("hello.  "));
    // The capital armed by the stop is still there for the next word.
    d.word(S("next"));
    EXPECT_EQ(d.str(), S("hello.  Next "));

    ComposeDesk e(S("yes, no"));
    e.click(4);
    e.keys.btnCapitalizeClick();
    EXPECT_EQ(e.str(), S("Yes, no"));

    // With nothing before the caret nothing changes.
    ComposeDesk f(S("   "));
    f.click(2);
    f.keys.btnCapitalizeClick();
    EXPECT_EQ(f.str(), S("   "));
    ComposeDesk g;
    g.keys.btnCapitalizeClick();
    EXPECT_EQ(g.str(), S(""));
}

TEST(EditingKeys, GrabCopiesTheClickedWordToTheGrabPointOrNothing)
{
    ComposeDesk d(S("I like tea. "));
    d.text.setCaret(7);
    d.keys.btnGrabClick();
    EXPECT_TRUE(d.st().GrabArmed);
    EXPECT_TRUE(d.c.grabLit());
    d.text.setCaret(9); // inside "tea"
    d.keys.RichEdit1MouseDown(false);
    d.keys.RichEdit1MouseUp(false);
    EXPECT_EQ(d.str(), S("I like tea tea. "));
    EXPECT_FALSE(d.st().GrabArmed);
    EXPECT_FALSE(d.c.grabLit());
    EXPECT_EQ(d.st().LastAction, S("mouseclick"));

    // At a sentence start the grabbed word gets its capital, and a grabbed
    // word agrees with an article before the grab point.
    ComposeDesk e(S("Wait.  A owl"));
    e.text.setCaret(9);
    e.keys.btnGrabClick();
    e.text.setCaret(10);
    e.keys.RichEdit1MouseDown(false);
    EXPECT_EQ(e.str(), S("Wait.  An owl owl"));
    ComposeDesk f(S("x.  "));
    f.keys.btnGrabClick();
    f.text.setCaret(0);
    f.keys.RichEdit1MouseDown(false);
    EXPECT_EQ(f.str(), S("x.  X "));

    // A click beyond the text or between words inserts nothing.
    ComposeDesk g(S("one  two"));
    g.text.setCaret(0);
    g.keys.btnGrabClick();
    g.text.setCaret(8);
    g.keys.RichEdit1MouseDown(false);
    EXPECT_EQ(g.str(), S("one  two"));
    EXPECT_FALSE(g.st().GrabArmed);

    g.keys.btnGrabClick();
    g.text.setCaret(2);
    g.keys.RichEdit1MouseDown(true); // below the last line
    EXPECT_EQ(g.str(), S("one  two"));

    g.text.setCaret(8);
    g.keys.btnGrabClick();
    g.text.setCaret(4); // between the two spaces
    g.keys.RichEdit1MouseDown(false);
    EXPECT_EQ(g.str(), S("one  two"));
}

TEST(EditingKeys, KeyUpDerivesCapitalAndArticleAndMovesTheCaret)
{
    ComposeDesk d(S("It is a "));
    d.st().LastAction = S("is");
    d.keys.RichEdit1KeyUp(Qt::Key_Right, false);
    EXPECT_EQ(d.st().LastAction, S("mouseclick"));
    EXPECT_EQ(d.st().ArticleState, ArticleArmed);
    EXPECT_EQ(d.st().ArticleWord, S("a"));
    d.word(S("owl"));
    EXPECT_EQ(d.str(), S("It is an owl "));

    // A typed letter resets the state but reads no context.
    ComposeDesk e(S("End. "));
    e.keys.RichEdit1KeyUp(Qt::Key_X, false);
    EXPECT_EQ(e.st().CapsMode, CapsNone);
    e.keys.RichEdit1KeyUp(Qt::Key_Left, false);
    EXPECT_EQ(e.st().CapsMode, CapsFirstArmed);

    // The capital at the start comes only with nothing before the caret.
    ComposeDesk i(S("I "));
    i.keys.RichEdit1KeyUp(Qt::Key_Left, false);
    EXPECT_EQ(i.st().CapsMode, CapsNone);
    i.click(2);
    EXPECT_EQ(i.st().CapsMode, CapsNone);
    ComposeDesk blank(S("   x"));
    blank.click(2);
    EXPECT_EQ(blank.st().CapsMode, CapsFirstArmed);
    blank.keys.RichEdit1KeyUp(Qt::Key_Left, false);
    EXPECT_EQ(blank.st().CapsMode, CapsFirstArmed);

    // Enter after a word panel leaves the state alone.
    ComposeDesk panel(S("a dog"));
    panel.st().LastAction = S("noun");
    panel.st().WordStart = 2;
    panel.keys.RichEdit1KeyUp(Qt::Key_Return, true);
    EXPECT_EQ(panel.st().LastAction, S("noun"));
    EXPECT_EQ(panel.st().WordStart, 2);

    // Down on the last line goes to the end.
    ComposeDesk down(S("one\ntwo three"));
    down.text.setCaret(5);
    down.keys.RichEdit1KeyDown(Qt::Key_Down);
    down.keys.RichEdit1KeyUp(Qt::Key_Down, false);
    EXPECT_EQ(down.text.caret(), down.text.length());
}

TEST(EditingKeys, MouseUpAfterMoveCheckAndBelowTheText)
{
    ComposeDesk d(S("It was an "));
    d.text.setCaret(3);
    d.keys.RichEdit1MouseDown(false);
    d.text.setCaret(10);
    d.keys.RichEdit1MouseUp(true);
    EXPECT_EQ(d.text.caret(), 10);
    EXPECT_EQ(d.st().WordStart, 10);
    EXPECT_EQ(d.st().ArticleWord, S("an"));
    d.word(S("dog"));
    EXPECT_EQ(d.str(), S("It was a dog "));

    // Clicked below the last line with the caret inside it.
    ComposeDesk e(S("one two "));
    e.text.setCaret(2);
    e.keys.RichEdit1MouseDown(true);
    e.keys.RichEdit1MouseUp(true);
    e.word(S("three"));
    EXPECT_EQ(e.str(), S("one two three "));

    // A selection becomes the span transforming buttons act on.
    ComposeDesk f(S("one two"));
    f.text.setCaret(7);
    f.keys.RichEdit1MouseDown(false);
    f.text.select(4, 3);
    f.keys.RichEdit1MouseUp(false);
    EXPECT_EQ(f.st().WordStart, 4);
    EXPECT_EQ(f.st().WordLength, 3);
    EXPECT_EQ(f.st().CurrentWord, S("two"));
}

// Keys typed into the text as the editor sees them: down, the character,
// up.
void type(ComposeDesk &d, const QString &typed)
{
    for (QChar ch : typed) {
        const int key = ch == QLatin1Char(' ') ? int(Qt::Key_Space) : int(ch.toUpper().unicode());
        d.keys.RichEdit1KeyDown(key);
        d.text.replaceSelection(ch);
        d.keys.RichEdit1KeyUp(key, false);
    }
}

TEST(TypedText, AWordClickedAfterItStandsApartAndTheArticleAgreesWhenItEnds)
{
    ComposeDesk d;
    type(d, S("the year"));
    d.word(S("is"));
    EXPECT_EQ(d.str(), S("the year is "));

    // The article agrees when the typed word is ended by the next click,
    // by a typed mark or by a typed space.
    for (const char *end : {"click", ".", " "}) {
        ComposeDesk a;
        a.articles.btnAClick();
        type(a, S("apple"));
        if (QLatin1String(end) == QLatin1String("click"))
            a.punct.btnPeriodClick();
        else
            type(a, S(end));
        EXPECT_TRUE(a.str().startsWith(S("An apple"))) << end << " " << a.str().toStdString();
    }
    // A typed article agrees with the word clicked after it.
    ComposeDesk typedAn;
    type(typedAn, S("an "));
    typedAn.word(S("cat"));
    EXPECT_EQ(typedAn.str(), S("a cat "));

    // After a typed full stop the next word is spaced and capitalised.
    ComposeDesk stop;
    type(stop, S("end."));
    stop.word(S("next"));
    EXPECT_EQ(stop.str(), S("end. Next "));
}

} // namespace
