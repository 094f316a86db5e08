#include "shell/formats/embedded_resources.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <optional>
#include <vector>

namespace {

// The payload of a data: URL, or nothing when the URL is no such thing or
// holds more than the bound. Only base64 and percent-encoded payloads exist.
std::optional<QByteArray> dataPayload(const QString &name)
{
    if (!name.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
        return std::nullopt;
    const qsizetype comma = name.indexOf(QLatin1Char(','));
    if (comma < 0)
        return std::nullopt;
    // Base64 takes four characters for three bytes; the rough bound is
    // checked before anything is decoded.
    const qsizetype encoded = name.size() - comma - 1;
    if (encoded / 4 * 3 > EmbeddedResources::kMaxBytes)
        return std::nullopt;
    const QString header = name.left(comma);
    const QByteArray body = name.mid(comma + 1).toLatin1();
    QByteArray bytes = header.endsWith(QLatin1String(";base64"), Qt::CaseInsensitive)
                           ? QByteArray::fromBase64(QByteArray::fromPercentEncoding(body))
                           : QByteArray::fromPercentEncoding(body);
    if (bytes.size() > EmbeddedResources::kMaxBytes)
        return std::nullopt;
    return bytes;
}

// The picture in bytes when its size is within the bound; read only after
// the header says so, so a small file claiming huge pixels costs nothing.
QImage boundedImage(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > EmbeddedResources::kMaxSide ||
        size.height() > EmbeddedResources::kMaxSide)
        return {};
    return reader.read();
}

} // namespace

QVariant EmbeddedResources::resource(const QUrl &name)
{
    const auto payload = dataPayload(name.toString());
    if (payload) {
        const QImage image = boundedImage(*payload);
        if (!image.isNull())
            return image;
        // Not a picture: a style sheet in a data: URL. A picture past the
        // bounds is not handed on as bytes, which Qt would decode whole.
        QBuffer buffer;
        buffer.setData(*payload);
        buffer.open(QIODevice::ReadOnly);
        if (!payload->isEmpty() && !QImageReader(&buffer).canRead())
            return *payload;
    }
    QImage blank(1, 1, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    return blank;
}

QString EmbeddedResources::withoutForeignImages(const QString &html)
{
    // Its own look-ups, not a resource provider: Qt's default loader still
    // reads files when a provider is set.
    class Scratch : public QTextDocument
    {
    protected:
        QVariant loadResource(int, const QUrl &name) override
        {
            return EmbeddedResources::resource(name);
        }
    } scratch;
    scratch.setUndoRedoEnabled(false);
    QTextCursor all(&scratch);
    all.insertFragment(QTextDocumentFragment::fromHtml(html, &scratch));
    all.setPosition(0);
    all.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    dropForeignImages(all);
    return scratch.toHtml();
}

bool EmbeddedResources::isEmbedded(const QString &name)
{
    const auto payload = dataPayload(name);
    return payload && !boundedImage(*payload).isNull();
}

int EmbeddedResources::dropForeignImages(QTextCursor range)
{
    QTextDocument *doc = range.document();
    const int from = range.selectionStart();
    const int to = range.selectionEnd();
    // Found first and removed from the end, so the positions stay right.
    std::vector<int> foreign;
    for (QTextBlock block = doc->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().isImageFormat())
                continue;
            const QString name = fragment.charFormat().toImageFormat().name();
            if (isEmbedded(name))
                continue;
            for (int i = 0; i < fragment.length(); ++i) {
                const int at = fragment.position() + i;
                if (at >= from && at < to)
                    foreign.push_back(at);
            }
        }
    }
    QTextCursor cut(doc);
    for (auto it = foreign.rbegin(); it != foreign.rend(); ++it) {
        cut.setPosition(*it);
        cut.setPosition(*it + 1, QTextCursor::KeepAnchor);
        cut.removeSelectedText();
    }
    return int(foreign.size());
}
