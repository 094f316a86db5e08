#pragma once

#include "files/text_file.h"

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

// What a document may hold. The editor lays out each paragraph whole, so
// very many lines, or one paragraph of millions of characters, would leave it
// too slow to use. Negative: no limit.
struct DocumentLimits
{
    qsizetype lines = -1;
    qsizetype paragraphLength = -1;
};
// Why a document of this many lines and this longest paragraph is refused,
// or nothing when it is within the limits. Paragraph and line separators
// (U+2029, U+2028) are line breaks like any other. counted: the figures
// are the whole document's, not where reading stopped.
QString limitsRefusal(const QString &path, qsizetype lines, qsizetype longestParagraph,
                      const DocumentLimits &limits, bool counted = true);

// A file past the limits is refused before it reaches the document.
bool readPlainTextDocument(const QString &path, QTextDocument *document, PlainTextFormat *format,
                           QString *error, const DocumentLimits &limits = {});
// The document's text as a plain-text save writes it: every paragraph,
// line and frame mark a line end of the format's kind.
QString plainTextToWrite(const QTextDocument &document, const PlainTextFormat &format);
// A Windows-1252 file whose text gained a character that code page cannot
// hold is written as UTF-8, so nothing turns into "?".
bool writePlainTextDocument(const QString &path, const QTextDocument &document,
                            const PlainTextFormat &format, QString *error);
