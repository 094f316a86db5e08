#pragma once

#include "shell/formats/rtf_tokenizer.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextCharFormat>

#include <functional>
#include <optional>
#include <vector>

class QIODevice;
class QTextBlockFormat;
class QTextCursor;

// Reads RTF into a document at a cursor, so opening a file, pasting and
// tests share it. Keeps text, paragraphs, bold, italic, underline, font
// family and size, text colour, alignment and the three indents; skips
// pictures, headers, footers, footnotes, field codes, style sheets and every
// `\*` group it has no use for.
//
// A `\par` ends a paragraph; the block after it is only made when more text
// follows, so a file's final paragraph mark adds no empty line and pasted
// text that ends in a paragraph mark does not split the paragraph it lands
// in. The block the cursor starts in keeps its own paragraph format unless
// it is empty.
//
// Indents: RTF gives twips; block margins are pixels at 96 per inch, so a
// point is 4/3 pixels and a twip 1/15 of a pixel. RtfWriter converts back.
class RtfReader
{
public:
    // Deeper nesting is refused: no real document comes near it.
    static constexpr int kMaxDepth = 1000;

    RtfReader();
    RtfReader(const RtfReader &) = delete;
    RtfReader &operator=(const RtfReader &) = delete;

    // Inserts the RTF read from device at the cursor (replacing its
    // selection). False when the input is not RTF or is damaged: then
    // errorString() names the fault and its byte offset, and the text read
    // before the fault stays inserted, as one undo step with the rest.
    bool read(QIODevice *device, QTextCursor &cursor);
    bool read(const QByteArray &data, QTextCursor &cursor);

    // Reading stops as soon as the text passes either limit (negative: no
    // limit): a paragraph or line separator starts a new line, and the
    // paragraph counts its characters. A file of millions of paragraph
    // marks is refused at once instead of after it was all made into a
    // document.
    void setLimits(qsizetype lines, qsizetype paragraphLength)
    {
        m_maxLines = lines;
        m_maxParagraph = paragraphLength;
    }
    // The last read stopped at a limit; errorString() says which.
    bool limitPassed() const { return m_limitPassed; }
    // Lines read in the last read, up to where it stopped.
    qsizetype linesRead() const { return m_lines; }

    QString errorString() const { return m_error; }
    // Byte offset of the fault, -1 when there is none.
    qint64 errorOffset() const { return m_errorOffset; }
    // The fault was only the end of the input, with groups still open or
    // inside an escape: what was inserted is the whole of what it holds.
    bool endedEarly() const { return m_endedEarly; }

private:
    using Token = RtfTokenizer::Token;

    enum class Destination {
        Text,
        Skip,
        FontTable,
        ColorTable,
        Object, // skipped, except for its `\result`
    };

    struct CharState
    {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        int font = -1; // -1: the `\deff` font
        int halfPoints = 24;
        int color = 0; // 0: automatic
        bool operator==(const CharState &) const = default;
    };

    struct ParaState
    {
        Qt::Alignment alignment = Qt::AlignLeft;
        int firstIndent = 0; // twips, relative to the left indent
        int leftIndent = 0;
        int rightIndent = 0;
    };

    struct GroupState
    {
        CharState chars;
        ParaState para;
        int unicodeSkip = 1; // `\ucN`
        Destination destination = Destination::Text;
    };

    struct FontEntry
    {
        QString name;
        int codePage = 0; // 0: the document's code page
    };

    using Handler = std::function<void(const Token &)>;

    void buildDispatchTable();
    bool readTokens(RtfTokenizer &tokenizer, QTextCursor &cursor);
    void reset(QTextCursor &cursor);
    bool run(RtfTokenizer &tokenizer);
    bool fail(qint64 offset, const QString &message);
    void finish();

    GroupState &state() { return m_groups.back(); }
    void onControlWord(const Token &token);
    void onBytes(const QByteArray &bytes);
    void flushBytes();
    void appendText(const QString &text);
    void countText(const QString &text);
    void flushText();
    void startPendingBlock();
    void endParagraph();
    void applyBlockFormat();
    void finishFont();
    void finishColor();
    void setDestination(Destination destination);
    int currentCodePage() const;

    QTextCharFormat charFormat(const CharState &chars);
    QTextCharFormat makeCharFormat(const CharState &chars) const;
    QTextBlockFormat blockFormat(const ParaState &para) const;

    QHash<QByteArray, Handler> m_handlers;

    // Per read.
    QTextCursor *m_cursor = nullptr;
    std::vector<GroupState> m_groups;
    QHash<int, FontEntry> m_fonts;
    QList<std::optional<QColor>> m_colors;
    // The formats made so far; emptied whenever a table they read changes.
    static constexpr std::size_t kFormatCacheSize = 64;
    std::vector<std::pair<CharState, QTextCharFormat>> m_formatCache;
    int m_ansiCodePage = 1252;
    int m_defaultFont = 0;
    int m_skipCount = 0; // characters still to skip after `\uN`
    QByteArray m_pendingBytes;
    int m_pendingCodePage = 1252;
    QString m_pendingText;
    CharState m_pendingChars;
    bool m_blockPending = false;
    bool m_ownsBlock = false;
    bool m_rootClosed = false;
    // Font and colour table entries being read.
    int m_fontNumber = 0;
    int m_fontCharset = 0;
    QString m_fontName;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorGiven = false;

    qsizetype m_maxLines = -1;
    qsizetype m_maxParagraph = -1;
    qsizetype m_lines = 1;
    qsizetype m_paragraph = 0;
    bool m_limitPassed = false;

    QString m_error;
    qint64 m_errorOffset = -1;
    bool m_endedEarly = false;
};
