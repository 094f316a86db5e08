#include "controls/color_button.h"
#include "panels/ui/board.h"
#include "panels/verb_panel_tables.h"
#include "window_fixture.h"

#include <QTest>

namespace {

class InflectionButtonsTest : public WindowFixture
{
protected:
    TColorButton *button(const char *name) const
    {
        TColorButton *b = window->board()->button(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    void click(const char *name, Qt::MouseButton mouse = Qt::LeftButton)
    {
        QTest::mouseClick(button(name), mouse);
    }
};

TEST_F(InflectionButtonsTest, ShippedXListGivesTheIrregularPlural)
{
    open();
    window->fixedWordClick(QStringLiteral("the"));
    window->fixedWordClick(QStringLiteral("appendix"));
    click("btnPluralize");
    EXPECT_EQ(text(), QLatin1String("The appendices "));
}

TEST_F(InflectionButtonsTest, EverySubPanelOpensOnRightClickAndClosesByExit)
{
    open();
    for (const VerbPanelTables::VerbPanel &desc : VerbPanelTables::verbPanels()) {
        // As the script runner looks a control up: a panel not built yet
        // is built first.
        window->board()->buildPending();
        QWidget *p = window->board()->findChild<QWidget *>(QString::fromLatin1(desc.panel));
        ASSERT_NE(p, nullptr) << desc.panel;
        EXPECT_FALSE(p->isVisible());
        click(desc.opener, Qt::RightButton);
        EXPECT_TRUE(p->isVisible()) << desc.panel;
        for (const ButtonDesc &item : desc.items) {
            TColorButton *b = button(item.name);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->parentWidget(), p);
            EXPECT_EQ(b->caption(), QString::fromUtf8(item.word));
        }
        EXPECT_EQ(button(desc.exit.name)->caption(), QLatin1String("EXIT"));
        click(desc.exit.name);
        EXPECT_FALSE(p->isVisible()) << desc.panel;
    }
    // Nothing was inserted on the way.
    EXPECT_EQ(text(), QString());
}

} // namespace
