#include "shell/formats/plain_text_document.h"

#include "files/write_encoding.h"

#include <QTextDocument>
#include <algorithm>

QString PlainTextFormat::platformLineEnd()
{
#ifdef Q_OS_WIN
    return QStringLiteral("\r\n");
#else
    return QStringLiteral("\n");
#endif
}

QString limitsRefusal(const QString &path, qsizetype lines, qsizetype longestParagraph,
                      const DocumentLimits &limits, bool counted)
{
    if (limits.lines >= 0 && lines > limits.lines)
        return QStringLiteral("Cannot open %1: it has %2 lines, and Wordloom opens documents of "
                              "up to %3 lines.")
            .arg(path,
                 counted ? QString::number(lines)
                         : QStringLiteral("more than %1").arg(limits.lines),
                 QString::number(limits.lines));
    if (limits.paragraphLength >= 0 && longestParagraph > limits.paragraphLength)
        return QStringLiteral("Cannot open %1: it has a paragraph of %2 characters, and Wordloom "
                              "opens paragraphs of up to %3 characters.")
            .arg(path,
                 counted ? QString::number(longestParagraph)
                         : QStringLiteral("more than %1").arg(limits.paragraphLength),
                 QString::number(limits.paragraphLength));
    return {};
}

bool readPlainTextDocument(const QString &path, QTextDocument *document, PlainTextFormat *format,
                           QString *error, const DocumentLimits &limits)
{
    TextFile::Content content;
    if (!TextFile::read(path, &content, error))
        return false;
    // No text file holds a NUL; a file that does is a program, a picture or
    // a word processor's own format, which read as text would only be noise.
    if (content.text.contains(QChar(u'\0'))) {
        *error = QStringLiteral("Cannot open %1: it is not a text document.").arg(path);
        return false;
    }
    // Plain text has one kind of line break. The Unicode separators (and
    // the characters the editor keeps for its frames) would each make a
    // line or paragraph of the editor's, uncounted, and a save writes them
    // as line ends anyway.
    for (QChar &c : content.text) {
        const char16_t u = c.unicode();
        if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 ||
            u == 0xFDD1)
            c = QLatin1Char('\n');
    }
    const QStringList lines = TextFile::splitLines(content.text);
    qsizetype longest = 0;
    for (const QString &line : lines)
        longest = std::max(longest, line.size());
    if (QString refusal = limitsRefusal(path, lines.size(), longest, limits); !refusal.isEmpty()) {
        *error = refusal;
        return false;
    }
    *format = PlainTextFormat();
    format->encoding = content.encoding;
    if (!content.lineEnd.isEmpty())
        format->lineEnd = content.lineEnd;
    document->setPlainText(
        lines.join(QLatin1Char('\n')) +
        (content.text.endsWith(QLatin1Char('\n')) || content.text.endsWith(QLatin1Char('\r'))
             ? QStringLiteral("\n")
             : QString()));
    return true;
}

QString plainTextToWrite(const QTextDocument &document, const PlainTextFormat &format)
{
    // toPlainText() would turn no-break spaces into plain ones; the raw text
    // keeps them, and only its paragraph, line and frame marks become line
    // ends.
    QString text = document.toRawText();
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 ||
            u == 0xFDD1)
            c = QLatin1Char('\n');
    }
    if (format.lineEnd != QLatin1String("\n"))
        text.replace(QLatin1Char('\n'), format.lineEnd);
    return text;
}

bool writePlainTextDocument(const QString &path, const QTextDocument &document,
                            const PlainTextFormat &format, QString *error)
{
    const QString text = plainTextToWrite(document, format);
    return TextFile::write(path, text, writeEncodingFor(text, format.encoding), error);
}
