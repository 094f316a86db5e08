#pragma once

#include "shell/formats/plain_text_document.h"
#include "shell/recovery/recovery_store.h"

class QTextDocument;

// A document as the content of a recovery copy, and back: its rich text
// (as RTF, so formatting survives), its name, how a plain-text save writes
// it, and where the caret was.
class DocumentSnapshot
{
public:
    struct Info
    {
        QString name;
        PlainTextFormat plainFormat;
        int caret = 0;
    };

    // The document's name as a copy records it.
    static QString nameOf(const RecoveryStore::Record &record);
    static RecoveryStore::Record capture(const QTextDocument &document, const Info &info);
    // Replaces the whole of document with the copy's text. A copy that does
    // not read leaves document empty and gives false with *error.
    static bool restore(const RecoveryStore::Record &record, QTextDocument *document, Info *info,
                        QString *error);
};
