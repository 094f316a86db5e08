// Documents that cannot be opened or saved: each is reported, and the text
// in the editor, its name and its modified flag stay as they were.
#include "shell/ui/document.h"
#include "shell/ui/document_editor.h"
#include "window_fixture.h"

#include <QFile>
#include <random>

namespace {

class BadDocument : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        open();
        window->editor()->setPlainText(QStringLiteral("A poem not yet saved."));
        window->editor()->document()->setModified(true);
    }

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_files.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    // One message, holding every fragment; nothing else changed.
    void expectRefused(const QStringList &fragments)
    {
        ASSERT_EQ(dialogs.messages.size(), 1) << dialogs.messages.join('\n').toStdString();
        for (const QString &f : fragments)
            EXPECT_TRUE(dialogs.messages.at(0).contains(f))
                << dialogs.messages.at(0).left(300).toStdString() << " lacks " << f.toStdString();
        EXPECT_EQ(window->editor()->toPlainText(), "A poem not yet saved.");
        EXPECT_TRUE(window->editor()->document()->isModified());
        EXPECT_TRUE(window->document()->isUntitled());
    }

    QTemporaryDir m_files;
};

QByteArray binaryBytes()
{
    // The start of an executable, then noise.
    QByteArray bytes("\x7f"
                     "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0",
                     16);
    std::mt19937 gen(7);
    for (int i = 0; i < 4096; ++i)
        bytes.append(char(gen() & 0xFF));
    return bytes;
}

} // namespace

TEST_F(BadDocument, BinaryFileIsNotOpenedAsText)
{
    const QString path = writeFile("program.txt", binaryBytes());
    EXPECT_FALSE(window->document()->OpenDocument(path));
    expectRefused({path, "not a text document"});
}

TEST_F(BadDocument, BinaryFileNamedRtfIsNotOpened)
{
    const QString path = writeFile("picture.rtf", binaryBytes());
    EXPECT_FALSE(window->document()->OpenDocument(path));
    expectRefused({path, "Not an RTF document"});
}

TEST_F(BadDocument, HundredMegabyteTextIsRefusedBeforeItIsRead)
{
    const QString path = m_files.filePath("huge.txt");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QByteArray line =
            QByteArray("the cat sat on the mat and sang of rivers. ").repeated(23) + "\n";
        const QByteArray block = line.repeated(1100).left(1024 * 1024);
        for (int i = 0; i < 100; ++i)
            ASSERT_EQ(f.write(block), block.size());
    }
    EXPECT_FALSE(window->document()->OpenDocument(path));
    expectRefused({path, "100.0 MB", "64 MB"});
}

TEST_F(BadDocument, RtfNestedAHundredThousandGroupsDeepIsRefused)
{
    const int depth = 100000;
    const QByteArray rtf =
        "{\\rtf1\\ansi " + QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + "}";
    const QString path = writeFile("deep.rtf", rtf);
    EXPECT_FALSE(window->document()->OpenDocument(path));
    expectRefused({path, "nested more than"});
}

TEST_F(BadDocument, DocumentDirectoryThatCannotBeWrittenKeepsTheTextUnsaved)
{
    // A file where the directory should be: no write succeeds there, even
    // for root, whom permissions do not stop.
    const QString notADir = writeFile("folder", "plain file");
    for (const QString &name : {QStringLiteral("poem.rtf"), QStringLiteral("poem.txt")}) {
        SCOPED_TRACE(name.toStdString());
        dialogs.messages.clear();
        const QString path = notADir + QLatin1Char('/') + name;
        dialogs.files = {path};
        EXPECT_FALSE(window->document()->FileSaveAs());
        expectRefused({path});
        EXPECT_TRUE(dialogs.messages.at(0).startsWith("Cannot"));
    }
    // The same document still saves where it can.
    dialogs.files = {m_files.filePath("poem.rtf")};
    EXPECT_TRUE(window->document()->FileSaveAs());
    EXPECT_FALSE(window->editor()->document()->isModified());
}
