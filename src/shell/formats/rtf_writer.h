#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class QTextCursor;
class QTextDocument;

// Writes documents as RTF: text, paragraphs with alignment and indents,
// and runs with font, size, bold, italic, underline and colour. Every
// paragraph ends in `\par`, the way word processors write it, and
// RtfReader reads that mark back without adding an empty line. Non-ASCII
// characters are written as `\uN` with a Windows-1252 fallback for older
// readers. Indents go out in twips: 15 per pixel of block margin.
class RtfWriter
{
public:
    // False, with errorString() set, when the device refuses a write.
    bool write(QIODevice *device, const QTextDocument &document);
    // Writes only the cursor's selection (for copying to the clipboard).
    bool write(QIODevice *device, const QTextCursor &selection);

    QString errorString() const { return m_error; }

private:
    bool writeRange(QIODevice *device, const QTextDocument &document, int start, int end);

    QString m_error;
};
