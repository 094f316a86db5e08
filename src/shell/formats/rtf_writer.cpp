#include "shell/formats/rtf_writer.h"

#include "shell/formats/rtf_code_page.h"

#include <QColor>
#include <QFont>
#include <QIODevice>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>
#include <vector>

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr qsizetype kChunk = 64 * 1024;

struct CharState
{
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = 0; // 0: automatic
};

struct Run
{
    QTextCharFormat format;
    QString text;
};

struct Paragraph
{
    QTextBlockFormat format;
    std::vector<Run> runs;
};

QString familyOf(const QTextCharFormat &format, const QFont &fallback)
{
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return fallback.family();
}

int halfPointsOf(const QTextCharFormat &format, const QFont &fallback)
{
    double points = format.fontPointSize();
    if (points <= 0)
        points = fallback.pointSizeF();
    if (points <= 0)
        points = 12;
    return qMax(1, int(std::lround(points * 2)));
}

int twips(double pixels)
{
    return int(std::lround(pixels * kTwipsPerPixel));
}

// Builds the RTF text; a control word leaves a pending delimiter, written
// only when text that could run into it follows.
class Output
{
public:
    QByteArray bytes;

    void word(const char *name) { word(name, QByteArray()); }
    void word(const char *name, int value) { word(name, QByteArray::number(value)); }
    void raw(const char *text)
    {
        bytes += text;
        m_delimit = false;
    }
    void text(const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            const char16_t u = c.unicode();
            if (u == '\\' || u == '{' || u == '}') {
                literal(QByteArray(1, '\\') + char(u));
            } else if (u == '\t') {
                word("tab");
            } else if (u == QChar::LineSeparator) {
                word("line");
            } else if (u == 0x00A0) {
                raw("\\~");
            } else if (u == 0x00AD) {
                raw("\\-");
            } else if (u == 0x2011) {
                raw("\\_");
            } else if (u < 0x20 || u == 0xFFFC || u == QChar::ParagraphSeparator) {
                continue;
            } else if (u < 0x80) {
                // Most of a document: appended as it is, without a
                // QByteArray made for each character.
                if (m_delimit)
                    bytes += ' ';
                bytes += char(u);
                m_delimit = false;
            } else {
                // Surrogate halves go out one by one; RTF's parameter is a
                // signed 16-bit number.
                const int n = u > 32767 ? int(u) - 65536 : int(u);
                bytes += "\\u" + QByteArray::number(n);
                const char fallback = RtfCodePage::toWindows1252(c);
                if (fallback)
                    bytes += "\\'" + QByteArray::number(uchar(fallback), 16).rightJustified(2, '0');
                else
                    bytes += '?';
                m_delimit = false;
            }
        }
    }

private:
    void word(const char *name, const QByteArray &value)
    {
        bytes += '\\';
        bytes += name;
        bytes += value;
        m_delimit = true;
    }
    void literal(const QByteArray &text)
    {
        if (m_delimit)
            bytes += ' ';
        bytes += text;
        m_delimit = false;
    }

    bool m_delimit = false;
};

} // namespace

bool RtfWriter::write(QIODevice *device, const QTextDocument &document)
{
    return writeRange(device, document, 0, qMax(0, document.characterCount() - 1));
}

bool RtfWriter::write(QIODevice *device, const QTextCursor &selection)
{
    if (!selection.document()) {
        m_error = QStringLiteral("Nothing to write");
        return false;
    }
    return writeRange(device, *selection.document(), selection.selectionStart(),
                      selection.selectionEnd());
}

bool RtfWriter::writeRange(QIODevice *device, const QTextDocument &document, int start, int end)
{
    m_error.clear();
    const QFont defaultFont = document.defaultFont();

    // Gather the paragraphs and runs in range first: the font and colour
    // tables come before the text.
    std::vector<Paragraph> paragraphs;
    QStringList fonts{defaultFont.family()};
    QList<QColor> colors;
    for (QTextBlock block = document.findBlock(start); block.isValid() && block.position() <= end;
         block = block.next()) {
        Paragraph paragraph;
        paragraph.format = block.blockFormat();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            // A fragment finds its position by walking the document's tree.
            const int at = fragment.position();
            const int from = qMax(at, start);
            const int to = qMin(at + fragment.length(), end);
            if (from >= to)
                continue;
            const QTextCharFormat format = fragment.charFormat();
            paragraph.runs.push_back({format, fragment.text().mid(from - at, to - from)});
            const QString family = familyOf(format, defaultFont);
            if (!fonts.contains(family))
                fonts.append(family);
            if (format.hasProperty(QTextFormat::ForegroundBrush) &&
                format.foreground().style() != Qt::NoBrush) {
                const QColor color = format.foreground().color();
                if (!colors.contains(color))
                    colors.append(color);
            }
        }
        paragraphs.push_back(std::move(paragraph));
    }

    Output out;
    out.raw("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl");
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        out.raw("{");
        out.word("f", int(i));
        out.word("fnil");
        out.word("fcharset", 0);
        QString name = fonts[i];
        out.text(name.remove(QLatin1Char(';')));
        out.raw(";}");
    }
    out.raw("}\n{\\colortbl;");
    for (const QColor &color : colors) {
        out.word("red", color.red());
        out.word("green", color.green());
        out.word("blue", color.blue());
        out.raw(";");
    }
    out.raw("}\n");

    CharState written;
    for (const Paragraph &paragraph : paragraphs) {
        out.word("pard");
        const Qt::Alignment align = paragraph.format.alignment() & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignHCenter)
            out.word("qc");
        else if (align & Qt::AlignJustify)
            out.word("qj");
        else if (align & Qt::AlignRight)
            out.word("qr");
        else
            out.word("ql");
        if (const int fi = twips(paragraph.format.textIndent()))
            out.word("fi", fi);
        if (const int li = twips(paragraph.format.leftMargin()))
            out.word("li", li);
        if (const int ri = twips(paragraph.format.rightMargin()))
            out.word("ri", ri);
        for (const Run &run : paragraph.runs) {
            CharState want;
            want.font = int(fonts.indexOf(familyOf(run.format, defaultFont)));
            want.halfPoints = halfPointsOf(run.format, defaultFont);
            want.bold = run.format.fontWeight() > QFont::Medium;
            want.italic = run.format.fontItalic();
            want.underline = run.format.fontUnderline();
            if (run.format.hasProperty(QTextFormat::ForegroundBrush) &&
                run.format.foreground().style() != Qt::NoBrush)
                want.color = int(colors.indexOf(run.format.foreground().color())) + 1;
            if (want.font != written.font)
                out.word("f", want.font);
            if (want.halfPoints != written.halfPoints)
                out.word("fs", want.halfPoints);
            if (want.bold != written.bold)
                want.bold ? out.word("b") : out.word("b", 0);
            if (want.italic != written.italic)
                want.italic ? out.word("i") : out.word("i", 0);
            if (want.underline != written.underline)
                want.underline ? out.word("ul") : out.word("ulnone");
            if (want.color != written.color)
                out.word("cf", want.color);
            written = want;
            out.text(run.text);
        }
        out.word("par");
        out.raw("\n");
    }
    out.raw("}\n");

    if (!device || !device->isWritable()) {
        m_error = QStringLiteral("The RTF destination cannot be written");
        return false;
    }
    for (qsizetype at = 0; at < out.bytes.size(); at += kChunk) {
        const QByteArray chunk = out.bytes.mid(at, kChunk);
        if (device->write(chunk) != chunk.size()) {
            m_error =
                device->errorString().isEmpty()
                    ? QStringLiteral("Writing the RTF data failed")
                    : QStringLiteral("Writing the RTF data failed: %1").arg(device->errorString());
            return false;
        }
    }
    return true;
}
