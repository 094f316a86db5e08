#pragma once

#include <QString>

class QTextDocument;

// Rich-text documents on disk. A file that only lacks its closing braces
// (cut short, as by a full disk or a broken copy) is read with what it holds,
// and *warning says it was incomplete; other damage fails with *error.
// More than maxLines paragraphs are refused before they reach the document.
bool readRtfDocument(const QString &path, QTextDocument *document, QString *error,
                     QString *warning = nullptr, qsizetype maxLines = -1);
bool writeRtfDocument(const QString &path, const QTextDocument &document, QString *error);
