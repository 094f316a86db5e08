#pragma once

#include <QString>
#include <QStringList>

// Plain-text files as the program keeps them: read as UTF-16 when they
// start with its byte-order mark, as UTF-8 when the bytes are valid UTF-8
// (with or without a byte-order mark), else as Windows-1252; written back in
// the encoding they were read in, atomically.
namespace TextFile {

// The UTF-16 encodings always carry their byte-order mark.
enum class Encoding { Utf8, Utf8WithBom, Windows1252, Utf16LE, Utf16BE };

struct Content
{
    QString text;
    Encoding encoding = Encoding::Utf8;
    // The first line end found ("\r\n", "\n" or "\r"); empty when none.
    QString lineEnd;
};

QString decode(const QByteArray &bytes, Encoding *encoding = nullptr);
QString decodeWindows1252(const QByteArray &bytes);
// The Windows-1252 byte for c, or 0 when the code page has none.
char toWindows1252(QChar c);
QByteArray encode(const QString &text, Encoding encoding);

// False with a message in *error when the file cannot be read. A folder, a
// device or a pipe is refused before it is opened: reading one would never
// end or never start.
bool read(const QString &path, Content *content, QString *error);
// "Cannot open PATH: it is a folder." and the like for a path that is not a
// regular file; empty for a regular file or one that does not exist.
QString notARegularFileMessage(const QString &path);
// What a write does with a read-only file: refuse it, or (for the program's
// own settings) replace it when the folder allows.
enum class ReadOnlyFile { Refuse, Replace };
// Writes through AtomicFileWriter: on failure the old file is left byte for
// byte, false is returned and *error says why.
bool write(const QString &path, const QString &text, Encoding encoding, QString *error,
           ReadOnlyFile readOnly = ReadOnlyFile::Refuse);

// Lines separated by CR LF, LF or CR; a line end after the last line adds no
// empty entry.
QStringList splitLines(const QString &text);

} // namespace TextFile
