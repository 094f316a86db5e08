#include "compose/compose_buttons.h"
#include "controls/color_button.h"
#include "panels/board.h"
#include "shell/document_editor.h"
#include "shell/main_form.h"
#include "shell/script/scripted_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor Maroon(128, 0, 0);
const QColor Black(Qt::black);

// The main window on the offscreen platform, shown and with the editor
// focused, as a person would find it.
struct Window
{
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;

    Window()
    {
        StartOptions options;
        options.programDir = QStringLiteral(WORDLOOM_DATA_DIR);
        options.dialogs = &dialogs;
        form = std::make_unique<TMainForm>(options);
        form->show();
        form->activateWindow();
        form->editor()->setFocus();
        QApplication::processEvents();
    }
    ~Window() { form->editor()->document()->setModified(false); }

    TColorButton *button(const char *name) const
    {
        TColorButton *b = form->board()->button(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    QWidget *panel(const char *name) const
    {
        return form->board()->findChild<QWidget *>(QString::fromLatin1(name));
    }
    void click(const char *name, Qt::MouseButton mouse = Qt::LeftButton)
    {
        TColorButton *b = button(name);
        QTest::mouseClick(b, mouse, Qt::NoModifier, b->rect().center());
    }
    QString text() const { return form->composition().surface().text(); }
    CompositionState &state() { return form->composition().state; }
};

TEST(ComposeButtonsUi, SubPanelsOpenOnTheRightButtonAndCloseAfterAChoice)
{
    Window w;
    struct Case
    {
        const char *opener, *panel, *choice;
        QString text;
    };
    const Case cases[] = {
        {"btnA", "pA", "btnAAn", QStringLiteral("An ")},
        {"btnThe", "pThe", "btnTheThose", QStringLiteral("An those ")},
        {"btnApostrophe", "pApostrophe", "btnApLl", QStringLiteral("An those'll ")},
    };
    for (const Case &c : cases) {
        // Built when first shown, not at start.
        EXPECT_EQ(w.panel(c.panel), nullptr) << c.panel;
        w.click(c.opener, Qt::RightButton);
        QWidget *panel = w.panel(c.panel);
        ASSERT_NE(panel, nullptr) << c.panel;
        EXPECT_TRUE(panel->isVisible()) << c.panel;
        w.click(c.choice);
        EXPECT_FALSE(panel->isVisible()) << c.panel;
        EXPECT_EQ(w.text(), c.text);
    }
    // EXIT only hides its panel.
    for (const char *exit : {"btnAexit", "btnTheExit", "btnApExit"}) {
        const QString before = w.text();
        QWidget *panel = w.button(exit)->parentWidget();
        panel->show();
        w.click(exit);
        EXPECT_FALSE(panel->isVisible()) << exit;
        EXPECT_EQ(w.button(exit)->color(), Black);
        EXPECT_EQ(w.text(), before);
    }
}

TEST(ComposeButtonsUi, IndicatorsTurnMaroonWhileTheirModeIsOn)
{
    Window w;
    w.click("btnGrab");
    EXPECT_EQ(w.button("btnGrab")->color(), Maroon);
    EXPECT_EQ(w.button("btnRepeatOK")->color(), Black);
    w.click("btnRepeatOK");
    EXPECT_EQ(w.button("btnGrab")->color(), Black);
    EXPECT_EQ(w.button("btnRepeatOK")->color(), Maroon);
    w.click("btnComma");
    EXPECT_EQ(w.button("btnRepeatOK")->color(), Black);
    w.click("btnGrab");
    // A click in the text ends the grab, lit or not.
    QTest::mouseClick(w.form->editor()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(w.button("btnGrab")->color(), Black);
    EXPECT_FALSE(w.state().GrabArmed);
}

TEST(ComposeButtonsUi, ButtonKeysReachTheEditorsHandlers)
{
    Window w;
    QSignalSpy downs(w.form->editor(), &DocumentEditor::keyDown);
    QSignalSpy ups(w.form->editor(), &DocumentEditor::keyUp);
    w.form->fixedWordClick(QStringLiteral("and"));
    w.click("btnSpace");
    EXPECT_EQ(w.text(), QStringLiteral("And  "));
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups.at(0).at(0).toInt(), int(Qt::Key_Space));
    EXPECT_EQ(downs.count(), 1);
    // The key-up ran inside the click; the handler's own values came last.
    EXPECT_EQ(w.state().LastAction, QStringLiteral("space"));
    EXPECT_EQ(w.state().WordStart, 5);

    w.click("btnEnter");
    w.click("btnBackspace");
    w.click("btnDelete");
    EXPECT_EQ(ups.count(), 4);
    EXPECT_EQ(w.text(), QStringLiteral("And  "));
}

TEST(ComposeButtonsUi, ADoubleClickIsASecondClickOfTheCycle)
{
    Window w;
    w.form->fixedWordClick(QStringLiteral("so"));
    w.click("btnHyphen");
    Q_EMIT w.button("btnHyphen")->doubleClicked();
    EXPECT_EQ(w.text(), QStringLiteral("So") + QChar(0x2013));
    w.click("btnA");
    Q_EMIT w.button("btnA")->doubleClicked();
    EXPECT_EQ(w.text(), QStringLiteral("So") + QChar(0x2013) + QStringLiteral("an "));
}

TEST(ComposeButtonsUi, EnterReadsThePoetryOrProseChoice)
{
    Window w;
    auto *combo = w.form->findChild<QComboBox *>(QStringLiteral("cbPoetryProse"));
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(combo->findText(QStringLiteral("prose")));
    Q_EMIT combo->activated(combo->currentIndex());
    w.form->fixedWordClick(QStringLiteral("and"));
    w.click("btnEnter");
    EXPECT_EQ(w.state().CapsMode, CapsFirstArmed);

    combo->setCurrentIndex(combo->findText(QStringLiteral("poetry")));
    Q_EMIT combo->activated(combo->currentIndex());
    w.form->fixedWordClick(QStringLiteral("and"));
    w.click("btnEnter");
    EXPECT_EQ(w.state().CapsMode, CapsNone);
}

TEST(ComposeButtonsUi, UndoTakesBackWordsButLeavesTypingToTheEditor)
{
    Window w;
    DocumentEditor *editor = w.form->editor();
    w.form->fixedWordClick(QStringLiteral("and"));
    w.form->fixedWordClick(QStringLiteral("or"));
    // Ctrl+Z reaches the window's command, not the editor's own undo.
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.text(), QStringLiteral("And "));

    // Typing is one step of the editor's history; Remove would take "y" only.
    QTest::keyClicks(editor, QStringLiteral("x y"));
    EXPECT_EQ(w.text(), QStringLiteral("And x y"));
    auto *undo = w.form->findChild<QAction *>(QStringLiteral("EditUndoCmd"));
    ASSERT_NE(undo, nullptr);
    undo->trigger();
    EXPECT_EQ(w.text(), QStringLiteral("And "));
    EXPECT_EQ(w.state().LastAction, QStringLiteral("mouseclick"));
}

TEST(ComposeButtonsUi, ShortcutKeysDoNotResetTheStateTheirCommandSet)
{
    Window w;
    w.form->fixedWordClick(QStringLiteral("and"));
    w.click("btnPeriod");
    w.form->fixedWordClick(QStringLiteral("or"));
    QTest::keyClick(w.form->editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.text(), QStringLiteral("And.  "));
    // The capital after the stop is armed again for the next word.
    EXPECT_EQ(w.state().CapsMode, CapsFirstArmed);
    w.form->fixedWordClick(QStringLiteral("so"));
    EXPECT_EQ(w.text(), QStringLiteral("And.  So "));
}

TEST(ComposeButtonsUi, ClickBelowTheTextGoesToItsEnd)
{
    Window w;
    w.form->fixedWordClick(QStringLiteral("and"));
    w.form->fixedWordClick(QStringLiteral("or"));
    DocumentEditor *editor = w.form->editor();
    QWidget *viewport = editor->viewport();
    ASSERT_GT(viewport->height(), 60);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(4, viewport->height() - 5));
    EXPECT_EQ(editor->textCursor().position(), w.text().size());
    EXPECT_EQ(w.state().WordStart, w.text().size());

    // A click on the first line stays where it fell.
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier,
                      editor->cursorRect(QTextCursor(editor->document())).center());
    EXPECT_EQ(editor->textCursor().position(), 0);
    EXPECT_EQ(w.state().CapsMode, CapsFirstArmed);
}

} // namespace
