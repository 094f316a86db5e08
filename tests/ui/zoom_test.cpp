#include "controls/document_editor.h"
#include "panels/main_board_table.h"
#include "panels/ui/right_column.h"
#include "shell/formats/rtf_writer.h"
#include "window_fixture.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QBuffer>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QToolBar>
#include <QToolTip>
#include <memory>

namespace {

// The rect of every named widget the board places itself (not one a layout
// or a tab widget places), every panel built.
QHash<QString, QRect> boardRects(TMainForm &window)
{
    window.board()->buildPending();
    QHash<QString, QRect> rects;
    for (QWidget *w : window.board()->findChildren<QWidget *>()) {
        QWidget *parent = w->parentWidget();
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
            !parent->layout() && !qobject_cast<QTabWidget *>(parent) &&
            !qobject_cast<QTabBar *>(parent))
            rects.insert(w->objectName(), QRect(w->mapTo(window.board(), QPoint()), w->size()));
    }
    return rects;
}

void zoomIn(TMainForm &window, int times)
{
    for (int i = 0; i < times; ++i)
        window.findChild<QAction *>(QStringLiteral("miZoomIn"))->trigger();
}

QByteArray rtfOf(const QTextDocument &document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    RtfWriter().write(&buffer, document);
    return buffer.data();
}

} // namespace

using ZoomTest = WindowFixture;

// At 100 the board is its table; four steps make every place on it twice
// as big, whether its panel was built before the zoom or first built at
// 200; the zoom comes back after a restart.
TEST_F(ZoomTest, TwoHundredDoublesEveryPlaceAndSurvivesARestart)
{
    TMainForm &first = open();
    first.viewSettings().setPrediction({0, false, false}); // the board alone
    for (const ButtonDesc &desc : mainBoardButtons()) {
        if (desc.width > 0) {
            EXPECT_EQ(first.board()->button(QString::fromLatin1(desc.name))->geometry(),
                      QRect(desc.left, desc.top, desc.width, desc.height))
                << desc.name;
        }
    }
    const QHash<QString, QRect> at100 = boardRects(first);
    ASSERT_GT(at100.size(), 200);
    ASSERT_TRUE(at100.contains(QStringLiteral("pModal")));
    auto *list = first.rightColumn()->findChild<QListWidget *>(QStringLiteral("lbRight"));
    const QSize grid = list->gridSize();
    const int pixels = QFontInfo(list->font()).pixelSize();
    const int label = first.board()->findChild<QLabel *>()->font().pixelSize();
    const QSize userSize = first.size();

    // Placed against the right edge, the window grown by the zoom comes
    // back inside the screen, the document keeping a third of its height.
    const QRect screen = first.screen()->availableGeometry();
    first.move(screen.right() - first.frameGeometry().width(), screen.top());
    zoomIn(first, 4);
    EXPECT_TRUE(screen.contains(first.frameGeometry())) << first.frameGeometry().x();
    // The menus and the tool bar grew with it.
    const QFont menus = QApplication::font(first.menuBar());
    EXPECT_NEAR(first.findChild<QMenu *>()->font().pointSizeF(), 2 * menus.pointSizeF(), 0.01);
    const QSize icons = first.findChild<QToolBar *>()->iconSize();
    EXPECT_GE(first.editor()->height() * 3, first.height());
    // The window grew for the board, within the screen, and gives the
    // growth back when the zoom goes back.
    EXPECT_GT(first.width(), userSize.width());
    first.findChild<QAction *>(QStringLiteral("miZoomReset"))->trigger();
    EXPECT_EQ(first.size(), userSize);
    EXPECT_EQ(first.findChild<QToolBar *>()->iconSize() * 2, icons);
    zoomIn(first, 4);
    EXPECT_EQ(first.viewSettings().zoom(), 200);
    EXPECT_EQ(first.board()->button(QStringLiteral("btnA"))->width(), 2 * at100["btnA"].width());
    EXPECT_EQ(list->gridSize().height(), 2 * grid.height());
    EXPECT_NEAR(QFontInfo(list->font()).pixelSize(), 2 * pixels, 1);
    EXPECT_EQ(first.board()->findChild<QLabel *>()->font().pixelSize(), 2 * label);
    const QHash<QString, QRect> zoomed = boardRects(first);
    for (auto it = at100.begin(); it != at100.end(); ++it)
        EXPECT_EQ(zoomed.value(it.key()), QRect(it->topLeft() * 2, it->size() * 2))
            << it.key().toStdString();
    ASSERT_TRUE(first.close());

    // Built lazily at 200: the panels come out zoomed too.
    TMainForm &second = open();
    EXPECT_EQ(second.viewSettings().zoom(), 200);
    const QHash<QString, QRect> restarted = boardRects(second);
    for (auto it = at100.begin(); it != at100.end(); ++it)
        EXPECT_EQ(restarted.value(it.key()), QRect(it->topLeft() * 2, it->size() * 2))
            << it.key().toStdString();
    // Back at 100 it is the table again.
    second.findChild<QAction *>(QStringLiteral("miZoomReset"))->trigger();
    EXPECT_EQ(boardRects(second), at100);
}

// The document shows its text twice as big at 200, and
// the mouse still finds the characters it shows; what is saved is what
// was saved at 100.
TEST_F(ZoomTest, DocumentTextGrowsOnScreenOnly)
{
    TMainForm &window = open();
    DocumentEditor *editor = window.editor();
    QTextCursor c(editor->document());
    QTextCharFormat twelve;
    twelve.setFontPointSize(12);
    c.insertText(QStringLiteral("A dog runs."), twelve);
    const QTextBlock block = editor->document()->firstBlock();
    auto *layout = editor->document()->documentLayout();
    const QRectF at100 = layout->blockBoundingRect(block);
    const QByteArray saved = rtfOf(*editor->document());
    ASSERT_GT(at100.height(), 10);

    zoomIn(window, 4);
    EXPECT_NEAR(layout->blockBoundingRect(block).height(), 2 * at100.height(), 2);
    EXPECT_EQ(rtfOf(*editor->document()), saved);
    c.setPosition(6);
    EXPECT_EQ(editor->cursorForPosition(editor->cursorRect(c).center()).position(), 6);

    window.findChild<QAction *>(QStringLiteral("miZoomReset"))->trigger();
    EXPECT_EQ(layout->blockBoundingRect(block), at100);
}

// A dialog or menu the window opens at 200 has twice the font of one
// opened at 100; the status bar's text and panels grow, and a zoom does not bring
// its panels back over a message that hides them.
TEST_F(ZoomTest, DialogsAndStatusBarGrow)
{
    TMainForm &window = open();
    const auto dialogFont = [&window] {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Wordloom"),
                        QStringLiteral("Saved."), QMessageBox::Ok, &window);
        box.show();
        return QFontInfo(box.font()).pixelSize();
    };
    const auto editorMenuFont = [&window] {
        const std::unique_ptr<QMenu> menu(window.editor()->createStandardContextMenu());
        menu->ensurePolished();
        return QFontInfo(menu->font()).pixelSize();
    };
    const int menu = editorMenuFont();
    const int dialog = dialogFont();
    QStatusBar *bar = window.statusBar();
    auto *position = bar->findChild<QLabel *>(QStringLiteral("StatusPos"));
    const int barText = QFontInfo(bar->font()).pixelSize();
    const int tip = QFontInfo(QToolTip::font()).pixelSize();
    const int panel = position->width();
    bar->showMessage(QStringLiteral("F6 goes to the word buttons."));
    ASSERT_FALSE(position->isVisible());

    zoomIn(window, 4);
    QApplication::processEvents();
    EXPECT_NEAR(dialogFont(), 2 * dialog, 1);
    EXPECT_NEAR(editorMenuFont(), 2 * menu, 1);
    EXPECT_NEAR(QFontInfo(bar->font()).pixelSize(), 2 * barText, 1);
    EXPECT_NEAR(QFontInfo(QToolTip::font()).pixelSize(), 2 * tip, 1);
    EXPECT_EQ(position->width(), 2 * panel);
    EXPECT_FALSE(position->isVisible());
    bar->clearMessage();
    EXPECT_TRUE(position->isVisible());
}

// Grown by the program after it was placed (the zoomed board and bars are
// measured only once laid out), the window comes back inside the screen.
TEST_F(ZoomTest, WindowGrownAfterPlacingStaysOnTheScreen)
{
    TMainForm &window = open();
    const QRect screen = window.screen()->availableGeometry();
    window.move(window.x(), screen.bottom() + 1 - window.frameGeometry().height());
    ASSERT_TRUE(screen.contains(window.frameGeometry()));
    window.setMinimumHeight(window.height() + 40);
    QApplication::processEvents();
    EXPECT_TRUE(screen.contains(window.frameGeometry())) << window.frameGeometry().bottom();
}
