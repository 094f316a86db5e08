#include "panels/ui/dwell_selector.h"
#include "prefs/view_settings.h"
#include "controls/document_editor.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QCursor>
#include <QMenu>

namespace {

class DwellTest : public WindowFixture
{
protected:
    DwellSelector &start()
    {
        if (!window)
            open();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        away();
        // F8 is View > Dwell.
        QTest::keyClick(window.get(), Qt::Key_F8);
        EXPECT_TRUE(window->viewSettings().dwell().on);
        return *window->dwell();
    }

    static void rest(QWidget *widget, QPoint pos, int ms)
    {
        QCursor::setPos(widget->mapToGlobal(pos));
        QTest::qWait(ms);
    }

    void away()
    {
        QCursor::setPos(window->frameGeometry().bottomRight() + QPoint(40, 40));
        QTest::qWait(60);
    }

    // The pixel inside the corner mark's triangle, clear of its edges.
    static QColor cornerPixel(TColorButton *b)
    {
        return b->grab().toImage().pixelColor(b->width() - 3, 2);
    }
};

TEST_F(DwellTest, CountdownRunsOnButtonsOnlyAndRestartsWhenThePointerWanders)
{
    DwellSelector &dwell = start();
    TColorButton *the = button("btnThe");
    const QPoint centre = the->rect().center();
    // A tolerance whose moves, either way, stay on the button.
    DwellSettings narrow = window->viewSettings().dwell();
    narrow.tolerance = 4;
    window->viewSettings().setDwell(narrow);
    ASSERT_GT(the->width(), 20);

    rest(the, centre, 120);
    EXPECT_EQ(dwell.countingOn(), nullptr) << "no countdown before the lock-on time";
    QTest::qWait(400);
    EXPECT_EQ(dwell.countingOn(), the);
    EXPECT_EQ(dwell.countingRect(), the->rect());
    EXPECT_TRUE(child("dwellCountdown")->isVisible());
    EXPECT_EQ(speech.said, QStringList({"the"}));
    const double before = dwell.progress();
    EXPECT_GT(before, 0);
    // Within the tolerance the countdown goes on; beyond it, it starts over.
    rest(the, centre + QPoint(3, 0), 150);
    EXPECT_GT(dwell.progress(), before);
    rest(the, centre + QPoint(-6, 0), 100);
    EXPECT_EQ(dwell.countingOn(), nullptr);
    EXPECT_FALSE(child("dwellCountdown")->isVisible());
    EXPECT_EQ(text(), QString());

    // The document, a disabled button and the board behind an open menu
    // are never clicked.
    DocumentEditor *editor = window->editor();
    rest(editor->viewport(), QPoint(30, 10), 1600);
    EXPECT_EQ(dwell.countingOn(), nullptr);
    TColorButton *a = button("btnA");
    a->setEnabled(false);
    rest(a, a->rect().center(), 1600);
    a->setEnabled(true);
    auto *menu = window->findChild<QMenu *>(QStringLiteral("View1"));
    menu->popup(window->mapToGlobal(QPoint(0, 0)));
    rest(the, centre, 1600);
    EXPECT_EQ(dwell.countingOn(), nullptr);
    EXPECT_EQ(text(), QString());
    menu->close();

    // Left alone on the button it clicks once.
    QTest::qWait(1800);
    EXPECT_EQ(text(), QStringLiteral("The "));
    EXPECT_EQ(dwell.countingOn(), nullptr);
    QTest::qWait(1500);
    EXPECT_EQ(text(), QStringLiteral("The "));
}

TEST_F(DwellTest, CornerMarkGivesTheRightClickUnlessThePanelTurnsItOff)
{
    open();
    TColorButton *the = button("btnThe");
    EXPECT_EQ(cornerPixel(the), the->paintedColor()) << "no mark while dwell is off";
    DwellSelector &dwell = start();
    ASSERT_TRUE(the->hasRightClick());
    EXPECT_EQ(cornerPixel(the), the->paintedCaptionColor());
    EXPECT_EQ(cornerPixel(button("btnPeriod")), button("btnPeriod")->paintedColor())
        << "a button without a right click has no mark";

    const QPoint corner = the->cornerMarkRect().center();
    rest(the, corner, 600);
    EXPECT_EQ(dwell.countingRect(), the->cornerMarkRect());
    EXPECT_EQ(speech.said.last(), QStringLiteral("the, right click"));
    QTest::qWait(1000);
    QWidget *panel = window->board()->panelUp();
    EXPECT_NE(panel, window->board()->mainPanel()) << "the right click opens the forms";
    EXPECT_EQ(text(), QString());
    panel->hide();

    // The panel's choice: no right click by dwell, and no mark.
    window->findChild<QAction *>(QStringLiteral("miOptions"))->trigger();
    child<QComboBox>("cbDwellRightClick")->setCurrentIndex(1);
    click("btnOKprefs");
    EXPECT_EQ(window->viewSettings().dwell().rightClick, DwellSettings::RightClick::None);
    EXPECT_EQ(cornerPixel(the), the->paintedColor());
    away();
    rest(the, corner, 2600);
    EXPECT_EQ(text(), QStringLiteral("The "));
}

TEST_F(DwellTest, RightColumnRowIsChosenWhereThePointerRests)
{
    start();
    window->resize(1000, 450);
    QApplication::processEvents();
    auto *list = child<QListWidget>("lbRight");
    ASSERT_GT(list->count(), 3);
    const QString word = list->item(3)->text();
    rest(list->viewport(), list->visualItemRect(list->item(3)).center(), 1600);
    EXPECT_EQ(text().toLower(), word.toLower() + QLatin1Char(' '));
}

} // namespace
