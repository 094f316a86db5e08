// What the program must never do to the user's work or to the user: read a
// file because pasted text names it, keep the window from closing because a
// settings file cannot be written, overwrite a file another program changed,
// or save a file it cannot open again without saying so.
#include "shell/formats/embedded_resources.h"
#include "shell/ui/document.h"
#include "shell/ui/document_editor.h"
#include "window_fixture.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextImageFormat>
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
        open();
    }

    QByteArray bytes(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    void put(const QString &path, const QByteArray &content) const
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(content), content.size());
    }

    // The names of the pictures in the editor's document.
    QStringList imageNames() const
    {
        QStringList names;
        const QTextDocument *doc = window->editor()->document();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat())
                    names << it.fragment().charFormat().toImageFormat().name();
        return names;
    }

    void pasteHtml(const QString &html)
    {
        auto *mime = new QMimeData;
        mime->setHtml(html);
        QGuiApplication::clipboard()->setMimeData(mime);
        window->editor()->paste();
        // Laid out and painted, as the screen would: that is when Qt looks
        // pictures up.
        window->editor()->document()->documentLayout()->documentSize();
        window->editor()->viewport()->grab();
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
    setPrefsLine(12, QStringLiteral("false")); // rich text
    open();
    // A pipe that records whether anyone opened it: a program that reads
    // it would hang on an empty one, so a writer stands by with a picture.
    QTemporaryDir dir;
    const QString fifo = dir.filePath("picture.png");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    std::atomic<bool> pasted{false};
    std::atomic<bool> openedDuringPaste{false};
    const QByteArray png = QByteArray::fromBase64(pngDataUrl(4).mid(22).toLatin1());
    std::thread writer([&] {
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY);
        openedDuringPaste = !pasted;
        if (fd >= 0) {
            (void)!::write(fd, png.constData(), size_t(png.size()));
            ::close(fd);
        }
    });

    const QString kept = pngDataUrl(8);
    const QString tooBig = pngDataUrl(EmbeddedResources::kMaxSide + 1);
    const QString url = QUrl::fromLocalFile(fifo).toString();
    pasteHtml(
        QStringLiteral("<html><head><link rel=\"stylesheet\" href=\"%1\"></head><body "
                       "style=\"background-image: url(%1)\">one <img src=\"%1\"> two <img "
                       "src=\"%2\"> three <img src=\"%3\"> four <img src=\"%4\"></body></html>")
            .arg(url, fifo, kept, tooBig));
    pasted = true;
    // Let the writer go, whatever happened.
    const int fd = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    writer.join();
    if (fd >= 0)
        ::close(fd);

    EXPECT_FALSE(openedDuringPaste) << "the paste read the file its HTML named";
    EXPECT_EQ(imageNames(), QStringList{kept});
    EXPECT_EQ(window->editor()->toPlainText().simplified(),
              QStringLiteral("one two three \uFFFC four"));
    // One undo takes the whole paste back, dropped pictures and all.
    window->editor()->undo();
    EXPECT_EQ(window->editor()->toPlainText(), QString());
}

TEST_F(NeverLose, UnwritableSettingsAskBeforeClosingWithoutThemAndTheDocumentQuestionStillComes)
{
    // A folder where view.ini belongs, and a prefs.ini made read-only in a
    // folder that is the user's.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("view.ini"));
    const QString prefs = programFile("prefs.ini");
    ASSERT_EQ(chmod(QFile::encodeName(prefs).constData(), 0444), 0);
    window->editor()->textCursor().insertText(QStringLiteral("Unsaved words."));

    dialogs.answers = {Dialogs::Answer::No};
    EXPECT_FALSE(window->close());
    ASSERT_EQ(dialogs.questions.size(), 1);
    const QString asked = dialogs.questions.at(0);
    EXPECT_TRUE(asked.startsWith(
        QStringLiteral("Cannot write %1: it is a folder.").arg(programFile("view.ini"))))
        << asked.toStdString();
    EXPECT_TRUE(asked.endsWith("Close without saving the settings?"));
    EXPECT_FALSE(asked.contains("prefs.ini")) << "a read-only file of the user's is replaced";
    struct stat st;
    ASSERT_EQ(stat(QFile::encodeName(prefs).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0200, 0200u);
    EXPECT_TRUE(window->isVisible());

    // Yes: the document question comes next, and its Cancel still keeps
    // the window.
    dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Cancel};
    EXPECT_FALSE(window->close());
    ASSERT_EQ(dialogs.questions.size(), 3);
    EXPECT_EQ(dialogs.questions.at(2), QStringLiteral("Save changes to Untitled?"));
    dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::No};
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(dialogs.unexpected.isEmpty());
}

TEST_F(NeverLose, FileChangedByAnotherProgramIsOverwrittenOnlyWhenTheUserSaysSo)
{
    const QString poem = programFile("poem.txt");
    put(poem, "first words\n");
    ASSERT_TRUE(window->document()->OpenDocument(poem));
    window->editor()->textCursor().insertText(QStringLiteral("Mine. "));
    // Saved here first: the program's own save is no change behind its back.
    ASSERT_TRUE(window->document()->FileSave());
    EXPECT_TRUE(dialogs.questions.isEmpty());

    put(poem, "their words\n");
    window->editor()->textCursor().insertText(QStringLiteral("More. "));
    dialogs.answers = {Dialogs::Answer::No};
    EXPECT_FALSE(window->document()->FileSave());
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questions.at(0),
              QStringLiteral("%1 was changed by another program. Overwrite it?").arg(poem));
    EXPECT_EQ(bytes(poem), "their words\n");
    EXPECT_TRUE(window->editor()->document()->isModified());

    dialogs.answers = {Dialogs::Answer::Yes};
    EXPECT_TRUE(window->document()->FileSave());
    EXPECT_EQ(bytes(poem), "Mine. More. first words\n");
    EXPECT_EQ(dialogs.questions.size(), 2);
}

TEST_F(NeverLose, SaveSaysFirstWhenWordloomCouldNotOpenTheFileAgain)
{
    // One paragraph past the limit, but for a line separator in its middle:
    // a plain-text file breaks the line there, an RTF file keeps the
    // paragraph whole.
    const qsizetype half = Document::kMaxParagraphLength / 2 + 1;
    QString text = QStringLiteral("ab ").repeated(half / 3 + 1);
    text += QChar::LineSeparator + text;
    QTextCursor(window->editor()->document()).insertText(text);
    const QString txt = programFile("long.txt");
    const QString rtf = programFile("long.rtf");

    dialogs.files = {txt, rtf};
    EXPECT_TRUE(window->document()->FileSaveAs());
    EXPECT_TRUE(dialogs.questions.isEmpty());
    window->editor()->document()->setModified(true);
    dialogs.answers = {Dialogs::Answer::No};
    EXPECT_FALSE(window->document()->FileSaveAs());
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions.at(0).startsWith(
        QStringLiteral("%1 would have a paragraph of %2 characters").arg(rtf).arg(text.size())))
        << dialogs.questions.at(0).toStdString();
    EXPECT_TRUE(dialogs.questions.at(0).endsWith("Save it anyway?"));
    EXPECT_FALSE(QFile::exists(rtf));
    EXPECT_EQ(window->document()->DocumentName(), txt);

    // What was saved without a word opens again.
    dialogs.messages.clear();
    ASSERT_TRUE(window->document()->OpenDocument(txt)) << dialogs.messages.join('\n').toStdString();
}

TEST_F(NeverLose, StartUpLeavesTheClipboardUnread)
{
    QGuiApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('x')));
    open();
    const auto *field = window->findChild<QLineEdit *>(QStringLiteral("edNoPaste"));
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->text().isEmpty());
}
