#include "shell/formats/rtf_reader.h"

#include <QBuffer>
#include <QFile>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

struct Read
{
    std::unique_ptr<QTextDocument> doc = std::make_unique<QTextDocument>();
    bool ok = false;
    QString error;
    qint64 offset = -1;
};

Read readRtf(const QByteArray &rtf)
{
    Read r;
    QTextCursor cursor(r.doc.get());
    RtfReader reader;
    r.ok = reader.read(rtf, cursor);
    r.error = reader.errorString();
    r.offset = reader.errorOffset();
    return r;
}

// The format of the first character of `what`.
QTextCharFormat formatOf(const QTextDocument &doc, const QString &what)
{
    const int at = int(doc.toPlainText().indexOf(what));
    EXPECT_GE(at, 0) << what.toStdString();
    QTextCursor cursor(const_cast<QTextDocument *>(&doc));
    cursor.setPosition(qMax(0, at) + 1);
    return cursor.charFormat();
}

// Unlike toPlainText(), keeps line separators and no-break spaces.
QString rawText(const QTextDocument &doc)
{
    return doc.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

QTextBlockFormat blockOf(const QTextDocument &doc, int number)
{
    return doc.findBlockByNumber(number).blockFormat();
}

QString family(const QTextCharFormat &format)
{
    return format.fontFamilies().toStringList().value(0);
}

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(WORDLOOM_TEST_DIR "/fixtures/rtf/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

TEST(RtfReader, CharacterFormatting)
{
    const Read r = readRtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1\\froman Times New "
                           "Roman;}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
                           "plain \\b bold\\b0  \\i italic\\i0  \\ul under\\ulnone  "
                           "{\\f1\\fs40 big} \\cf1 red\\cf0  auto {\\cf2\\b\\i\\ul all} \\plain "
                           "reset}");
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.doc->toPlainText().toStdString(), "plain bold italic under big red auto all reset");

    const QTextCharFormat plain = formatOf(*r.doc, "plain");
    EXPECT_EQ(family(plain), "Arial");
    EXPECT_EQ(plain.fontPointSize(), 12);
    EXPECT_EQ(plain.fontWeight(), QFont::Normal);
    EXPECT_FALSE(plain.hasProperty(QTextFormat::ForegroundBrush));

    EXPECT_EQ(formatOf(*r.doc, "bold").fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf(*r.doc, " italic").fontWeight(), QFont::Normal);
    EXPECT_TRUE(formatOf(*r.doc, "italic").fontItalic());
    EXPECT_FALSE(formatOf(*r.doc, " under").fontItalic());
    EXPECT_TRUE(formatOf(*r.doc, "under").fontUnderline());
    EXPECT_FALSE(formatOf(*r.doc, " big").fontUnderline());

    const QTextCharFormat big = formatOf(*r.doc, "big");
    EXPECT_EQ(family(big), "Times New Roman");
    EXPECT_EQ(big.fontPointSize(), 20);
    // The group ended: font and size come back.
    EXPECT_EQ(family(formatOf(*r.doc, " red")), "Arial");
    EXPECT_EQ(formatOf(*r.doc, " red").fontPointSize(), 12);

    EXPECT_EQ(formatOf(*r.doc, "red").foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(formatOf(*r.doc, "auto").hasProperty(QTextFormat::ForegroundBrush));
    const QTextCharFormat all = formatOf(*r.doc, "all");
    EXPECT_EQ(all.foreground().color(), QColor(0, 0, 128));
    EXPECT_TRUE(all.fontItalic() && all.fontUnderline());
    EXPECT_EQ(all.fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf(*r.doc, "reset").fontWeight(), QFont::Normal);

    // A font table without entry groups.
    const Read fonts = readRtf("{\\rtf1\\deff1{\\fonttbl\\f0\\fnil Courier;\\f1\\fswiss Verdana;}"
                               "x{\\f0 y}}");
    ASSERT_TRUE(fonts.ok);
    EXPECT_EQ(family(formatOf(*fonts.doc, "x")), "Verdana");
    EXPECT_EQ(family(formatOf(*fonts.doc, "y")), "Courier");
}

TEST(RtfReader, ParagraphsAlignmentAndIndents)
{
    const Read r = readRtf("{\\rtf1 \\pard\\qc centre\\par \\pard\\qr right\\par "
                           "\\pard\\qj\\fi-360\\li720\\ri1440 hanging\\par \\pard plain\\par}");
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    // The final paragraph mark adds no empty block.
    ASSERT_EQ(r.doc->blockCount(), 4);
    EXPECT_EQ(r.doc->toPlainText(), "centre\nright\nhanging\nplain");
    EXPECT_EQ(blockOf(*r.doc, 0).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(blockOf(*r.doc, 1).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    const QTextBlockFormat hanging = blockOf(*r.doc, 2);
    EXPECT_EQ(hanging.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    // Twips to pixels: 15 twips a pixel.
    EXPECT_DOUBLE_EQ(hanging.textIndent(), -24);
    EXPECT_DOUBLE_EQ(hanging.leftMargin(), 48);
    EXPECT_DOUBLE_EQ(hanging.rightMargin(), 96);
    // \pard resets everything.
    const QTextBlockFormat plain = blockOf(*r.doc, 3);
    EXPECT_EQ(plain.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(plain.leftMargin(), 0);
    EXPECT_DOUBLE_EQ(plain.textIndent(), 0);

    // Empty paragraphs count; a last paragraph needs no mark.
    const Read last = readRtf("{\\rtf1 one\\par\\par \\qc three}");
    ASSERT_TRUE(last.ok);
    EXPECT_EQ(last.doc->toPlainText(), "one\n\nthree");
    EXPECT_EQ(blockOf(*last.doc, 2).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(blockOf(*last.doc, 0).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST(RtfReader, SpecialAndUnicodeCharacters)
{
    const Read r = readRtf("{\\rtf1 a\\tab b\\line c\\emdash\\endash\\lquote\\rquote\\ldblquote"
                           "\\rdblquote\\bullet\\~\\-\\_ \\{\\}\\\\}");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.doc->blockCount(), 1);
    EXPECT_EQ(rawText(*r.doc),
              QString::fromUtf8("a\tb\u2028c\u2014\u2013\u2018\u2019\u201C\u201D\u2022"
                                "\u00A0\u00AD\u2011 {}\\"));

    // \uc1 default: one fallback character is skipped; \uc2 skips two, and
    // a \'hh counts as one. Negative values and surrogate pairs are read.
    const Read uni = readRtf("{\\rtf1 caf\\u233\\'e9 {\\uc2\\u8364\\'80\\'80 x}"
                             "\\u-10179?\\u-8704? \\u8212?y\\u8212 z}");
    ASSERT_TRUE(uni.ok);
    EXPECT_EQ(uni.doc->toPlainText(),
              QString::fromUtf8("caf\u00E9 \u20AC x\U0001F600 \u2014y\u2014"));
    // The skip ends with the group.
    EXPECT_EQ(readRtf("{\\rtf1 {\\uc3\\u233}kept}").doc->toPlainText(),
              QString::fromUtf8("\u00E9kept"));
}

TEST(RtfReader, HexBytesFollowTheCodePage)
{
    const Read ansi = readRtf("{\\rtf1\\ansi\\ansicpg1252 \\'80\\'e9\\'97\\'93x\\'94}");
    ASSERT_TRUE(ansi.ok);
    EXPECT_EQ(ansi.doc->toPlainText(), QString::fromUtf8("\u20AC\u00E9\u2014\u201Cx\u201D"));

    // Windows-1251 through the document's \ansicpg and through a font's
    // \fcharset; where the platform lacks the page, Windows-1252 is used.
    const bool haveCyrillic = QStringDecoder("windows-1251").isValid();
    const QString privet = haveCyrillic ? QString::fromUtf8("\u043F\u0440\u0438")
                                        : QString::fromUtf8("\u00EF\u00F0\u00E8");
    const Read page = readRtf("{\\rtf1\\ansi\\ansicpg1251 \\'ef\\'f0\\'e8}");
    ASSERT_TRUE(page.ok);
    EXPECT_EQ(page.doc->toPlainText(), privet);
    const Read charset = readRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial "
                                 "Cyr;}}\\'e9{\\f1 \\'ef\\'f0\\'e8}\\'e9}");
    ASSERT_TRUE(charset.ok);
    EXPECT_EQ(charset.doc->toPlainText(),
              QString::fromUtf8("\u00E9") + privet + QString::fromUtf8("\u00E9"));

    if (QStringDecoder("windows-1250").isValid()) {
        const Read czech = readRtf("{\\rtf1\\ansi\\ansicpg1250 \\'9e\\'e8}");
        EXPECT_EQ(czech.doc->toPlainText(), QString::fromUtf8("\u017E\u010D"));
    }
    // Raw bytes above 127 in the text follow the same page.
    const Read raw = readRtf("{\\rtf1\\ansi caf\xe9}");
    EXPECT_EQ(raw.doc->toPlainText(), QString::fromUtf8("caf\u00E9"));
}

TEST(RtfReader, SkipsDestinationsThatAreNotText)
{
    const Read r = readRtf("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial{\\*\\falt Helvetica};}}"
                           "{\\stylesheet{\\s0 Normal;}}{\\info{\\title The title}{\\author Me}}"
                           "{\\header header text}{\\footerl footer text}"
                           "{\\*\\generator Some writer;}{\\*\\unknowndest hidden}"
                           "A{\\footnote note}B{\\pict\\pngblip 89504e47}C"
                           "{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}}"
                           "{\\object{\\*\\objdata 0102}{\\result shown}}{\\listtext 1.\\tab}D"
                           "{\\pict\\bin3 {}}}E}");
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.doc->toPlainText(), "ABClinkshownDE");
    EXPECT_EQ(family(formatOf(*r.doc, "A")), "Arial");
}

TEST(RtfReader, InsertsAtTheCursorOfAnExistingDocument)
{
    QTextDocument doc;
    doc.setPlainText("Hello world");
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextCursor(&doc).setBlockFormat(centred);
    QTextCursor cursor(&doc);
    cursor.setPosition(6);
    RtfReader reader;
    ASSERT_TRUE(reader.read(QByteArray("{\\rtf1 {\\b big} \\par}"), cursor));
    // A trailing paragraph mark does not split the paragraph, and the
    // paragraph keeps its own format.
    EXPECT_EQ(doc.toPlainText(), "Hello big world");
    EXPECT_EQ(cursor.position(), 10);
    EXPECT_EQ(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(formatOf(doc, "big").fontWeight(), QFont::Bold);

    // Two paragraphs split it; a selection is replaced.
    cursor.setPosition(0);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    ASSERT_TRUE(reader.read(QByteArray("{\\rtf1 one\\par two}"), cursor));
    EXPECT_EQ(doc.toPlainText(), "one\ntwo big world");
}

TEST(RtfReader, ReaderIsReusable)
{
    RtfReader reader;
    QTextDocument first;
    QTextCursor c1(&first);
    EXPECT_FALSE(reader.read(QByteArray("{\\rtf1 broken"), c1));
    EXPECT_FALSE(reader.errorString().isEmpty());
    QTextDocument second;
    QTextCursor c2(&second);
    ASSERT_TRUE(reader.read(QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\b fine}"), c2));
    EXPECT_TRUE(reader.errorString().isEmpty());
    EXPECT_EQ(reader.errorOffset(), -1);
    EXPECT_EQ(second.toPlainText(), "fine");
}

TEST(RtfReader, LibreOfficeFixture)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QByteArray data = fixture("libreoffice_sample.rtf");
    QBuffer buffer(&data);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    RtfReader reader;
    ASSERT_TRUE(reader.read(&buffer, cursor)) << reader.errorString().toStdString();
    EXPECT_EQ(doc.toPlainText(),
              QString::fromUtf8("Plain start with bold, italic and underlined words.\n"
                                "A centred line\n"
                                "A right-aligned line\n"
                                "An indented paragraph that has a first-line indent, a left "
                                "indent and a right indent.\n"
                                "Caf\u00E9 \u2014 price 10 \u20AC and red and big."));
    EXPECT_EQ(formatOf(doc, "bold").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatOf(doc, "italic").fontItalic());
    EXPECT_TRUE(formatOf(doc, "underlined").fontUnderline());
    EXPECT_FALSE(formatOf(doc, "Plain").fontUnderline());
    EXPECT_EQ(family(formatOf(doc, "Plain")), "Liberation Serif");
    EXPECT_EQ(formatOf(doc, "red and").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatOf(doc, "big").fontPointSize(), 16);
    EXPECT_EQ(blockOf(doc, 1).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(blockOf(doc, 2).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    // One inch left, half an inch right and first line, at 96 pixels an inch.
    EXPECT_DOUBLE_EQ(blockOf(doc, 3).leftMargin(), 96);
    EXPECT_DOUBLE_EQ(blockOf(doc, 3).rightMargin(), 48);
    EXPECT_DOUBLE_EQ(blockOf(doc, 3).textIndent(), 48);
}

TEST(RtfReader, PandocFixture)
{
    const Read r = readRtf(fixture("pandoc_sample.rtf"));
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.doc->toPlainText(),
              QString::fromUtf8("Plain start with bold, italic and underlined words.\n"
                                "An indented quotation.\n"
                                "Caf\u00E9 \u2014 price 10 \u20AC and \u201Cquoted\u201D text."));
    EXPECT_EQ(formatOf(*r.doc, "bold").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatOf(*r.doc, "italic").fontItalic());
    EXPECT_TRUE(formatOf(*r.doc, "underlined").fontUnderline());
    EXPECT_EQ(formatOf(*r.doc, ", italic").fontWeight(), QFont::Normal);
    EXPECT_EQ(family(formatOf(*r.doc, "Plain")), "Helvetica");
    EXPECT_DOUBLE_EQ(blockOf(*r.doc, 1).leftMargin(), 48);
    EXPECT_DOUBLE_EQ(blockOf(*r.doc, 0).leftMargin(), 0);
}

TEST(RtfReader, RefusesWhatIsNotRtf)
{
    for (const QByteArray &data :
         {QByteArray(), QByteArray("plain text"), QByteArray("{\\rtfx}"), QByteArray("{x}")}) {
        const Read r = readRtf(data);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.contains("byte offset 0")) << r.error.toStdString();
        EXPECT_TRUE(r.doc->isEmpty());
    }
}

TEST(RtfReader, DamagedFilesKeepWhatWasReadAndNameTheOffset)
{
    // Truncated: the text before the cut is kept.
    const QByteArray whole = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\pard\\qc first\\par second "
                             "paragraph\\par}";
    const Read cut = readRtf(whole.left(whole.indexOf("paragraph") + 4));
    EXPECT_FALSE(cut.ok);
    EXPECT_EQ(cut.offset, whole.indexOf("paragraph") + 4);
    EXPECT_TRUE(cut.error.contains(QString::number(cut.offset)));
    EXPECT_EQ(cut.doc->toPlainText(), "first\nsecond para");
    EXPECT_EQ(blockOf(*cut.doc, 0).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // A bad escape in the middle.
    const Read hex = readRtf("{\\rtf1 good\\'4x bad}");
    EXPECT_FALSE(hex.ok);
    EXPECT_EQ(hex.offset, 11);
    EXPECT_EQ(hex.doc->toPlainText(), "good");

    // Unbalanced braces: missing closers are an error, extra closers end
    // the document.
    const Read open = readRtf("{\\rtf1 {\\b a{\\i b}");
    EXPECT_FALSE(open.ok);
    EXPECT_EQ(open.doc->toPlainText(), "ab");
    const Read extra = readRtf("{\\rtf1 a}}} trailing junk {");
    EXPECT_TRUE(extra.ok);
    EXPECT_EQ(extra.doc->toPlainText(), "a");

    // \bin claiming more than the file holds.
    const Read bin = readRtf("{\\rtf1 x{\\pict\\bin2147483647 abc}}");
    EXPECT_FALSE(bin.ok);
    EXPECT_EQ(bin.offset, 14);
    EXPECT_EQ(bin.doc->toPlainText(), "x");
}

TEST(RtfReader, DeepNestingIsRefusedWithoutExhaustingTheStack)
{
    const int depth = 100000;
    const QByteArray deep =
        "{\\rtf1 ok" + QByteArray(depth, '{') + "x" + QByteArray(depth + 1, '}');
    const Read r = readRtf(deep);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains("nested")) << r.error.toStdString();
    // The root group is level one.
    EXPECT_EQ(r.offset, 9 + RtfReader::kMaxDepth - 1);
    EXPECT_EQ(r.doc->toPlainText(), "ok");

    // Nesting within the limit reads.
    const int fine = RtfReader::kMaxDepth - 1;
    const Read ok = readRtf("{\\rtf1 " + QByteArray(fine, '{') + "x" + QByteArray(fine + 1, '}'));
    EXPECT_TRUE(ok.ok) << ok.error.toStdString();
    EXPECT_EQ(ok.doc->toPlainText(), "x");
}

TEST(RtfReader, RandomBytesNeverCrash)
{
    std::mt19937 random(20240601);
    const QByteArray alphabet = "{}\\'*~-_abcdefuz0123456789 ;\r\n\x80\xe9";
    for (int round = 0; round < 300; ++round) {
        QByteArray data = "{\\rtf1 ";
        const int size = int(random() % 400);
        for (int i = 0; i < size; ++i) {
            // Half fully random bytes, half bytes that form RTF syntax.
            data += (round % 2) ? char(random() % 256)
                                : alphabet[qsizetype(random() % alphabet.size())];
        }
        // Control words that matter, spliced in at random places.
        for (const char *word : {"\\bin9999", "\\u-1", "\\uc99", "\\fs-4", "\\*", "\\par"})
            data.insert(qsizetype(random() % data.size()), word);
        const Read r = readRtf(data);
        if (!r.ok) {
            EXPECT_GE(r.offset, 0);
            EXPECT_LE(r.offset, data.size());
        }
    }
}

} // namespace

TEST(RtfReader, StopsAtTheFirstLimitPassedAndSaysWhich)
{
    const QByteArray pars = "{\\rtf1 " + QByteArray("a\\par ").repeated(2000) + "}";
    const struct
    {
        QByteArray rtf;
        const char *error;
        qsizetype lines, maxLines;
    } cases[] = {
        {pars, "More than 100 lines", 101, 100},
        {"{\\rtf1 " + QByteArray("b\\line ").repeated(2000) + "}", "More than 100 lines", 101, 100},
        {"{\\rtf1 " + QByteArray(300, 'c') + "\\par}", "A paragraph of more than 250", 1, 100},
        {pars, "", 2000, 2000}, // at the limit exactly, all is read
    };
    for (const auto &c : cases) {
        QTextDocument doc;
        QTextCursor cursor(&doc);
        RtfReader reader;
        reader.setLimits(c.maxLines, 250);
        EXPECT_EQ(reader.read(c.rtf, cursor), !*c.error);
        EXPECT_EQ(reader.errorString().left(qstrlen(c.error)), QLatin1String(c.error));
        EXPECT_EQ(reader.linesRead(), c.lines);
        // Nothing past the limit was made into the document.
        EXPECT_LE(doc.blockCount(), c.maxLines + 1);
        EXPECT_LE(doc.characterCount(), 2 * c.maxLines + 260);
    }
}
