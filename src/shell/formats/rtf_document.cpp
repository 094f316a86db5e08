#include "shell/formats/rtf_document.h"

#include "shell/formats/rtf_reader.h"
#include "shell/formats/rtf_writer.h"

#include <QFile>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

bool readRtfDocument(const QString &path, QTextDocument *document, QString *error)
{
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
    if (!reader.read(&file, cursor)) {
        *error = QStringLiteral("Cannot open %1: %2").arg(path, reader.errorString());
        return false;
    }
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("Cannot save %1: %2").arg(path, file.errorString());
        return false;
    }
    RtfWriter writer;
    if (!writer.write(&file, document)) {
        *error = QStringLiteral("Cannot save %1: %2").arg(path, writer.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("Cannot save %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
