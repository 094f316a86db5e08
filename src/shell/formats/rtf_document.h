#pragma once

#include "shell/formats/plain_text_document.h"

#include <QString>

class QTextDocument;

// Rich-text documents on disk. A file that only lacks its closing braces
// (cut short, as by a full disk or a broken copy) is read with what it holds,
// and *warning says it was incomplete; other damage fails with *error.
// A document past the limits is refused before it reaches the editor's.
bool readRtfDocument(const QString &path, QTextDocument *document, QString *error,
                     QString *warning = nullptr, const DocumentLimits &limits = {});
bool writeRtfDocument(const QString &path, const QTextDocument &document, QString *error);
