#include "shell/formats/rtf_document.h"

#include "files/atomic_file_writer.h"
#include "files/text_file.h"
#include "shell/formats/rtf_reader.h"
#include "shell/formats/rtf_writer.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>

bool readRtfDocument(const QString &path, QTextDocument *document, QString *error, QString *warning,
                     const DocumentLimits &limits)
{
    if (const QString refusal = TextFile::notARegularFileMessage(path); !refusal.isEmpty()) {
        *error = refusal;
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Cannot open %1: %2").arg(path, file.errorString());
        return false;
    }
    // Read into a scratch document, so a damaged file leaves the one in the
    // editor as it was.
    QTextDocument scratch;
    scratch.setDefaultFont(document->defaultFont());
    // Nothing is ever undone in the scratch document; keeping the history
    // of every run read cost a tenth of the time and much memory.
    scratch.setUndoRedoEnabled(false);
    QTextCursor cursor(&scratch);
    RtfReader reader;
    reader.setLimits(limits.lines, limits.paragraphLength);
    const bool whole = reader.read(&file, cursor);
    if (reader.limitPassed()) {
        // Stopped where the first limit was passed, so only that one is
        // known to be passed.
        *error = limitsRefusal(path, reader.linesRead(), limits.paragraphLength + 1, limits, false);
        return false;
    }
    if (!whole && !reader.endedEarly()) {
        *error = QStringLiteral("Cannot open %1: %2").arg(path, reader.errorString());
        return false;
    }
    qsizetype longest = 0;
    qsizetype lines = 0;
    for (QTextBlock block = scratch.begin(); block.isValid(); block = block.next()) {
        longest = std::max<qsizetype>(longest, block.length() - 1);
        lines += 1 + block.text().count(QChar::LineSeparator);
    }
    if (QString refusal = limitsRefusal(path, lines, longest, limits); !refusal.isEmpty()) {
        *error = refusal;
        return false;
    }
    if (!whole && warning)
        *warning = QStringLiteral("%1 was incomplete: it ends before its last groups are closed, "
                                  "so its end may be missing. What it holds has been opened.")
                       .arg(path);
    QTextCursor target(document);
    document->clear();
    QTextCursor all(&scratch);
    all.select(QTextCursor::Document);
    target.insertFragment(all.selection());
    // insertFragment keeps the first block's format only through the
    // cursor; copy it so the first paragraph's alignment survives.
    QTextCursor first(document);
    first.setBlockFormat(scratch.begin().blockFormat());
    return true;
}

bool writeRtfDocument(const QString &path, const QTextDocument &document, QString *error)
{
    AtomicFileWriter file(path);
    RtfWriter writer;
    if (!file.open(QIODevice::WriteOnly) || !writer.write(&file, document) || !file.commit()) {
        // The writer's own failures are the file's; their reason is the
        // plainer one.
        *error = QStringLiteral("Cannot save %1: %2.")
                     .arg(path, file.reason().isEmpty() ? writer.errorString() : file.reason());
        return false;
    }
    return true;
}
