#include "controls/document_editor.h"
#include "panels/ui/switch_scanner.h"
#include "predict/ui/prediction_row.h"
#include "qstring_printer.h"
#include "shell/ui/document.h"
#include "shell/ui/prediction_host.h"
#include "window_fixture.h"

#include <QApplication>
#include <QStatusBar>

namespace {

class PredictionRowUi : public WindowFixture
{
protected:
    PredictionRow &start()
    {
        open();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->editor()->setFocus();
        QApplication::processEvents(); // the models load once the window shows
        return *window->prediction()->row();
    }
    static QString focused()
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
};

TEST_F(PredictionRowUi, TheRowIsTheBoardsFirstRowForKeysAndScanningAndNamesItsWords)
{
    PredictionRow &row = start();
    // A person who has been at the keyboard: focus moves are spoken.
    QTest::keyClick(window->editor(), Qt::Key_X);
    QTest::keyClick(window->editor(), Qt::Key_Backspace);
    const QStringList words = row.words();
    ASSERT_EQ(words.size(), 6);
    QTest::keyClick(window->editor(), Qt::Key_F6);
    button("btnA")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    ASSERT_TRUE(focused().startsWith("btnPredict")) << focused().toStdString();
    const int k = focused().mid(10).toInt();
    const QString name = QStringLiteral("prediction %1: %2").arg(k).arg(words[k - 1]);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), name);
    EXPECT_EQ(speech.said.value(speech.said.size() - 1), name) << "spoken as the focus comes";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(text().toLower(), words[k - 1].toLower() + QLatin1Char(' '));
    EXPECT_TRUE(focused().startsWith("btnPredict")) << "the focus stays on the row";

    SwitchScanner &scanner = *window->scanner();
    scanner.setScanning(true);
    const QList<TColorButton *> first = scanner.scanRows().value(0);
    ASSERT_EQ(first.size(), 6);
    for (TColorButton *b : first)
        EXPECT_TRUE(row.isAncestorOf(b)) << b->objectName().toStdString();
}

// The row is part of the board: it grows and shrinks with the zoom.
TEST_F(PredictionRowUi, TheRowFollowsTheZoom)
{
    PredictionRow &row = start();
    auto *first = row.findChild<TColorButton *>(QStringLiteral("btnPredict1"));
    ASSERT_NE(first, nullptr);
    const int natural = first->height();
    window->viewSettings().setZoom(200);
    EXPECT_EQ(first->height(), natural * 2);
    window->viewSettings().setZoom(ViewSettings::kMinZoom);
    EXPECT_EQ(first->height(), natural);
}

TEST_F(PredictionRowUi, AMissingModelLeavesTheRowEmptyAndTheStatusBarSaysWhyOnce)
{
    QFile::remove(programFile(QStringLiteral("prediction.bin")));
    PredictionRow &row = start();
    EXPECT_TRUE(row.words().isEmpty());
    EXPECT_TRUE(window->statusBar()->currentMessage().contains("prediction.bin"))
        << window->statusBar()->currentMessage().toStdString();
    window->statusBar()->clearMessage();
    QTest::keyClicks(window->editor(), QStringLiteral("the ca"));
    EXPECT_TRUE(row.words().isEmpty());
    EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());
    EXPECT_EQ(text(), "the ca") << "typing works as without prediction";
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PredictionRowUi, DamagedLearntWordsAreSetAsideTheUserToldAndLearningStartsAfresh)
{
    QFile damaged(programFile(QStringLiteral("learnt-words.txt")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x01\x02 not learnt words\n");
    damaged.close();
    PredictionRow &row = start();
    EXPECT_EQ(row.words().size(), 6);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("learnt-words.damaged.txt"));
    QFile aside(programFile(QStringLiteral("learnt-words.damaged.txt")));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), QByteArray("\x01\x02 not learnt words\n"));

    QTest::keyClicks(window->editor(), QStringLiteral("Zorblat sings"));
    ASSERT_TRUE(window->document()->saveTo(programFile(QStringLiteral("song.txt"))));
    QFile learnt(programFile(QStringLiteral("learnt-words.txt")));
    ASSERT_TRUE(learnt.open(QIODevice::ReadOnly));
    EXPECT_TRUE(learnt.readAll().contains("zorblat\tsings"));
}

} // namespace
