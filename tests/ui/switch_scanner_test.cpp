#include "panels/ui/switch_scanner.h"
#include "window_fixture.h"

#include <QMessageBox>
#include <QSignalSpy>

namespace {

class SwitchScannerTest : public WindowFixture
{
protected:
    SwitchScanner &start(int hold = 1000)
    {
        open();
        window->viewSettings().setPrediction({0, false, false}); // the board alone
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ScanSettings scan;
        scan.mode = ScanSettings::Mode::TwoSwitches;
        scan.holdForRightClick = hold;
        window->viewSettings().setScan(scan);
        SwitchScanner &s = *window->scanner();
        s.setScanning(true);
        return s;
    }

    static int middle(const TColorButton *b, bool vertical)
    {
        const QPoint c = b->mapTo(b->window(), b->rect().center());
        return vertical ? c.y() : c.x();
    }

    // Steps and chooses as a switch user would until target is highlighted.
    static void scanTo(SwitchScanner &s, TColorButton *target)
    {
        for (int i = 0; i < 40 && !s.highlightedRow().contains(target); ++i)
            s.step();
        ASSERT_TRUE(s.highlightedRow().contains(target));
        s.choose();
        while (s.highlightedButton() != target)
            s.step();
    }
};

TEST_F(SwitchScannerTest, RowsTopToBottomThenButtonsLeftToRightThenBackToRows)
{
    SwitchScanner &s = start();
    QSignalSpy spoken(&s, &SwitchScanner::highlightSpoken);
    EXPECT_TRUE(s.highlightedRow().isEmpty());
    const auto rows = s.scanRows();
    ASSERT_GT(rows.size(), 3);
    QSet<qsizetype> lengths;
    int previousY = -1;
    for (const auto &row : rows) {
        s.step();
        EXPECT_EQ(s.phase(), SwitchScanner::Phase::Rows);
        EXPECT_EQ(s.highlightedRow(), row);
        EXPECT_GT(middle(row.first(), true), previousY);
        previousY = middle(row.first(), true);
        lengths.insert(row.size());
    }
    EXPECT_GT(lengths.size(), 1) << "rows of one length test nothing";
    s.step();
    EXPECT_EQ(s.highlightedRow(), rows.first()) << "after the last row comes the first";
    EXPECT_EQ(spoken.last().at(0).toString(), QStringLiteral("row 1, a")) << "a short name";

    // The second row: its buttons from the left, then "back to rows", then
    // its first button again.
    s.step();
    s.choose();
    const auto row = rows.at(1);
    int previousX = -1;
    for (TColorButton *b : row) {
        EXPECT_EQ(s.highlightedButton(), b);
        EXPECT_TRUE(b->hasFocus());
        EXPECT_GT(middle(b, false), previousX);
        previousX = middle(b, false);
        s.step();
    }
    EXPECT_EQ(s.phase(), SwitchScanner::Phase::Buttons);
    EXPECT_EQ(s.highlightedButton(), nullptr);
    EXPECT_EQ(spoken.last().at(0).toString(), QStringLiteral("back to rows"));
    s.choose();
    EXPECT_EQ(s.phase(), SwitchScanner::Phase::Rows);
    EXPECT_EQ(s.highlightedRow(), row);
    s.step();
    EXPECT_EQ(s.highlightedRow(), rows.at(2));

    // Esc leaves scanning and takes the highlight away.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(s.isScanning());
    EXPECT_FALSE(window->findChild<QWidget *>(QStringLiteral("scanHighlight"))->isVisible());
}

TEST_F(SwitchScannerTest, SkipsDisabledAndEmptyButtonsAndScansTheOverlayUp)
{
    setPrefsLine(16, QStringLiteral("0")); // the conjunction panel on a left click
    SwitchScanner &s = start(300);
    TColorButton *the = button("btnThe");
    the->setEnabled(false);
    EXPECT_FALSE(s.scanRows().first().contains(the));
    EXPECT_TRUE(s.scanRows().first().contains(button("btnA")));
    the->setEnabled(true);

    // The conjunction panel, opened by a choice, is what is scanned next.
    TColorButton *conjunction = button("btnConjunction");
    scanTo(s, conjunction);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QWidget *panel = child("pConjunction");
    ASSERT_TRUE(panel->isVisible());

    s.step();
    const auto row = s.highlightedRow();
    ASSERT_FALSE(row.isEmpty());
    for (TColorButton *b : row)
        EXPECT_TRUE(panel->isAncestorOf(b)) << b->objectName().toStdString();
    QList<TColorButton *> scanned;
    for (const auto &r : s.scanRows())
        scanned += r;
    EXPECT_FALSE(scanned.contains(button("btnConj1"))) << "an empty custom button";
    EXPECT_FALSE(scanned.contains(conjunction)) << "covered by the panel";

    // Choosing a word closes the panel; the next step is on the board again.
    scanTo(s, button("btnEvenIfConj"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(text(), QStringLiteral("Even if "));
    EXPECT_FALSE(panel->isVisible());
    s.step();
    EXPECT_TRUE(s.highlightedRow().contains(button("btnA")));

    // The choose switch held on "more" is its right click, which opens
    // the panel, and not a click as well.
    scanTo(s, button("btnMore"));
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(900);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(child("pMore")->isVisible());
    EXPECT_EQ(text(), QStringLiteral("Even if "));
}

TEST_F(SwitchScannerTest, ASwitchHeldWithKeyRepeatIsOneRightClick)
{
    SwitchScanner &s = start(300);
    scanTo(s, button("btnMore"));
    // The desktop repeats a held key as release and press pairs, each pair
    // with one time stamp.
    auto send = [](QEvent::Type type, quint64 at) {
        QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        key.setTimestamp(at);
        QApplication::sendEvent(QApplication::focusWidget(), &key);
    };
    quint64 at = 1000;
    send(QEvent::KeyPress, at);
    for (int i = 0; i < 16; ++i) {
        QTest::qWait(30);
        at += 30;
        send(QEvent::KeyRelease, at);
        send(QEvent::KeyPress, at);
    }
    send(QEvent::KeyRelease, at + 30);
    QTest::qWait(100);
    EXPECT_TRUE(child("pMore")->isVisible());
    EXPECT_EQ(text(), QString());
}

TEST_F(SwitchScannerTest, AQuestionUpIsScannedByItsButtons)
{
    SwitchScanner &s = start();
    QMessageBox box(QMessageBox::Question, QStringLiteral("Wordloom"),
                    QStringLiteral("Save changes?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window.get());
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &box);
    QSignalSpy spoken(&s, &SwitchScanner::highlightSpoken);
    QStringList names;
    for (int i = 0; i < 3; ++i) {
        s.step();
        names << spoken.last().at(0).toString();
        EXPECT_EQ(s.highlightedRow(), QList<TColorButton *>()) << "nothing of the board";
    }
    names.sort();
    EXPECT_EQ(names, QStringList({"Cancel", "No", "Yes"}));
    while (spoken.last().at(0).toString() != QStringLiteral("No"))
        s.step();
    s.choose();
    EXPECT_EQ(box.result(), QMessageBox::No);
    EXPECT_FALSE(box.isVisible());
}

} // namespace
