#include "qstring_printer.h"
#include "controls/document_editor.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>

namespace {

// The window up and active with the document focused, as at start-up.
class BoardKeysUi : public WindowFixture
{
protected:
    void start(bool panelsOnLeftClick = false)
    {
        // Lines 13 to 19 of prefs.ini: every category button opens its panel.
        for (int line = 13; panelsOnLeftClick && line <= 19; ++line)
            setPrefsLine(line, QStringLiteral("0"));
        open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->editor()->setFocus();
    }
    // A key on whatever has the focus, as a person gives it.
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, k, mods);
    }
    static QString focused()
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
};

TEST_F(BoardKeysUi, F6ReachesTheBoardAndAKeyboardClickKeepsTheFocusThere)
{
    start();
    key(Qt::Key_F6);
    EXPECT_EQ(focused(), "btnA");
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    EXPECT_EQ(text(), "The ");
    EXPECT_EQ(focused(), "btnThe");
    key(Qt::Key_Left);
    key(Qt::Key_Space);
    EXPECT_EQ(text(), "The a ");
    EXPECT_EQ(focused(), "btnA");
    key(Qt::Key_F6); // the right-hand column has no room in a 640-pixel window
    EXPECT_EQ(QApplication::focusWidget(), window->editor());
    key(Qt::Key_Tab); // the document keeps its tab
    EXPECT_EQ(text(), "The a \t");
    key(Qt::Key_F6, Qt::ShiftModifier); // back to the button last used
    EXPECT_EQ(focused(), "btnA");
    click("btnThe"); // the mouse leaves the focus in the document, as ever
    EXPECT_EQ(QApplication::focusWidget(), window->editor());
}

TEST_F(BoardKeysUi, ArrowsFollowTheGeometryAcrossRowsOfDifferentWidths)
{
    start();
    struct Step
    {
        Qt::Key key;
        const char *to;
    };
    const Step steps[] = {
        {Qt::Key_Right, "btnThe"},     {Qt::Key_Down, "btnMore"}, {Qt::Key_End, "btnEnter"},
        {Qt::Key_Right, "btnEnter"}, // no wrap
        {Qt::Key_Up, "btnDelete"},     {Qt::Key_Home, "btnA"},    {Qt::Key_Down, "btnMore"},
        {Qt::Key_Down, "btnGoodMain"}, {Qt::Key_Up, "btnMore"},   {Qt::Key_Up, "btnA"},
        {Qt::Key_Up, "btnA"},
    };
    key(Qt::Key_F6);
    for (const Step &s : steps) {
        key(s.key);
        EXPECT_EQ(focused(), s.to) << QKeySequence(s.key).toString().toStdString();
    }
    // Down from the wide "preposition" lands on the button below its middle.
    button("btnPreposition")->setFocus(Qt::TabFocusReason);
    for (const char *to : {"btnInMain", "btnInfinitive", "btnConjunction", "btnManner"}) {
        key(Qt::Key_Down);
        EXPECT_EQ(focused(), to);
    }
}

TEST_F(BoardKeysUi, PanelsOpenByKeyKeepTabInsideAndEscGoesBackToTheOpener)
{
    start(true);
    struct Case
    {
        const char *opener;
        Qt::Key key;
        const char *panel;
    };
    const Case cases[] = {
        {"btnConjunction", Qt::Key_Return, "pConjunction"},
        {"btnModal", Qt::Key_Space, "pModal"},
        {"btnPrefix", Qt::Key_Return, "pPrefix"},
        {"btnMore", Qt::Key_Menu, "pMore"},
        {"btnA", Qt::Key_Menu, "pA"}, // the right button's sub-panel
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.panel);
        button(c.opener)->setFocus(Qt::TabFocusReason);
        key(c.key);
        QWidget *panel = child(c.panel);
        ASSERT_TRUE(panel->isVisible());
        EXPECT_EQ(window->board()->panelUp(), panel);
        ASSERT_TRUE(panel->isAncestorOf(QApplication::focusWidget()));
        // Tab walks the panel's buttons and may leave the board, never
        // landing on a button the panel covers.
        for (int i = 0; i < 40 && window->board()->isAncestorOf(QApplication::focusWidget()); ++i) {
            ASSERT_TRUE(panel->isAncestorOf(QApplication::focusWidget()))
                << focused().toStdString();
            key(Qt::Key_Tab);
        }
        key(Qt::Key_Escape);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_EQ(focused(), c.opener);
    }
    // A panel opened with the mouse closes on Esc too, and Esc with no panel
    // up is left to others.
    click("btnConjunction");
    ASSERT_TRUE(child("pConjunction")->isVisible());
    window->editor()->setFocus();
    key(Qt::Key_Escape);
    EXPECT_FALSE(child("pConjunction")->isVisible());
    EXPECT_EQ(focused(), "btnConjunction");
}

TEST_F(BoardKeysUi, EveryShowingButtonOfTheBoardIsANamedPushButtonWithPress)
{
    start();
    int buttons = 0;
    for (const QList<TColorButton *> &row : window->board()->rowsUp())
        for (TColorButton *b : row) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(b);
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(a->role(), QAccessible::Button) << b->objectName().toStdString();
            EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << b->objectName().toStdString();
            QAccessibleActionInterface *actions = a->actionInterface();
            ASSERT_NE(actions, nullptr);
            EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
            ++buttons;
        }
    EXPECT_GT(buttons, 80);
}

} // namespace
