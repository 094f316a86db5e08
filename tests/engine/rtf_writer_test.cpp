#include "shell/formats/rtf_reader.h"
#include "shell/formats/rtf_writer.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

QTextCharFormat chars(const QString &family, double points, bool bold = false, bool italic = false,
                      bool underline = false, QColor color = QColor())
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(points);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    f.setFontUnderline(underline);
    if (color.isValid())
        f.setForeground(color);
    return f;
}

QTextBlockFormat para(Qt::Alignment align, double first = 0, double left = 0, double right = 0)
{
    QTextBlockFormat f;
    f.setAlignment(align);
    f.setTextIndent(first);
    f.setLeftMargin(left);
    f.setRightMargin(right);
    return f;
}

// A document with every property the writer keeps.
void buildSample(QTextDocument &doc)
{
    QTextCursor c(&doc);
    c.setBlockFormat(para(Qt::AlignLeft));
    c.insertText("Plain ", chars("Arial", 12));
    c.insertText("bold", chars("Arial", 12, true));
    c.insertText(" italic", chars("Arial", 12, false, true));
    c.insertText(" under", chars("Arial", 12, false, false, true));
    c.insertText(" all", chars("Courier New", 9.5, true, true, true, QColor(200, 10, 30)));
    c.insertBlock(para(Qt::AlignHCenter), chars("Arial", 12));
    c.insertText("Centred {braces} and \\ back\tslash", chars("Times New Roman", 20));
    c.insertBlock(para(Qt::AlignRight, 0, 0, 32), chars("Arial", 12));
    c.insertText(QString::fromUtf8("Right: caf\u00E9 \u2014 10 \u20AC \u0416 \U0001F600"),
                 chars("Arial", 14, false, false, false, QColor(0, 0, 255)));
    c.insertBlock(para(Qt::AlignJustify, -24, 48, 0), chars("Arial", 12));
    c.insertText(QString("Hanging") + QChar::LineSeparator + "second line" + QChar(0x00A0) + "nbsp",
                 chars("Arial", 12));
    c.insertBlock(para(Qt::AlignLeft), chars("Arial", 12)); // empty paragraph
    c.insertBlock(para(Qt::AlignLeft, 20, 10, 5), chars("Arial", 12));
    c.insertText("Last", chars("Arial", 12, false, false, false, QColor(200, 10, 30)));
}

QByteArray writeRtf(const QTextDocument &doc)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    RtfWriter writer;
    EXPECT_TRUE(writer.write(&buffer, doc)) << writer.errorString().toStdString();
    return buffer.data();
}

QString rawText(const QTextDocument &doc)
{
    return doc.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

void expectSameFormatting(const QTextDocument &expected, const QTextDocument &actual)
{
    ASSERT_EQ(rawText(actual).toStdString(), rawText(expected).toStdString());
    ASSERT_EQ(actual.blockCount(), expected.blockCount());
    for (int b = 0; b < expected.blockCount(); ++b) {
        SCOPED_TRACE(b);
        const QTextBlockFormat e = expected.findBlockByNumber(b).blockFormat();
        const QTextBlockFormat a = actual.findBlockByNumber(b).blockFormat();
        EXPECT_EQ(a.alignment() & Qt::AlignHorizontal_Mask,
                  e.alignment() & Qt::AlignHorizontal_Mask);
        EXPECT_DOUBLE_EQ(a.textIndent(), e.textIndent());
        EXPECT_DOUBLE_EQ(a.leftMargin(), e.leftMargin());
        EXPECT_DOUBLE_EQ(a.rightMargin(), e.rightMargin());
    }
    QTextCursor ec(const_cast<QTextDocument *>(&expected));
    QTextCursor ac(const_cast<QTextDocument *>(&actual));
    for (int pos = 1; pos < expected.characterCount(); ++pos) {
        ec.setPosition(pos);
        ac.setPosition(pos);
        if (ec.atBlockStart())
            continue; // the format before a block start is the block's own
        SCOPED_TRACE(pos);
        const QTextCharFormat e = ec.charFormat();
        const QTextCharFormat a = ac.charFormat();
        EXPECT_EQ(a.fontFamilies(), e.fontFamilies());
        EXPECT_DOUBLE_EQ(a.fontPointSize(), e.fontPointSize());
        EXPECT_EQ(a.fontWeight(), e.fontWeight());
        EXPECT_EQ(a.fontItalic(), e.fontItalic());
        EXPECT_EQ(a.fontUnderline(), e.fontUnderline());
        EXPECT_EQ(a.hasProperty(QTextFormat::ForegroundBrush),
                  e.hasProperty(QTextFormat::ForegroundBrush));
        if (e.hasProperty(QTextFormat::ForegroundBrush)) {
            EXPECT_EQ(a.foreground().color(), e.foreground().color());
        }
    }
}

TEST(RtfWriter, RoundTripKeepsTextAndFormatting)
{
    QTextDocument original;
    buildSample(original);
    const QByteArray rtf = writeRtf(original);

    QTextDocument copy;
    QTextCursor cursor(&copy);
    RtfReader reader;
    ASSERT_TRUE(reader.read(rtf, cursor)) << reader.errorString().toStdString();
    expectSameFormatting(original, copy);

    // And the copy writes the same bytes again.
    EXPECT_EQ(writeRtf(copy), rtf);
}

TEST(RtfWriter, RoundTripKeepsEmptyLastParagraphAndEmptyDocument)
{
    QTextDocument original;
    original.setPlainText("one\n\n");
    QTextDocument copy;
    QTextCursor cursor(&copy);
    ASSERT_TRUE(RtfReader().read(writeRtf(original), cursor));
    EXPECT_EQ(copy.toPlainText(), "one\n\n");

    QTextDocument empty;
    QTextDocument emptyCopy;
    QTextCursor emptyCursor(&emptyCopy);
    ASSERT_TRUE(RtfReader().read(writeRtf(empty), emptyCursor));
    EXPECT_TRUE(emptyCopy.isEmpty());
}

TEST(RtfWriter, HeaderTablesAndEscapes)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    c.setBlockFormat(para(Qt::AlignLeft, -24, 96, 48));
    c.insertText("a{b}\\c", chars("Arial", 12));
    c.insertText(QString::fromUtf8("\td\u00E9\u20AC\u0416\U0001F600"),
                 chars("Courier New", 11, false, false, false, Qt::red));
    c.insertText("x", chars("Arial", 12, false, false, false, Qt::red));
    const QByteArray rtf = writeRtf(doc);

    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0")) << rtf.toStdString();
    EXPECT_TRUE(rtf.endsWith("}\n"));
    // Each font and colour once.
    EXPECT_EQ(rtf.count("Arial;"), 1);
    EXPECT_EQ(rtf.count("Courier New;"), 1);
    EXPECT_EQ(rtf.count("\\red255\\green0\\blue0;"), 1);
    EXPECT_TRUE(rtf.contains("a\\{b\\}\\\\c")) << rtf.toStdString();
    // Non-ASCII as \uN with a Windows-1252 fallback where there is one,
    // negative N above 32767, one \u per surrogate half.
    EXPECT_TRUE(rtf.contains("\\tab d\\u233\\'e9\\u8364\\'80\\u1046?\\u-10179?\\u-8704?"))
        << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\fs22"));
    EXPECT_TRUE(rtf.contains("\\cf1"));
    // Indents go out in twips.
    EXPECT_TRUE(rtf.contains("\\fi-360\\li1440\\ri720")) << rtf.toStdString();
    // Nothing but 7-bit bytes.
    for (char ch : rtf)
        ASSERT_LT(uchar(ch), 0x80);
}

TEST(RtfWriter, WritesASelection)
{
    QTextDocument doc;
    buildSample(doc);
    QTextCursor selection(&doc);
    selection.setPosition(6); // "bold ..."
    selection.setPosition(int(doc.toPlainText().indexOf("Centred")) + 7, QTextCursor::KeepAnchor);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(RtfWriter().write(&buffer, selection));

    QTextDocument pasted;
    QTextCursor cursor(&pasted);
    ASSERT_TRUE(RtfReader().read(buffer.data(), cursor));
    EXPECT_EQ(pasted.toPlainText(), "bold italic under all\nCentred");
    EXPECT_EQ(pasted.findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
}

// Accepts a set number of bytes, then refuses.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 capacity)
        : m_capacity(capacity)
    {
        open(QIODevice::WriteOnly);
    }
    qint64 written = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        if (written + size > m_capacity) {
            setErrorString("disk full");
            return -1;
        }
        written += size;
        return size;
    }

private:
    qint64 m_capacity;
};

TEST(RtfWriter, FailedWritesAreReported)
{
    QTextDocument doc;
    doc.setPlainText(QString(200000, QLatin1Char('x')));

    FailingDevice device(100000);
    RtfWriter writer;
    EXPECT_FALSE(writer.write(&device, doc));
    EXPECT_TRUE(writer.errorString().contains("disk full")) << writer.errorString().toStdString();

    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_FALSE(writer.write(&readOnly, doc));
    EXPECT_FALSE(writer.errorString().isEmpty());

    FailingDevice roomy(1 << 22);
    EXPECT_TRUE(writer.write(&roomy, doc));
    EXPECT_TRUE(writer.errorString().isEmpty());
    EXPECT_GT(roomy.written, 200000);
}

// The writer's output as another word processor reads it: LibreOffice
// converts it to HTML, which QTextDocument reads back.
TEST(RtfWriter, LibreOfficeReadsTheOutput)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    QTextDocument original;
    buildSample(original);
    QFile file(dir.filePath("sample.rtf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    RtfWriter writer;
    ASSERT_TRUE(writer.write(&file, original));
    file.close();

    QProcess process;
    process.start(
        soffice,
        {"-env:UserInstallation=" + QUrl::fromLocalFile(dir.filePath("profile")).toString(),
         "--headless", "--convert-to", "html", "--outdir", dir.path(), file.fileName()});
    ASSERT_TRUE(process.waitForFinished(180000));
    QFile html(dir.filePath("sample.html"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly)) << process.readAll().toStdString();
    QTextDocument converted;
    const QString htmlText = QString::fromUtf8(html.readAll());
    converted.setHtml(htmlText);

    const auto text = [](const QTextDocument &doc) {
        QStringList blocks;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            blocks << b.text().replace(QChar::LineSeparator, QLatin1Char('\n')).trimmed();
        blocks.removeAll(QString());
        return blocks.join(QLatin1Char('|'));
    };
    // HTML has no tabs: the one tab comes back as a space.
    EXPECT_EQ(text(converted).toStdString(),
              text(original).replace(QLatin1Char('\t'), QLatin1Char(' ')).toStdString());

    const auto charAt = [](const QTextDocument &doc, const QString &what) {
        QTextCursor c(const_cast<QTextDocument *>(&doc));
        c.setPosition(int(doc.toPlainText().indexOf(what)) + 1);
        return c.charFormat();
    };
    EXPECT_EQ(charAt(converted, "bold").fontWeight(), QFont::Bold);
    EXPECT_NE(charAt(converted, "Plain").fontWeight(), QFont::Bold);
    EXPECT_TRUE(charAt(converted, "italic").fontItalic());
    EXPECT_TRUE(charAt(converted, "under").fontUnderline());
    EXPECT_EQ(charAt(converted, "all").foreground().color(), QColor(200, 10, 30));
    EXPECT_EQ(charAt(converted, "Centred").fontPointSize(), 20);

    const auto alignOf = [](const QTextDocument &doc, const QString &what) {
        return doc.findBlock(int(doc.toPlainText().indexOf(what))).blockFormat().alignment() &
               (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify);
    };
    EXPECT_EQ(alignOf(converted, "Centred"), Qt::AlignHCenter);
    EXPECT_EQ(alignOf(converted, "Right:"), Qt::AlignRight);
    // QTextDocument ignores inch units in HTML, so the indents are read
    // from the paragraph's style: 48 and -24 pixels are half and a quarter
    // of an inch.
    const qsizetype hanging = htmlText.indexOf("Hanging");
    const QString style = htmlText.mid(htmlText.lastIndexOf("<p ", hanging));
    EXPECT_TRUE(style.startsWith(QStringLiteral("<p align=\"justify\"")));
    EXPECT_TRUE(style.left(style.indexOf('>')).contains("margin-left: 0.5in; text-indent: -0.25in"))
        << style.toStdString();
}

} // namespace
