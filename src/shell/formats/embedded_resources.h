#pragma once

#include <QVariant>

class QTextCursor;
class QTextDocument;
class QUrl;

// Where rich text may take pictures and style sheets from: only from the
// data it came with. Pasted HTML (a web page can put any on the clipboard)
// may name a local file in an <img>, a style sheet link or a background;
// Qt would read that file whole when the text is laid out, and a device or
// a pipe would then fill the memory or never end. Every document of the
// editor that takes pasted text answers Qt's resource look-ups from here, so
// nothing is read from disk, and only data: URLs of a bounded size are
// decoded.
class EmbeddedResources
{
public:
    // A picture embedded in the data larger than this is dropped: its
    // encoded bytes and its pixels.
    static constexpr qsizetype kMaxBytes = 4 * 1024 * 1024;
    static constexpr int kMaxSide = 4096;

    // The resource a document asks for: a decoded picture or the bytes of
    // an embedded one within the bounds; for anything else a blank picture
    // of one pixel, since a null one would make Qt load the file by name.
    static QVariant resource(const QUrl &name);
    // html with every picture that is not embedded within the bounds left
    // out, made without reading any file it names (style sheet links and
    // backgrounds included).
    static QString withoutForeignImages(const QString &html);
    // Whether an image of this name may stay in a document.
    static bool isEmbedded(const QString &name);
    // Removes every image between the cursor's anchor and position whose
    // picture is not embedded within the bounds; returns how many.
    static int dropForeignImages(QTextCursor range);
};
