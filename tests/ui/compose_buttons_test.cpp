#include "controls/color_button.h"
#include "panels/ui/board.h"
#include "shell/script/scripted_dialogs.h"
#include "shell/ui/document_editor.h"
#include "shell/ui/main_form.h"

#include <QApplication>
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

} // namespace
