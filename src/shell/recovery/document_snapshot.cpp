#include "shell/recovery/document_snapshot.h"

#include "shell/formats/rtf_reader.h"
#include "shell/formats/rtf_writer.h"

#include <QBuffer>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {

const QString kName = QStringLiteral("name");
const QString kEncoding = QStringLiteral("encoding");
const QString kLineEnd = QStringLiteral("lineend");
const QString kCaret = QStringLiteral("caret");

} // namespace

QString DocumentSnapshot::nameOf(const RecoveryStore::Record &record)
{
    return record.fields.value(kName);
}

RecoveryStore::Record DocumentSnapshot::capture(const QTextDocument &document, const Info &info)
{
    RecoveryStore::Record record;
    record.fields.insert(kName, info.name);
    record.fields.insert(kEncoding, QString::number(int(info.plainFormat.encoding)));
    record.fields.insert(kLineEnd, info.plainFormat.lineEnd);
    record.fields.insert(kCaret, QString::number(info.caret));
    QBuffer buffer(&record.body);
    buffer.open(QIODevice::WriteOnly);
    RtfWriter().write(&buffer, document);
    return record;
}

bool DocumentSnapshot::restore(const RecoveryStore::Record &record, QTextDocument *document,
                               Info *info, QString *error)
{
    const int encoding = record.fields.value(kEncoding).toInt();
    const QString lineEnd = record.fields.value(kLineEnd);
    if (record.fields.value(kName).isEmpty() || encoding < 0 ||
        encoding > int(TextFile::Encoding::Utf16BE) ||
        (lineEnd != QLatin1String("\r\n") && lineEnd != QLatin1String("\n") &&
         lineEnd != QLatin1String("\r"))) {
        *error = QStringLiteral("its header is damaged");
        return false;
    }
    document->clear();
    QTextCursor cursor(document);
    RtfReader reader;
    if (!reader.read(record.body, cursor)) {
        document->clear();
        *error = reader.errorString();
        return false;
    }
    info->name = record.fields.value(kName);
    info->plainFormat.encoding = TextFile::Encoding(encoding);
    info->plainFormat.lineEnd = lineEnd;
    info->caret =
        std::clamp(record.fields.value(kCaret).toInt(), 0, document->characterCount() - 1);
    return true;
}
