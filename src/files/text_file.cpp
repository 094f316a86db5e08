#include "text_file.h"

#include "atomic_file_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace TextFile {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString decodeWindows1252(const QByteArray &bytes)
{
    QString out;
    out.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return out;
}

char toWindows1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int k = 0; k < 32; ++k) {
        if (kCp1252High[k] == u)
            return char(0x80 + k);
    }
    return 0;
}

namespace {

QByteArray encodeCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char b = toWindows1252(c);
        out.append(b != 0 || c.isNull() ? b : '?');
    }
    return out;
}

QByteArray encodeUtf16(const QString &text, bool littleEndian)
{
    QByteArray out;
    out.reserve(2 * (text.size() + 1));
    for (QChar c : QString(QChar(0xFEFF)) + text) {
        const char16_t u = c.unicode();
        const char low = char(u & 0xFF);
        const char high = char(u >> 8);
        out.append(littleEndian ? low : high);
        out.append(littleEndian ? high : low);
    }
    return out;
}

} // namespace

namespace {

// Whether text, read as UTF-16 from body, is what a UTF-16 file holds
// rather than 8-bit text that happens to start with the bytes FF FE ("ÿþ"
// in Windows-1252). Two bytes of 8-bit text make a character that exists,
// mostly an ideograph, so the test is in the line ends: 8-bit text has
// its line ends in single bytes, which UTF-16 reads as halves of other
// characters, and no character of a UTF-16 file is a line end then. A
// file read as Windows-1252 by mistake still goes back byte for byte.
bool looksLikeUtf16(const QString &text)
{
    bool lineEnd16 = false;
    bool lineEndByte = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\r') {
            lineEnd16 = true;
            continue;
        }
        if (u == u'\t')
            continue;
        const QChar::Category category = c.category();
        if (category == QChar::Other_NotAssigned || category == QChar::Other_Control ||
            c.isNonCharacter())
            return false;
        const int low = u & 0xFF;
        const int high = u >> 8;
        if (low == '\n' || low == '\r' || high == '\n' || high == '\r')
            lineEndByte = true;
    }
    return lineEnd16 || !lineEndByte;
}

} // namespace

QString decode(const QByteArray &bytes, Encoding *encoding)
{
    const bool le = bytes.startsWith("\xFF\xFE");
    if (le || bytes.startsWith("\xFE\xFF")) {
        // An odd byte or a lone surrogate is damage; the file is then read
        // byte for byte below, so nothing of it is lost on a save.
        QStringDecoder utf16(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        QString text = utf16.decode(bytes.mid(2));
        if (!utf16.hasError() && bytes.size() % 2 == 0 && looksLikeUtf16(text)) {
            if (encoding)
                *encoding = le ? Encoding::Utf16LE : Encoding::Utf16BE;
            return text;
        }
    }
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    const QByteArray body = bom ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) {
        if (encoding)
            *encoding = bom ? Encoding::Utf8WithBom : Encoding::Utf8;
        return text;
    }
    if (encoding)
        *encoding = Encoding::Windows1252;
    return decodeWindows1252(bytes);
}

QByteArray encode(const QString &text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf8WithBom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case Encoding::Windows1252:
        return encodeCp1252(text);
    case Encoding::Utf16LE:
        return encodeUtf16(text, true);
    case Encoding::Utf16BE:
        return encodeUtf16(text, false);
    }
    return text.toUtf8();
}

QString notARegularFileMessage(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    return QStringLiteral("Cannot open %1: %2.")
        .arg(path, info.isDir() ? QStringLiteral("it is a folder")
                                : QStringLiteral("it is a device or a pipe, not a file"));
}

bool read(const QString &path, Content *content, QString *error)
{
    if (const QString refusal = notARegularFileMessage(path); !refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    content->text = decode(bytes, &content->encoding);
    content->lineEnd.clear();
    const qsizetype cr = content->text.indexOf(QLatin1Char('\r'));
    const qsizetype lf = content->text.indexOf(QLatin1Char('\n'));
    if (cr >= 0 && (lf < 0 || cr < lf))
        content->lineEnd = (lf == cr + 1) ? QStringLiteral("\r\n") : QStringLiteral("\r");
    else if (lf >= 0)
        content->lineEnd = QStringLiteral("\n");
    return true;
}

bool write(const QString &path, const QString &text, Encoding encoding, QString *error,
           ReadOnlyFile readOnly)
{
    QString reason;
    if (!AtomicFileWriter::writeFile(path, encode(text, encoding), &reason,
                                     readOnly == ReadOnlyFile::Replace)) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2.").arg(path, reason);
        return false;
    }
    return true;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

} // namespace TextFile
