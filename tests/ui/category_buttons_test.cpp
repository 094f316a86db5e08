#include "panels/ui/right_column.h"
#include "window_fixture.h"

#include <QSet>

namespace {

using CategoryButtonsTest = WindowFixture;

// Delete and Edit show themselves by the cursor over the list; leaving the
// panel puts the ordinary cursor back.
TEST_F(CategoryButtonsTest, PickListModesShowTheirCursor)
{
    open();
    const auto cursor = [this] {
        return child<QListWidget>("lbWordPick")->viewport()->cursor().shape();
    };
    QTest::mouseClick(window->board()->button(QStringLiteral("btnPlant")), Qt::RightButton);
    click("btnDeleteWordPick");
    EXPECT_EQ(cursor(), Qt::ForbiddenCursor);
    click("btnEditWordPick");
    EXPECT_EQ(cursor(), Qt::PointingHandCursor);
    click("btnExitWordPick");
    EXPECT_EQ(cursor(), Qt::ArrowCursor);
}

TEST_F(CategoryButtonsTest, RightColumnFillsTheRoomBeyondTheBoard)
{
    TMainForm &w = open();
    w.board()->buildPending();
    auto *colWidth = w.findChild<QLineEdit *>(QStringLiteral("edColWidth"));
    colWidth->setText(QStringLiteral("80"));
    w.resize(1000, 450);
    QApplication::processEvents();
    EXPECT_EQ(w.rightColumns(), 4);
    QListWidget *right = child<QListWidget>("lbRight");
    ASSERT_GT(right->count(), 30);
    QSet<int> lefts;
    for (int i = 0; i < right->count(); ++i) {
        const QRect r = right->visualItemRect(right->item(i));
        if (right->viewport()->rect().contains(r))
            lefts.insert(r.left());
    }
    EXPECT_EQ(lefts.size(), 4);
    EXPECT_EQ(right->visualItemRect(right->item(1)).top() -
                  right->visualItemRect(right->item(0)).top(),
              19);
    // The list reaches the window's edge less the margin.
    const QPoint corner = right->mapTo(&w, QPoint(right->width(), 0));
    EXPECT_EQ(corner.x(), w.width() - w.rightColumn()->margin());
    // A click leaves no row selected.
    pick("lbRight", 2);
    EXPECT_EQ(right->selectedItems().size(), 0);

    // The box is corrected once it holds two characters, and the count
    // follows it.
    colWidth->setText(QStringLiteral("05"));
    EXPECT_EQ(colWidth->text(), QStringLiteral("40"));
    EXPECT_EQ(w.rightColumns(), 9);
    colWidth->setText(QStringLiteral("9"));
    EXPECT_EQ(colWidth->text(), QStringLiteral("9"));
    EXPECT_EQ(w.rightColumns(), 9);
    // At 640 pixels or less the count is left as it was.
    w.resize(640, 450);
    QApplication::processEvents();
    EXPECT_EQ(w.rightColumns(), 9);
}

} // namespace
