// Documents that cannot be opened or saved: each is reported, and the text
// in the editor, its name and its modified flag stay as they were.
#include "controls/document_editor.h"
#include "shell/ui/document.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextLayout>
#include <optional>
#include <random>
#include <sys/stat.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

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

// Whether a block far larger than the C library maps on its own comes from
// the heap instead; unknown under a sanitizer, whose allocator is its own.
std::optional<bool> bigBlockFromHeap()
{
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
    const size_t mapsBefore = mallinfo2().hblks;
    auto *block = static_cast<volatile char *>(std::malloc(64 * 1024 * 1024));
    block[0] = 1;
    const bool mapped = mallinfo2().hblks > mapsBefore;
    std::free(const_cast<char *>(block));
    return !mapped;
#else
    return std::nullopt;
#endif
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
    expectRefused({path, "100.0 MB", "20 MB"});

    // Many short lines cost the editor more than their bytes say.
    dialogs.messages.clear();
    const QString lines = writeFile("lines.txt", QByteArray("a b\n").repeated(500001));
    EXPECT_FALSE(window->document()->OpenDocument(lines));
    expectRefused({lines, "500001 lines", "up to 500000 lines"});

    // So does a paragraph of millions of characters, every click in which
    // lays it out again.
    const QByteArray words = QByteArray("word ").repeated(300001);
    // RTF is read only up to where the paragraph passes the limit.
    for (const auto &[paragraph, size] :
         {std::pair{writeFile("paragraph.txt", "Title\n" + words), "1500005"},
          std::pair{writeFile("paragraph.rtf", "{\\rtf1\\ansi Title\\par " + words + "}"),
                    "more than 1500000"}}) {
        dialogs.messages.clear();
        EXPECT_FALSE(window->document()->OpenDocument(paragraph));
        expectRefused({paragraph, QStringLiteral("a paragraph of %1 characters").arg(size),
                       "up to 1500000 characters"});
    }
}

TEST_F(BadDocument, AWordLongerThanAnyLineIsBrokenAnywhereOnlyInItsDocument)
{
    const QString longWord = writeFile("long.txt", "A " + QByteArray(20000, 'x') + " end\n");
    const QString prose = writeFile("prose.txt", "Plain words wrap between words.\n");
    ASSERT_TRUE(window->document()->OpenDocument(longWord));
    EXPECT_EQ(window->editor()->wordWrapMode(), QTextOption::WrapAnywhere);
    ASSERT_TRUE(window->document()->OpenDocument(prose));
    EXPECT_EQ(window->editor()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

TEST_F(BadDocument, AParagraphOfAHundredThousandCharactersIsLaidOutWithoutShaping)
{
    const QString paragraph =
        writeFile("paragraph.txt", QByteArray("the river sang ").repeated(7000) + "\nShort.\n");
    const QString prose = writeFile("prose.txt", "Plain words.\n");
    const auto shaped = [this] {
        return !(window->editor()->document()->defaultFont().styleStrategy() &
                 QFont::PreferNoShaping);
    };
    ASSERT_TRUE(shaped());
    ASSERT_TRUE(window->document()->OpenDocument(paragraph));
    EXPECT_FALSE(shaped());
    EXPECT_EQ(window->editor()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Its layout is kept between edits, and the short one after it is not.
    EXPECT_TRUE(window->editor()->document()->firstBlock().layout()->cacheEnabled());
    EXPECT_FALSE(window->editor()->document()->lastBlock().layout()->cacheEnabled());
    if (const auto fromHeap = bigBlockFromHeap()) {
        EXPECT_TRUE(*fromHeap);
    }

    // A font chosen meanwhile is laid out the same way, and is remembered
    // as chosen.
    PreferenceValues values = window->preferences().values();
    values.fontSize = 21;
    window->preferences().assign(values);
    EXPECT_EQ(window->editor()->font().pointSize(), 21);
    EXPECT_FALSE(shaped());
    EXPECT_FALSE(window->document()->editorFont().styleStrategy() & QFont::PreferNoShaping);

    ASSERT_TRUE(window->document()->OpenDocument(prose));
    EXPECT_TRUE(shaped());
    EXPECT_EQ(window->editor()->document()->defaultFont().pointSize(), 21);
    if (const auto fromHeap = bigBlockFromHeap()) {
        EXPECT_FALSE(*fromHeap);
    }
}

TEST_F(BadDocument, APasteThatWouldMakeAParagraphTooLongIsRefused)
{
    DocumentEditor *editor = window->editor();
    editor->setParagraphLimit(30);
    const auto pasteOver = [editor](int start, int length, const QString &text) {
        QTextCursor c = editor->textCursor();
        c.setPosition(start);
        c.setPosition(start + length, QTextCursor::KeepAnchor);
        editor->setTextCursor(c);
        QGuiApplication::clipboard()->setText(text);
        editor->paste();
    };
    // 21 characters, less the 4 of "poem", and 14 more.
    pasteOver(2, 4, QStringLiteral("0123456789abcd"));
    expectRefused({"Cannot paste", "a paragraph of 31 characters", "up to 30 characters"});

    // A break in the text ends the paragraph the text goes into; the text
    // after the last break begins the next.
    dialogs.messages.clear();
    pasteOver(2, 4, QStringLiteral("0123456789abc\n") + QString(31, u'z'));
    expectRefused({"a paragraph of 46 characters"});
    dialogs.messages.clear();
    pasteOver(2, 4, QStringLiteral("0123456789abc"));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
    EXPECT_EQ(editor->toPlainText(), "A 0123456789abc not yet saved.");
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

TEST_F(BadDocument, DevicesPipesAndFoldersAreRefusedAtOnce)
{
    // Reading /dev/zero never ends and opening a pipe waits for a writer.
    const QString pipe = m_files.filePath("pipe.txt");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString folder = m_files.filePath("folder.rtf");
    ASSERT_TRUE(QDir().mkdir(folder));
    for (const QString &path : {QStringLiteral("/dev/zero"), pipe, folder}) {
        SCOPED_TRACE(path.toStdString());
        dialogs.messages.clear();
        EXPECT_FALSE(window->document()->OpenDocument(path));
        expectRefused({path, path == folder ? "it is a folder" : "not a file"});
    }
}

TEST_F(BadDocument, RtfCutShortOpensWhatItHoldsAndOtherDamageIsRefusedWithItsOffset)
{
    const QString damaged = writeFile("damaged.rtf", "{\\rtf1\\ansi one \\'zz two}");
    EXPECT_FALSE(window->document()->OpenDocument(damaged));
    expectRefused({damaged, "byte offset 16"});

    dialogs.messages.clear();
    const QString cut = writeFile("cut.rtf", "{\\rtf1\\ansi {\\b bold} plain\\par more {\\i slant");
    EXPECT_TRUE(window->document()->OpenDocument(cut));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.at(0).startsWith(cut + " was incomplete"));
    EXPECT_EQ(window->editor()->toPlainText(), "bold plain\nmore slant");
    EXPECT_EQ(window->document()->DocumentName(), cut);
    EXPECT_FALSE(window->editor()->document()->isModified());
    // Cut inside an escape is cut short too.
    dialogs.messages.clear();
    EXPECT_TRUE(window->document()->OpenDocument(writeFile("cut2.rtf", "{\\rtf1 caf\\'e")));
    EXPECT_EQ(window->editor()->toPlainText(), "caf");
    EXPECT_EQ(dialogs.messages.size(), 1);
}
