#include "shell/ui/document.h"
#include "controls/document_editor.h"
#include "shell/ui/format_bar.h"
#include "shell/ui/ruler.h"
#include "window_fixture.h"

#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QUrl>

namespace {

// Left, centre, right or justified; LibreOffice's HTML adds "absolute".
Qt::Alignment horizontal(Qt::Alignment a)
{
    return a & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify);
}

Qt::Alignment horizontal(const QTextBlock &b)
{
    return horizontal(b.blockFormat().alignment());
}

class MainWindowDocument : public WindowFixture
{
protected:
    DocumentEditor *editor() const { return window->editor(); }
    QAction *action(const char *name) const { return child<QAction>(name); }

    void insert(const QString &text)
    {
        QTextCursor c = editor()->textCursor();
        c.insertText(text);
        editor()->setTextCursor(c);
    }

    void select(const QString &what)
    {
        const int at = int(editor()->toPlainText().indexOf(what));
        ASSERT_GE(at, 0) << what.toStdString();
        QTextCursor c = editor()->textCursor();
        c.setPosition(at);
        c.setPosition(at + int(what.size()), QTextCursor::KeepAnchor);
        editor()->setTextCursor(c);
    }

    void caretIn(const QString &what)
    {
        QTextCursor c = editor()->textCursor();
        c.setPosition(int(editor()->toPlainText().indexOf(what)) + 1);
        editor()->setTextCursor(c);
    }

    QTextCharFormat charsOf(const QString &what) const
    {
        QTextCursor c(editor()->document());
        c.setPosition(int(editor()->toPlainText().indexOf(what)) + 1);
        return c.charFormat();
    }

    QTextBlock blockOf(const QString &what) const
    {
        return editor()->document()->findBlock(int(editor()->toPlainText().indexOf(what)));
    }

    // A person's drag: press on the grab point, move dx pixels, let go.
    void drag(const char *marker, int dx)
    {
        auto *m = child<QWidget>(marker);
        QTest::mousePress(m, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseMove(m, QPoint(4 + dx, 4));
        QTest::mouseRelease(m, Qt::LeftButton, {}, QPoint(4, 4));
    }

    // A file dragged from a file manager and dropped on the window.
    void dropFile(const QString &file)
    {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});
        const QPoint at = window->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
    }

    QString status(const char *panel) const { return child<QLabel>(panel)->text(); }
};

} // namespace

TEST_F(MainWindowDocument, CharacterButtonsFormatTheSelectionAndFollowIt)
{
    start(false);
    insert(QStringLiteral("one two three"));
    select(QStringLiteral("two"));
    action("BoldButton")->trigger();
    select(QStringLiteral("three"));
    action("ItalicButton")->trigger();
    action("UnderlineButton")->trigger();

    EXPECT_EQ(charsOf(QStringLiteral("two")).fontWeight(), QFont::Bold);
    EXPECT_FALSE(charsOf(QStringLiteral("two")).fontItalic());
    EXPECT_TRUE(charsOf(QStringLiteral("three")).fontItalic());
    EXPECT_TRUE(charsOf(QStringLiteral("three")).fontUnderline());
    EXPECT_NE(charsOf(QStringLiteral("one")).fontWeight(), QFont::Bold);

    // The buttons show the selection's style, without changing the text.
    editor()->document()->setModified(false);
    select(QStringLiteral("two"));
    EXPECT_TRUE(action("BoldButton")->isChecked());
    EXPECT_FALSE(action("ItalicButton")->isChecked());
    select(QStringLiteral("one"));
    EXPECT_FALSE(action("BoldButton")->isChecked());
    select(QStringLiteral("three"));
    EXPECT_TRUE(action("ItalicButton")->isChecked());
    EXPECT_TRUE(action("UnderlineButton")->isChecked());
    EXPECT_FALSE(editor()->document()->isModified());

    // Turning bold off again.
    select(QStringLiteral("two"));
    action("BoldButton")->trigger();
    EXPECT_NE(charsOf(QStringLiteral("two")).fontWeight(), QFont::Bold);
}

TEST_F(MainWindowDocument, AlignmentButtonsSetTheParagraphsAlignment)
{
    start(false);
    insert(QStringLiteral("first\nsecond\nthird"));
    caretIn(QStringLiteral("second"));
    action("CenterAlign")->trigger();
    caretIn(QStringLiteral("third"));
    action("RightAlign")->trigger();

    EXPECT_EQ(horizontal(blockOf(QStringLiteral("second"))), Qt::AlignHCenter);
    EXPECT_EQ(horizontal(blockOf(QStringLiteral("third"))), Qt::AlignRight);
    EXPECT_NE(horizontal(blockOf(QStringLiteral("first"))), Qt::AlignHCenter);
    EXPECT_TRUE(action("RightAlign")->isChecked());
    EXPECT_FALSE(action("CenterAlign")->isChecked());

    caretIn(QStringLiteral("second"));
    EXPECT_TRUE(action("CenterAlign")->isChecked());
    EXPECT_FALSE(action("LeftAlign")->isChecked());
    caretIn(QStringLiteral("first"));
    EXPECT_TRUE(action("LeftAlign")->isChecked());
    action("LeftAlign")->trigger(); // a second click keeps it down
    EXPECT_TRUE(action("LeftAlign")->isChecked());
}

TEST_F(MainWindowDocument, PlainTextModeDisablesCharacterFormatsAndCentring)
{
    start(true);
    for (const char *name :
         {"BoldButton", "ItalicButton", "UnderlineButton", "CenterAlign", "RightAlign"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    EXPECT_TRUE(action("LeftAlign")->isEnabled());
    EXPECT_TRUE(action("LeftAlign")->isChecked());
    EXPECT_FALSE(editor()->acceptRichText());
    EXPECT_TRUE(window->document()->plainText());
}

TEST_F(MainWindowDocument, DraggingRulerMarkersIndentsTheParagraph)
{
    start(false);
    insert(QStringLiteral("above\nindented paragraph\nbelow"));
    caretIn(QStringLiteral("indented"));
    auto *first = child<QWidget>("FirstInd");
    auto *left = child<QWidget>("LeftInd");
    EXPECT_EQ(first->x(), 2);
    EXPECT_EQ(left->x(), 2);

    // 48 pixels are 36 points: the first line alone moves in.
    drag("FirstInd", 48);
    QTextBlockFormat f = blockOf(QStringLiteral("indented")).blockFormat();
    EXPECT_DOUBLE_EQ(f.leftMargin() + f.textIndent(), 48);
    EXPECT_DOUBLE_EQ(f.leftMargin(), 0);
    EXPECT_EQ(first->x(), 50);
    EXPECT_EQ(left->x(), 2);

    // Then the other lines follow it.
    drag("LeftInd", 48);
    f = blockOf(QStringLiteral("indented")).blockFormat();
    EXPECT_DOUBLE_EQ(f.leftMargin(), 48);
    EXPECT_DOUBLE_EQ(f.textIndent(), 0);
    EXPECT_EQ(left->x(), 50);
    EXPECT_DOUBLE_EQ(blockOf(QStringLiteral("above")).blockFormat().leftMargin(), 0);

    // The markers follow the caret.
    caretIn(QStringLiteral("below"));
    EXPECT_EQ(first->x(), 2);
    caretIn(QStringLiteral("indented"));
    EXPECT_EQ(first->x(), 50);
}

TEST_F(MainWindowDocument, PressingOffTheGrabPointPullsTheMarkerUnderTheMouse)
{
    start(false);
    auto *marker = child<QWidget>("FirstInd");
    const int before = marker->x();
    QTest::mousePress(marker, Qt::LeftButton, {}, QPoint(7, 4));
    EXPECT_EQ(marker->x(), before + 3);
    EXPECT_TRUE(window->ruler()->dragging());
    QTest::mouseRelease(marker, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_FALSE(window->ruler()->dragging());
    // 3 pixels are 2.25 points, which round to 2.
    EXPECT_EQ(window->ruler()->indents().first, 2);
}

TEST_F(MainWindowDocument, OpeningShowsTheFilesFormattingOnTheControls)
{
    start(false);
    ASSERT_TRUE(window->document()->OpenDocument(QStringLiteral(WORDLOOM_TEST_DIR) +
                                                 "/fixtures/rtf/libreoffice_sample.rtf"));
    caretIn(QStringLiteral("A centred"));
    EXPECT_TRUE(action("CenterAlign")->isChecked());
    caretIn(QStringLiteral("An indented"));
    // One inch for the other lines, half an inch more for the first line.
    const RulerScale::Indents in = window->ruler()->indents();
    EXPECT_EQ(in.first, 108);
    EXPECT_EQ(in.left, -36);
    EXPECT_EQ(in.right, 36);
    select(QStringLiteral("bold"));
    EXPECT_TRUE(action("BoldButton")->isChecked());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("libreoffice_sample.rtf - Wordloom"));
    EXPECT_TRUE(status("StatusModified").isEmpty());
}

TEST_F(MainWindowDocument, PrintsTheDocumentIntoAPdfUnderItsName)
{
    start(false);
    insert(QStringLiteral("Roses are red\nViolets are blue"));
    dialogs.files.push_back(path(QStringLiteral("named.rtf")));
    action("FileSaveCmd")->trigger();
    printer.pdfFiles.push_back(path(QStringLiteral("out.pdf")));
    action("FilePrintCmd")->trigger();
    EXPECT_EQ(printer.asked, 1);
    ASSERT_TRUE(QFileInfo::exists(path(QStringLiteral("out.pdf"))));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // Cancelling the print dialog prints nothing.
    action("FilePrintCmd")->trigger();
    EXPECT_EQ(printer.asked, 2);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdftotext.isEmpty() || pdfinfo.isEmpty())
        GTEST_SKIP() << "pdftotext or pdfinfo is not installed";
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), path(QStringLiteral("out.pdf")),
                              QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    EXPECT_EQ(lines.join(QLatin1Char('\n')), QStringLiteral("Roses are red\nViolets are blue"));
    // The print job carries the document's name.
    process.start(pdfinfo, {path(QStringLiteral("out.pdf"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_TRUE(
        process.readAllStandardOutput().contains(path(QStringLiteral("named.rtf")).toUtf8()));
}

TEST_F(MainWindowDocument, CancelAtSaveChangesKeepsTheDocumentOnDropAndCloseAndNoOpensTheDrop)
{
    start(false);
    // A long path is opened whole.
    QString dir = path(QStringLiteral("drop"));
    while (dir.size() < 300)
        dir += QStringLiteral("/a_rather_long_folder_name");
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString file = dir + QStringLiteral("/other.txt");
    QFile other(file);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("other text\n");
    other.close();
    insert(QStringLiteral("unsaved work"));

    dialogs.answers.push_back(Dialogs::Answer::Cancel);
    dropFile(file);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("unsaved work"));

    dialogs.answers.push_back(Dialogs::Answer::Cancel);
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("unsaved work"));
    EXPECT_EQ(dialogs.questions, QStringList({QStringLiteral("Save changes to Untitled?"),
                                              QStringLiteral("Save changes to Untitled?")}));

    // No at the question opens the dropped file.
    dialogs.answers.push_back(Dialogs::Answer::No);
    dropFile(file);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("other text\n"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("other.txt - Wordloom"));
    EXPECT_EQ(dialogs.messages, QStringList());
}
