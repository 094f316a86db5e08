#include "engine_fixture.h"

#include <QtCore/qnamespace.h>

namespace {

TEST(EditingKeys, SpaceEnterBackspaceAndDeleteGoThroughTheEditor)
{
    EngineDesk d;
    d.word(S("end"));
    d.engine.punctuation().btnPeriodClick();
    d.engine.punctuation().btnPeriodClick();
    d.engine.punctuation().btnPeriodClick();
    d.composition.setIndicators(true, false);
    d.engine.editingKeys().btnSpaceClick();
    EXPECT_EQ(d.text(), S("End...  "));
    EXPECT_EQ(d.state.LastAction, S("space"));
    EXPECT_EQ(d.state.CurrentWord, S(" "));
    // The key-up ran inside the handler: it saw the stop before the caret.
    EXPECT_EQ(d.state.CapsMode, CapsFirstArmed);
    EXPECT_EQ(d.state.WordStart, 8);
    EXPECT_FALSE(d.composition.repeatLit());

    // Enter arms a capital only in prose.
    EngineDesk prose;
    prose.prefs.setPoetryMode(false);
    prose.word(S("roses"));
    prose.engine.editingKeys().btnEnterClick(true);
    prose.word(S("violets"));
    EXPECT_EQ(prose.text(), S("Roses \nViolets "));

    EngineDesk poetry;
    poetry.word(S("roses"));
    poetry.engine.editingKeys().btnEnterClick(false);
    poetry.word(S("violets"));
    EXPECT_EQ(poetry.text(), S("Roses \nviolets "));

    // A sentence end before the new line still arms it in poetry.
    EngineDesk stop;
    stop.word(S("roses"));
    stop.engine.punctuation().btnPeriodClick();
    stop.engine.editingKeys().btnEnterClick(false);
    EXPECT_EQ(stop.state.CapsMode, CapsFirstArmed);

    // Backspace and Delete with a selection.
    EngineDesk bs(S("one two three"));
    bs.surface.select(4, 4);
    bs.engine.editingKeys().btnBackspaceClick();
    EXPECT_EQ(bs.text(), S("one three"));
    EXPECT_EQ(bs.surface.caret(), 4);

    // Delete derives the spacing afresh.
    EngineDesk e(S("one two three"));
    e.surface.select(4, 3);
    e.engine.editingKeys().btnDeleteClick();
    EXPECT_EQ(e.text(), S("one three"));
    EXPECT_EQ(e.surface.caret(), 4);

    // At the start a plain Delete arms the capital.
    EngineDesk f(S("xone"));
    f.surface.setCaret(0);
    f.engine.editingKeys().btnDeleteClick();
    EXPECT_EQ(f.text(), S("one"));
    EXPECT_EQ(f.state.CapsMode, CapsFirstArmed);
}

TEST(EditingKeys, WordLeftGoesToTheFirstLetterAndWordRightPastASentenceEnd)
{
    EngineDesk d(S("one two three"));
    d.surface.setCaret(6); // inside "two"
    d.engine.editingKeys().btnWordLeftClick();
    EXPECT_EQ(d.surface.caret(), 4);
    d.surface.setCaret(8); // after "two "
    d.engine.editingKeys().btnWordLeftClick();
    EXPECT_EQ(d.surface.caret(), 4);
    EXPECT_EQ(d.state.WordStart, 4);
    EXPECT_EQ(d.state.WordLength, 0);
    d.engine.editingKeys().btnWordLeftClick();
    EXPECT_EQ(d.surface.caret(), 0);
    EXPECT_EQ(d.state.CapsMode, CapsFirstArmed);
    EXPECT_EQ(d.state.LastAction, S("mouseclick"));

    // Across a line break to the last word of the line before.
    EngineDesk e(S("one\ntwo"));
    e.surface.setCaret(4);
    e.engine.editingKeys().btnWordLeftClick();
    EXPECT_EQ(e.surface.caret(), 0);

    // Word right passes a sentence end and both spaces.
    EngineDesk r(S("It ends.  Next one"));
    r.surface.setCaret(3);
    r.engine.editingKeys().btnWordRightClick();
    EXPECT_EQ(r.surface.caret(), 10);
    EXPECT_EQ(r.state.WordStart, 3);
    EXPECT_EQ(r.state.WordLength, 7);
    EXPECT_EQ(r.state.CapsMode, CapsFirstArmed);
    r.engine.editingKeys().btnWordRightClick();
    EXPECT_EQ(r.surface.caret(), 15);
    EXPECT_EQ(r.state.CapsMode, CapsNone);
    r.engine.editingKeys().btnWordRightClick();
    EXPECT_EQ(r.surface.caret(), 18);
    // The passed word is the last span: Remove takes it.
    r.engine.editingKeys().btnRemoveClick();
    EXPECT_EQ(r.text(), S("It ends.  Next "));

    // Nothing happens with a selection.
    EngineDesk sel(S("a b"));
    sel.surface.select(0, 1);
    sel.engine.editingKeys().btnWordRightClick();
    EXPECT_EQ(sel.surface.selLength(), 1);
}

TEST(EditingKeys, RemoveTakesBackInsertionsOneByOneOrTheNegation)
{
    EngineDesk d;
    d.word(S("the"));
    d.word(S("cat"));
    d.engine.punctuation().btnPeriodClick();
    d.engine.editingKeys().btnRemoveClick();
    EXPECT_EQ(d.text(), S("The cat "));
    d.engine.editingKeys().btnRemoveClick();
    EXPECT_EQ(d.text(), S("The "));
    EXPECT_EQ(d.state.LastAction, S("mouseclick"));
    d.engine.editingKeys().btnRemoveClick();
    EXPECT_EQ(d.text().trimmed(), S(""));
    EXPECT_EQ(d.state.CapsMode, CapsFirstArmed);
    d.engine.editingKeys().btnRemoveClick(); // nothing left: no harm
    d.word(S("dog"));
    EXPECT_EQ(d.text(), S("Dog "));

    // After a caret move it takes the word before the caret.
    EngineDesk e(S("one two three"));
    e.click(8);
    e.engine.editingKeys().btnRemoveClick();
    EXPECT_EQ(e.text(), S("one three"));
    EXPECT_EQ(e.surface.caret(), 4);

    // After a negation Remove restores the form before it.
    EngineDesk n;
    n.word(S("can"));
    n.engine.negation().btnNotClick();
    EXPECT_EQ(n.text(), S("Can't "));
    int restored = 0;
    QObject::connect(&n.engine.editingKeys(), &EditingKeys::negationRemoved, [&] { ++restored; });
    n.engine.editingKeys().btnRemoveClick();
    EXPECT_EQ(n.text(), S("Can "));
    EXPECT_EQ(restored, 1);
    // Only after a negation.
    n.word(S("can"));
    n.engine.editingKeys().btnRemoveClick();
    EXPECT_EQ(restored, 1);
}

TEST(EditingKeys, CapitalizeLooksPastClosingMarksAndKeepsThem)
{
    EngineDesk d;
    d.word(S("hello"));
    d.engine.punctuation().btnPeriodClick();
    d.click(d.surface.length());
    d.engine.editingKeys().btnCapitalizeClick();
    EXPECT_EQ(d.text(), S("HELLO.  "));
    EXPECT_EQ(d.surface.caret(), 8);
    d.engine.editingKeys().btnCapitalizeClick();
    EXPECT_EQ(d.text(), S("hello.  "));
    // The capital armed by the stop is still there for the next word.
    d.word(S("next"));
    EXPECT_EQ(d.text(), S("hello.  Next "));

    EngineDesk e(S("yes, no"));
    e.click(4);
    e.engine.editingKeys().btnCapitalizeClick();
    EXPECT_EQ(e.text(), S("Yes, no"));

    // With nothing before the caret nothing changes.
    EngineDesk f(S("   "));
    f.click(2);
    f.engine.editingKeys().btnCapitalizeClick();
    EXPECT_EQ(f.text(), S("   "));
    EngineDesk g;
    g.engine.editingKeys().btnCapitalizeClick();
    EXPECT_EQ(g.text(), S(""));
}

TEST(EditingKeys, GrabCopiesTheClickedWordToTheGrabPointOrNothing)
{
    EngineDesk d(S("I like tea. "));
    d.surface.setCaret(7);
    d.engine.editingKeys().btnGrabClick();
    EXPECT_TRUE(d.state.GrabArmed);
    EXPECT_TRUE(d.composition.grabLit());
    d.surface.setCaret(9); // inside "tea"
    d.engine.editingKeys().RichEdit1MouseDown(false);
    d.engine.editingKeys().RichEdit1MouseUp(false);
    EXPECT_EQ(d.text(), S("I like tea tea. "));
    EXPECT_FALSE(d.state.GrabArmed);
    EXPECT_FALSE(d.composition.grabLit());
    EXPECT_EQ(d.state.LastAction, S("mouseclick"));

    // At a sentence start the grabbed word gets its capital, and a grabbed
    // word agrees with an article before the grab point.
    EngineDesk e(S("Wait.  A owl"));
    e.surface.setCaret(9);
    e.engine.editingKeys().btnGrabClick();
    e.surface.setCaret(10);
    e.engine.editingKeys().RichEdit1MouseDown(false);
    EXPECT_EQ(e.text(), S("Wait.  An owl owl"));
    EngineDesk f(S("x.  "));
    f.engine.editingKeys().btnGrabClick();
    f.surface.setCaret(0);
    f.engine.editingKeys().RichEdit1MouseDown(false);
    EXPECT_EQ(f.text(), S("x.  X "));

    // A click beyond the text or between words inserts nothing.
    EngineDesk g(S("one  two"));
    g.surface.setCaret(0);
    g.engine.editingKeys().btnGrabClick();
    g.surface.setCaret(8);
    g.engine.editingKeys().RichEdit1MouseDown(false);
    EXPECT_EQ(g.text(), S("one  two"));
    EXPECT_FALSE(g.state.GrabArmed);

    g.engine.editingKeys().btnGrabClick();
    g.surface.setCaret(2);
    g.engine.editingKeys().RichEdit1MouseDown(true); // below the last line
    EXPECT_EQ(g.text(), S("one  two"));

    g.surface.setCaret(8);
    g.engine.editingKeys().btnGrabClick();
    g.surface.setCaret(4); // between the two spaces
    g.engine.editingKeys().RichEdit1MouseDown(false);
    EXPECT_EQ(g.text(), S("one  two"));
}

TEST(EditingKeys, KeyUpDerivesCapitalAndArticleAndMovesTheCaret)
{
    EngineDesk d(S("It is a "));
    d.state.LastAction = S("is");
    d.engine.editingKeys().RichEdit1KeyUp(Qt::Key_Right, false);
    EXPECT_EQ(d.state.LastAction, S("mouseclick"));
    EXPECT_EQ(d.state.ArticleState, ArticleArmed);
    EXPECT_EQ(d.state.ArticleWord, S("a"));
    d.word(S("owl"));
    EXPECT_EQ(d.text(), S("It is an owl "));

    // A typed letter resets the state but reads no context.
    EngineDesk e(S("End. "));
    e.engine.editingKeys().RichEdit1KeyUp(Qt::Key_X, false);
    EXPECT_EQ(e.state.CapsMode, CapsNone);
    e.engine.editingKeys().RichEdit1KeyUp(Qt::Key_Left, false);
    EXPECT_EQ(e.state.CapsMode, CapsFirstArmed);

    // The capital at the start comes only with nothing before the caret.
    EngineDesk i(S("I "));
    i.engine.editingKeys().RichEdit1KeyUp(Qt::Key_Left, false);
    EXPECT_EQ(i.state.CapsMode, CapsNone);
    i.click(2);
    EXPECT_EQ(i.state.CapsMode, CapsNone);
    EngineDesk blank(S("   x"));
    blank.click(2);
    EXPECT_EQ(blank.state.CapsMode, CapsFirstArmed);
    blank.engine.editingKeys().RichEdit1KeyUp(Qt::Key_Left, false);
    EXPECT_EQ(blank.state.CapsMode, CapsFirstArmed);

    // Enter after a word panel leaves the state alone.
    EngineDesk panel(S("a dog"));
    panel.state.LastAction = S("noun");
    panel.state.WordStart = 2;
    panel.engine.editingKeys().RichEdit1KeyUp(Qt::Key_Return, true);
    EXPECT_EQ(panel.state.LastAction, S("noun"));
    EXPECT_EQ(panel.state.WordStart, 2);

    // Down on the last line goes to the end.
    EngineDesk down(S("one\ntwo three"));
    down.surface.setCaret(5);
    down.engine.editingKeys().RichEdit1KeyDown(Qt::Key_Down);
    down.engine.editingKeys().RichEdit1KeyUp(Qt::Key_Down, false);
    EXPECT_EQ(down.surface.caret(), down.surface.length());
}

TEST(EditingKeys, MouseUpAfterMoveCheckAndBelowTheText)
{
    EngineDesk d(S("It was an "));
    d.surface.setCaret(3);
    d.engine.editingKeys().RichEdit1MouseDown(false);
    d.surface.setCaret(10);
    d.engine.editingKeys().RichEdit1MouseUp(true);
    EXPECT_EQ(d.surface.caret(), 10);
    EXPECT_EQ(d.state.WordStart, 10);
    EXPECT_EQ(d.state.ArticleWord, S("an"));
    d.word(S("dog"));
    EXPECT_EQ(d.text(), S("It was a dog "));

    // Clicked below the last line with the caret inside it.
    EngineDesk e(S("one two "));
    e.surface.setCaret(2);
    e.engine.editingKeys().RichEdit1MouseDown(true);
    e.engine.editingKeys().RichEdit1MouseUp(true);
    e.word(S("three"));
    EXPECT_EQ(e.text(), S("one two three "));

    // A selection becomes the span transforming buttons act on.
    EngineDesk f(S("one two"));
    f.surface.setCaret(7);
    f.engine.editingKeys().RichEdit1MouseDown(false);
    f.surface.select(4, 3);
    f.engine.editingKeys().RichEdit1MouseUp(false);
    EXPECT_EQ(f.state.WordStart, 4);
    EXPECT_EQ(f.state.WordLength, 3);
    EXPECT_EQ(f.state.CurrentWord, S("two"));
}

} // namespace
