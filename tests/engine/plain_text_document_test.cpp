#include "shell/formats/plain_text_document.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

class PlainTextDocumentTest : public testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }

    void write(const char *name, const QByteArray &bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray read(const char *name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
    QTextDocument doc;
    PlainTextFormat format;
    QString error;
};

} // namespace

TEST_F(PlainTextDocumentTest, WindowsFileGoesBackInItsCodePageAndLineEnds)
{
    write("old.txt", "caf\xE9 \x96 one\r\ntwo\r\n");
    ASSERT_TRUE(readPlainTextDocument(path("old.txt"), &doc, &format, &error));
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("café – one\ntwo\n"));
    EXPECT_EQ(format.encoding, TextFile::Encoding::Windows1252);
    EXPECT_EQ(format.lineEnd, QStringLiteral("\r\n"));

    QTextCursor(&doc).insertText(QStringLiteral("new "));
    ASSERT_TRUE(writePlainTextDocument(path("old.txt"), doc, format, &error));
    EXPECT_EQ(read("old.txt"), QByteArray("new caf\xE9 \x96 one\r\ntwo\r\n"));
}

TEST_F(PlainTextDocumentTest, Utf8FileKeepsItsBomAndBareLineFeeds)
{
    write("u.txt", "\xEF\xBB\xBF\xC5\xBC\xC3\xB3\xC5\x82w\nend");
    ASSERT_TRUE(readPlainTextDocument(path("u.txt"), &doc, &format, &error));
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("żółw\nend"));
    ASSERT_TRUE(writePlainTextDocument(path("u.txt"), doc, format, &error));
    EXPECT_EQ(read("u.txt"), QByteArray("\xEF\xBB\xBF\xC5\xBC\xC3\xB3\xC5\x82w\nend"));
}

// Writing a character the code page lacks as "?" would lose it.
TEST_F(PlainTextDocumentTest, WindowsFileWithANewForeignCharacterBecomesUtf8)
{
    write("old.txt", "caf\xE9\r\n");
    ASSERT_TRUE(readPlainTextDocument(path("old.txt"), &doc, &format, &error));
    QTextCursor(&doc).insertText(QString::fromUtf8("żółw "));
    ASSERT_TRUE(writePlainTextDocument(path("old.txt"), doc, format, &error));
    EXPECT_EQ(QString::fromUtf8(read("old.txt")), QString::fromUtf8("żółw café\r\n"));
}

TEST_F(PlainTextDocumentTest, NewFilesAreUtf8WithThePlatformsLineEnds)
{
    EXPECT_EQ(format.encoding, TextFile::Encoding::Utf8);
    EXPECT_EQ(format.lineEnd, PlainTextFormat::platformLineEnd());
    QTextCursor c(&doc);
    c.insertText(QString::fromUtf8("a—b"));
    c.insertBlock();
    c.insertText(QStringLiteral("c"));
    ASSERT_TRUE(writePlainTextDocument(path("new.txt"), doc, format, &error));
    EXPECT_EQ(
        read("new.txt"),
        QString::fromUtf8("a—b" + PlainTextFormat::platformLineEnd().toUtf8() + "c").toUtf8());
}

// A file without any line end must not inherit the previous file's.
TEST_F(PlainTextDocumentTest, EachReadStartsFromTheDefaults)
{
    write("crlf.txt", "caf\xE9\r\nx");
    write("single.txt", "one line");
    ASSERT_TRUE(readPlainTextDocument(path("crlf.txt"), &doc, &format, &error));
    ASSERT_TRUE(readPlainTextDocument(path("single.txt"), &doc, &format, &error));
    EXPECT_EQ(format.encoding, TextFile::Encoding::Utf8);
    EXPECT_EQ(format.lineEnd, PlainTextFormat::platformLineEnd());
}

TEST_F(PlainTextDocumentTest, FailuresAreReportedAndChangeNothing)
{
    QTextCursor(&doc).insertText(QStringLiteral("kept"));
    format.lineEnd = QStringLiteral("\r");
    EXPECT_FALSE(readPlainTextDocument(path("absent.txt"), &doc, &format, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("kept"));
    EXPECT_EQ(format.lineEnd, QStringLiteral("\r"));

    write("file", "x");
    error.clear();
    EXPECT_FALSE(writePlainTextDocument(path("file") + "/under.txt", doc, format, &error));
    EXPECT_FALSE(error.isEmpty());
}

// UTF-16 with its byte-order mark, either byte order, round trip unchanged;
// no-break spaces (here in UTF-8) stay no-break.
TEST_F(PlainTextDocumentTest, Utf16AndNoBreakSpacesComeBackAsTheyWere)
{
    const QString text = QString::fromUtf8("żółw\u00A0i\u00A0kot 😺\r\nend\r\n");
    const struct
    {
        TextFile::Encoding encoding;
        QByteArray bytes;
    } files[] = {
        {TextFile::Encoding::Utf16LE, TextFile::encode(text, TextFile::Encoding::Utf16LE)},
        {TextFile::Encoding::Utf16BE, TextFile::encode(text, TextFile::Encoding::Utf16BE)},
        {TextFile::Encoding::Utf8, text.toUtf8()},
    };
    ASSERT_TRUE(files[0].bytes.startsWith("\xFF\xFE\x7C\x01"));
    ASSERT_TRUE(files[1].bytes.startsWith("\xFE\xFF\x01\x7C"));
    for (const auto &f : files) {
        SCOPED_TRACE(int(f.encoding));
        write("t.txt", f.bytes);
        ASSERT_TRUE(readPlainTextDocument(path("t.txt"), &doc, &format, &error));
        EXPECT_EQ(doc.toRawText().replace(QChar::ParagraphSeparator, '\n'),
                  QString(text).replace("\r\n", "\n"));
        EXPECT_EQ(format.encoding, f.encoding);
        ASSERT_TRUE(writePlainTextDocument(path("t.txt"), doc, format, &error));
        EXPECT_EQ(read("t.txt"), f.bytes);
    }
    // An odd byte count is damage: read byte for byte, so nothing is lost.
    write("odd.txt", "\xFF\xFE"
                     "ABC");
    ASSERT_TRUE(readPlainTextDocument(path("odd.txt"), &doc, &format, &error));
    EXPECT_EQ(format.encoding, TextFile::Encoding::Windows1252);
    ASSERT_TRUE(writePlainTextDocument(path("odd.txt"), doc, format, &error));
    EXPECT_EQ(read("odd.txt"), QByteArray("\xFF\xFE"
                                          "ABC"));
}

TEST_F(PlainTextDocumentTest, UnicodeSeparatorsAreLineBreaksForTheLimits)
{
    for (const QChar separator : {QChar::ParagraphSeparator, QChar::LineSeparator}) {
        const QByteArray after = ("word" + QString(separator)).toUtf8();
        write("many.txt", after.repeated(60));
        EXPECT_FALSE(readPlainTextDocument(path("many.txt"), &doc, &format, &error, {50, 1000}));
        EXPECT_TRUE(error.contains("it has 60 lines")) << error.toStdString();
        // Within the limits each is a line of the editor's, as of the file
        // a save writes.
        write("few.txt", after.repeated(3));
        ASSERT_TRUE(readPlainTextDocument(path("few.txt"), &doc, &format, &error, {50, 1000}));
        EXPECT_EQ(doc.toRawText(), QStringLiteral("word\u2029word\u2029word\u2029"));
    }
}

TEST_F(PlainTextDocumentTest, WindowsTextThatStartsLikeUtf16ComesBackByteForByte)
{
    // "ÿþ" then an even number of bytes that UTF-16 reads without error.
    for (const QByteArray &bytes : {QByteArray("\xFF\xFE"
                                               "Caf\xE9 (au lait) here\r\nnext line\r\n"),
                                    QByteArray("\xFF\xFEone\ntwo) xy\n")}) {
        write("cp.txt", bytes);
        ASSERT_TRUE(readPlainTextDocument(path("cp.txt"), &doc, &format, &error));
        EXPECT_EQ(format.encoding, TextFile::Encoding::Windows1252);
        ASSERT_TRUE(writePlainTextDocument(path("cp.txt"), doc, format, &error));
        EXPECT_EQ(read("cp.txt"), bytes);
    }
}
