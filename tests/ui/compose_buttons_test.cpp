#include "controls/document_editor.h"
#include "window_fixture.h"

#include <QApplication>

namespace {

const QColor Maroon(128, 0, 0);
const QColor Black(Qt::black);

// The main window shown and with the editor focused, as a person would
// find it.
class ComposeButtonsUi : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        open();
        window->activateWindow();
        window->editor()->setFocus();
        QApplication::processEvents();
    }
    QWidget *panel(const char *name) const
    {
        return window->board()->findChild<QWidget *>(QString::fromLatin1(name));
    }
};

TEST_F(ComposeButtonsUi, SubPanelsOpenOnTheRightButtonAndCloseAfterAChoice)
{
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
        EXPECT_EQ(panel(c.panel), nullptr) << c.panel;
        click(c.opener, Qt::RightButton);
        QWidget *shown = panel(c.panel);
        ASSERT_NE(shown, nullptr) << c.panel;
        EXPECT_TRUE(shown->isVisible()) << c.panel;
        click(c.choice);
        EXPECT_FALSE(shown->isVisible()) << c.panel;
        EXPECT_EQ(text(), c.text);
    }
}

TEST_F(ComposeButtonsUi, IndicatorsTurnMaroonWhileTheirModeIsOn)
{
    click("btnGrab");
    EXPECT_EQ(button("btnGrab")->color(), Maroon);
    EXPECT_EQ(button("btnRepeatOK")->color(), Black);
    click("btnRepeatOK");
    EXPECT_EQ(button("btnGrab")->color(), Black);
    EXPECT_EQ(button("btnRepeatOK")->color(), Maroon);
    click("btnComma");
    EXPECT_EQ(button("btnRepeatOK")->color(), Black);
    click("btnGrab");
    // A click in the text ends the grab, lit or not.
    QTest::mouseClick(window->editor()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(button("btnGrab")->color(), Black);
    EXPECT_FALSE(window->composition().state.GrabArmed);
}

} // namespace
