// What the program must never do to the user's work: read a file because
// pasted text names it, overwrite a file another program changed, or save
// a file it cannot open again without saying so.
#include "controls/document_editor.h"
#include "shell/formats/embedded_resources.h"
#include "shell/ui/document.h"
#include "window_fixture.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

class NeverLose : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        setPrefsLine(12, QStringLiteral("false")); // rich text
        open();
    }

    void put(const QString &path, const QByteArray &content) const
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(content) == content.size());
    }
};

QString pngDataUrl(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(buffer.data().toBase64());
}

} // namespace

TEST_F(NeverLose, PastedRichTextReadsNoFileItNamesAndKeepsOnlyEmbeddedPictures)
{
    // A pipe that tells whether it was opened before the paste was over; a
    // writer stands by with a picture, so a reader would not hang.
    QTemporaryDir dir;
    const QString fifo = dir.filePath("picture.png");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    std::atomic<bool> pasted{false}, openedDuringPaste{false};
    const QByteArray png = QByteArray::fromBase64(pngDataUrl(4).mid(22).toLatin1());
    std::thread writer([&] {
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY);
        openedDuringPaste = !pasted;
        (void)!::write(fd, png.constData(), size_t(png.size()));
        ::close(fd);
    });

    const QString kept = pngDataUrl(8);
    auto *mime = new QMimeData;
    mime->setHtml(QStringLiteral("<html><head><link rel=\"stylesheet\" href=\"%1\"></head><body "
                                 "style=\"background-image: url(%1)\">one <img src=\"%1\"> two "
                                 "<img src=\"%2\"> three <img src=\"%3\"> four <img src=\"%4\">")
                      .arg(QUrl::fromLocalFile(fifo).toString(), fifo, kept,
                           pngDataUrl(EmbeddedResources::kMaxSide + 1)));
    QGuiApplication::clipboard()->setMimeData(mime);
    window->editor()->paste();
    // Laid out and painted, as on the screen: that is when Qt looks
    // pictures up.
    window->editor()->document()->documentLayout()->documentSize();
    window->editor()->viewport()->grab();
    pasted = true;
    const int fd = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    writer.join();
    ::close(fd);

    EXPECT_FALSE(openedDuringPaste) << "the paste read the file its HTML named";
    const QString html = window->editor()->toHtml();
    EXPECT_EQ(html.count("<img"), 1);
    EXPECT_TRUE(html.contains(kept));
    EXPECT_EQ(window->editor()->toPlainText().simplified(), u"one two three \uFFFC four");
}

TEST_F(NeverLose, FileChangedByAnotherProgramIsOverwrittenOnlyWhenTheUserSaysSo)
{
    const QString poem = programFile("poem.txt");
    put(poem, "first words\n");
    ASSERT_TRUE(window->document()->OpenDocument(poem));
    window->editor()->textCursor().insertText(QStringLiteral("Mine. "));
    // The program's own save is no change behind its back.
    ASSERT_TRUE(window->document()->FileSave());
    EXPECT_TRUE(dialogs.questions.isEmpty());

    put(poem, "their words\n");
    dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    EXPECT_FALSE(window->document()->FileSave());
    EXPECT_EQ(fileLines("poem.txt").first(), "their words\n");
    EXPECT_EQ(
        dialogs.questions,
        QStringList{QStringLiteral("%1 was changed by another program. Overwrite it?").arg(poem)});
    EXPECT_TRUE(window->document()->FileSave());
    EXPECT_EQ(fileLines("poem.txt").first(), "Mine. first words\n");
}

TEST_F(NeverLose, SaveSaysFirstWhenWordloomCouldNotOpenTheFileAgain)
{
    // A paragraph past the limit but for a line separator in its middle: a
    // plain-text file breaks the line there, an RTF file keeps it whole.
    QString text = QStringLiteral("ab ").repeated(Document::kMaxParagraphLength / 6 + 1);
    text += QChar::LineSeparator + text;
    QTextCursor(window->editor()->document()).insertText(text);
    const QString txt = programFile("long.txt");
    const QString rtf = programFile("long.rtf");

    dialogs.files = {txt, rtf};
    dialogs.answers = {Dialogs::Answer::No};
    EXPECT_TRUE(window->document()->FileSaveAs());
    EXPECT_FALSE(window->document()->FileSaveAs());
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions.at(0).startsWith(
        QStringLiteral("%1 would have a paragraph of %2 characters").arg(rtf).arg(text.size())))
        << dialogs.questions.at(0).toStdString();
    EXPECT_FALSE(QFile::exists(rtf));
    // What was saved without a word opens again.
    EXPECT_TRUE(window->document()->OpenDocument(txt)) << dialogs.messages.join('\n').toStdString();
}

TEST_F(NeverLose, StartUpLeavesTheClipboardUnread)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("clipboard"));
    open();
    EXPECT_TRUE(window->findChild<QLineEdit *>(QStringLiteral("edNoPaste"))->text().isEmpty());
}

TEST_F(NeverLose, ReadOnlySettingsFilesOfTheUsersAreReplacedAtClose)
{
    for (const char *name : {"prefs.ini", "view.ini", "affixes.ini"}) {
        put(programFile(name), QByteArray());
        ASSERT_EQ(chmod(QFile::encodeName(programFile(name)).constData(), 0444), 0);
    }
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(dialogs.questions.isEmpty()) << dialogs.questions.join('\n').toStdString();
    EXPECT_GT(fileLines("prefs.ini").size(), 20);
    for (const char *name : {"prefs.ini", "view.ini", "affixes.ini"})
        EXPECT_TRUE(QFile::permissions(programFile(name)) & QFileDevice::WriteOwner) << name;
}
