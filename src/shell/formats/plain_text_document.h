#pragma once

#include "vocab/text_file.h"

#include <QString>

class QTextDocument;

// Plain-text documents: the encoding and line ends they were read with are
// kept, so a save writes the file back the way it came. New files are UTF-8
// with the platform's line ends.
struct PlainTextFormat
{
    static QString platformLineEnd();

    TextFile::Encoding encoding = TextFile::Encoding::Utf8;
    QString lineEnd = platformLineEnd();
};

// A file of more than maxLines lines is refused before it reaches the
// document (see tooManyLinesMessage).
bool readPlainTextDocument(const QString &path, QTextDocument *document, PlainTextFormat *format,
                           QString *error, qsizetype maxLines = -1);
QString tooManyLinesMessage(const QString &path, qsizetype lines, qsizetype maxLines);
// A Windows-1252 file whose text gained a character that code page cannot
// hold is written as UTF-8, so nothing turns into "?".
bool writePlainTextDocument(const QString &path, const QTextDocument &document,
                            const PlainTextFormat &format, QString *error);
