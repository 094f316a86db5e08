#pragma once

#include "vocab/text_file.h"

#include <QString>

class QTextDocument;

// Plain-text documents: the encoding and line ends they were read with are
// kept, so a save writes the file back the way it came.
struct PlainTextFormat
{
    TextFile::Encoding encoding = TextFile::Encoding::Utf8;
    QString lineEnd = QStringLiteral("\n");
};

bool readPlainTextDocument(const QString &path, QTextDocument *document, PlainTextFormat *format,
                           QString *error);
bool writePlainTextDocument(const QString &path, const QTextDocument &document,
                            const PlainTextFormat &format, QString *error);
