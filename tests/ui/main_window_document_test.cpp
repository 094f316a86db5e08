#include "main_window_fixture.h"
#include "shell/document.h"
#include "shell/document_editor.h"
#include "shell/format_bar.h"
#include "shell/ruler.h"

#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
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

class MainWindowDocument : public MainWindowFixture
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

TEST_F(MainWindowDocument, BoldWithoutASelectionAppliesToWhatComesNext)
{
    start(false);
    insert(QStringLiteral("plain "));
    action("BoldButton")->trigger();
    editor()->setFocus();
    QTest::keyClicks(editor(), QStringLiteral("strong"));
    EXPECT_EQ(charsOf(QStringLiteral("strong")).fontWeight(), QFont::Bold);
    EXPECT_NE(charsOf(QStringLiteral("plain")).fontWeight(), QFont::Bold);
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

    // The right marker, dragged far right, stops at -3 points.
    drag("RightInd", 2000);
    EXPECT_DOUBLE_EQ(blockOf(QStringLiteral("indented")).blockFormat().rightMargin(), -4);

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

TEST_F(MainWindowDocument, StatusShowsCaretAndModified)
{
    start(false);
    EXPECT_EQ(status("StatusPos"), QStringLiteral("Line:   1   Col:   1"));
    EXPECT_TRUE(status("StatusModified").isEmpty());
    insert(QStringLiteral("ab\ncdef"));
    EXPECT_EQ(status("StatusModified"), QStringLiteral("Modified"));
    EXPECT_EQ(status("StatusPos"), QStringLiteral("Line:   2   Col:   5"));

    dialogs.files.push_back(path(QStringLiteral("s.rtf")));
    action("FileSaveCmd")->trigger();
    EXPECT_TRUE(status("StatusModified").isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("s.rtf - Wordloom"));
}

TEST_F(MainWindowDocument, NewResetsTheCompositionState)
{
    start(false);
    CompositionState &s = window->composition().state;
    s.CapsMode = CapsNone;
    s.WordStart = 7;
    s.WordLength = 3;
    s.LastAction = s.ActionTag = s.CapsAction = QStringLiteral("dog");
    action("FileNewCmd")->trigger();
    EXPECT_EQ(s.CapsMode, CapsFirstArmed);
    EXPECT_EQ(s.WordStart, 0);
    EXPECT_EQ(s.WordLength, 0);
    EXPECT_EQ(s.LastAction, QStringLiteral("mouseclick"));
    EXPECT_EQ(s.ActionTag, QStringLiteral("mouseclick"));
    EXPECT_EQ(s.CapsAction, QStringLiteral("mouseclick"));
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

TEST_F(MainWindowDocument, PrintsTheDocumentIntoAPdf)
{
    start(false);
    insert(QStringLiteral("Roses are red\nViolets are blue"));
    printer.pdfFiles.push_back(path(QStringLiteral("out.pdf")));
    action("FilePrintCmd")->trigger();
    EXPECT_EQ(printer.asked, 1);
    ASSERT_TRUE(QFileInfo::exists(path(QStringLiteral("out.pdf"))));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // Cancelling the print dialog prints nothing.
    action("FilePrintCmd")->trigger();
    EXPECT_EQ(printer.asked, 2);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
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

    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (!pdfinfo.isEmpty()) {
        process.start(pdfinfo, {path(QStringLiteral("out.pdf"))});
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString info = QString::fromUtf8(process.readAllStandardOutput());
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Untitled\n"))))
            << info.toStdString();
    }
}

TEST_F(MainWindowDocument, PrintJobCarriesTheDocumentsName)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        GTEST_SKIP() << "pdfinfo is not installed";
    start(false);
    insert(QStringLiteral("x"));
    dialogs.files.push_back(path(QStringLiteral("named.rtf")));
    action("FileSaveCmd")->trigger();
    printer.pdfFiles.push_back(path(QStringLiteral("named.pdf")));
    action("FilePrintCmd")->trigger();
    QProcess process;
    process.start(pdfinfo, {path(QStringLiteral("named.pdf"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_TRUE(
        process.readAllStandardOutput().contains(path(QStringLiteral("named.rtf")).toUtf8()));
}

TEST_F(MainWindowDocument, PrintingWhereNothingCanBeWrittenIsReported)
{
    start(false);
    insert(QStringLiteral("x"));
    QFile blocker(path(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    printer.pdfFiles.push_back(path(QStringLiteral("blocker/out.pdf")));
    action("FilePrintCmd")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("out.pdf")));
}

namespace {

struct BlockSnapshot
{
    QString text;
    Qt::Alignment alignment;
    qreal leftMargin, textIndent, rightMargin;
    bool operator==(const BlockSnapshot &) const = default;
};

std::vector<BlockSnapshot> blocks(const QTextDocument &doc)
{
    std::vector<BlockSnapshot> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        const Qt::Alignment a = horizontal(b) ? horizontal(b) : Qt::AlignLeft;
        out.push_back({b.text(), a, f.leftMargin(), f.textIndent(), f.rightMargin()});
    }
    return out;
}

} // namespace

// A document composed with the tool bar and the ruler, saved as rich text,
// reads the same in LibreOffice and comes back unchanged.
TEST_F(MainWindowDocument, ComposedDocumentRoundTripsThroughLibreOffice)
{
    start(false);
    insert(QStringLiteral("Plain bold italic under\nA centred line\nA right line\n"
                          "An indented paragraph"));
    select(QStringLiteral("bold"));
    action("BoldButton")->trigger();
    select(QStringLiteral("italic"));
    action("ItalicButton")->trigger();
    select(QStringLiteral("under"));
    action("UnderlineButton")->trigger();
    caretIn(QStringLiteral("A centred"));
    action("CenterAlign")->trigger();
    caretIn(QStringLiteral("A right"));
    action("RightAlign")->trigger();
    caretIn(QStringLiteral("An indented"));
    drag("FirstInd", 48);
    drag("LeftInd", 48);

    const std::vector<BlockSnapshot> composed = blocks(*editor()->document());
    ASSERT_EQ(composed.size(), 4u);
    EXPECT_EQ(composed[3].leftMargin, 48);

    dialogs.files.push_back(path(QStringLiteral("composed.rtf")));
    action("FileSaveCmd")->trigger();
    ASSERT_EQ(window->document()->DocumentName(), path(QStringLiteral("composed.rtf")));

    // Back in Wordloom after New: the same text and formatting.
    action("FileNewCmd")->trigger();
    ASSERT_TRUE(editor()->toPlainText().isEmpty());
    ASSERT_TRUE(window->document()->OpenDocument(path(QStringLiteral("composed.rtf"))));
    EXPECT_TRUE(blocks(*editor()->document()) == composed);
    EXPECT_EQ(charsOf(QStringLiteral("bold")).fontWeight(), QFont::Bold);
    EXPECT_TRUE(charsOf(QStringLiteral("italic")).fontItalic());
    EXPECT_FALSE(charsOf(QStringLiteral("italic")).fontUnderline());
    EXPECT_TRUE(charsOf(QStringLiteral("under")).fontUnderline());
    EXPECT_NE(charsOf(QStringLiteral("Plain")).fontWeight(), QFont::Bold);
    EXPECT_FALSE(editor()->document()->isModified());

    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice is not installed";
    QProcess process;
    process.start(soffice, {QStringLiteral("-env:UserInstallation=") +
                                QUrl::fromLocalFile(path(QStringLiteral("profile"))).toString(),
                            QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                            QStringLiteral("html"), QStringLiteral("--outdir"), dir.path(),
                            path(QStringLiteral("composed.rtf"))});
    ASSERT_TRUE(process.waitForFinished(180000));
    QFile html(path(QStringLiteral("composed.html")));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly)) << process.readAll().toStdString();
    const QString htmlText = QString::fromUtf8(html.readAll());
    QTextDocument converted;
    converted.setHtml(htmlText);

    QStringList texts;
    for (QTextBlock b = converted.begin(); b.isValid(); b = b.next())
        if (!b.text().trimmed().isEmpty())
            texts << b.text().trimmed();
    EXPECT_EQ(texts, QStringList({QStringLiteral("Plain bold italic under"),
                                  QStringLiteral("A centred line"), QStringLiteral("A right line"),
                                  QStringLiteral("An indented paragraph")}));
    const auto at = [&](const QString &what) {
        QTextCursor c(&converted);
        c.setPosition(int(converted.toPlainText().indexOf(what)) + 1);
        return c;
    };
    EXPECT_EQ(at(QStringLiteral("bold")).charFormat().fontWeight(), QFont::Bold);
    EXPECT_NE(at(QStringLiteral("Plain")).charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(at(QStringLiteral("italic")).charFormat().fontItalic());
    EXPECT_TRUE(at(QStringLiteral("under")).charFormat().fontUnderline());
    EXPECT_EQ(horizontal(at(QStringLiteral("A centred")).block()), Qt::AlignHCenter);
    EXPECT_EQ(horizontal(at(QStringLiteral("A right")).block()), Qt::AlignRight);
    EXPECT_EQ(horizontal(at(QStringLiteral("Plain")).block()), Qt::AlignLeft);
    // QTextDocument ignores inch units in HTML: 48 pixels are half an inch
    // in LibreOffice's paragraph style.
    const qsizetype indented = htmlText.indexOf(QStringLiteral("An indented"));
    const QString style = htmlText.mid(htmlText.lastIndexOf(QStringLiteral("<p "), indented));
    EXPECT_TRUE(
        style.left(style.indexOf(QLatin1Char('>'))).contains(QStringLiteral("margin-left: 0.5in")))
        << style.left(200).toStdString();
}

TEST_F(MainWindowDocument, CancelAtSaveChangesKeepsTheDocumentOnDropAndClose)
{
    start(false);
    QFile other(path(QStringLiteral("other.txt")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("other text");
    other.close();
    insert(QStringLiteral("unsaved work"));

    dialogs.answers.push_back(Dialogs::Answer::Cancel);
    dropFile(path(QStringLiteral("other.txt")));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("unsaved work"));

    dialogs.answers.push_back(Dialogs::Answer::Cancel);
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("unsaved work"));
    EXPECT_EQ(dialogs.questions, QStringList({QStringLiteral("Save changes to Untitled?"),
                                              QStringLiteral("Save changes to Untitled?")}));

    // No at the question opens the dropped file.
    dialogs.answers.push_back(Dialogs::Answer::No);
    dropFile(path(QStringLiteral("other.txt")));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("other text"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("other.txt - Wordloom"));
}
