#include "rtf_document.h"

#include <QTextDocument>

bool readRtfDocument(const QString &path, QTextDocument *, QString *error)
{
    *error = QStringLiteral("Cannot open %1: rich text is not readable yet.").arg(path);
    return false;
}

bool writeRtfDocument(const QString &path, const QTextDocument &, QString *error)
{
    *error = QStringLiteral("Cannot save %1: rich text is not writable yet.").arg(path);
    return false;
}
