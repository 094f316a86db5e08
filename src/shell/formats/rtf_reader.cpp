#include "shell/formats/rtf_reader.h"

#include "shell/formats/rtf_code_page.h"

#include <QFont>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <algorithm>

namespace {

// Word's own ceiling for indents: 22 inches.
constexpr int kMaxIndentTwips = 31680;
// 1638 points; bigger sizes are damage, not typography.
constexpr int kMaxHalfPoints = 3276;
constexpr double kTwipsPerPixel = 15.0;

bool flag(const RtfTokenizer::Token &token)
{
    return !token.hasParameter || token.parameter != 0;
}

int twips(const RtfTokenizer::Token &token)
{
    return std::clamp(token.parameter, -kMaxIndentTwips, kMaxIndentTwips);
}

} // namespace

RtfReader::RtfReader()
{
    buildDispatchTable();
}

void RtfReader::buildDispatchTable()
{
    auto on = [this](const QByteArray &word, Handler handler) { m_handlers.insert(word, handler); };
    auto text = [this](const char *word, QChar c) {
        m_handlers.insert(word, [this, c](const Token &) { appendText(QString(c)); });
    };
    auto destination = [this](const QByteArray &word, Destination d) {
        m_handlers.insert(word, [this, d](const Token &) { setDestination(d); });
    };

    // Document header.
    on("ansi", [this](const Token &) { m_ansiCodePage = 1252; });
    on("mac", [this](const Token &) { m_ansiCodePage = 10000; });
    on("pc", [this](const Token &) { m_ansiCodePage = 437; });
    on("pca", [this](const Token &) { m_ansiCodePage = 850; });
    on("ansicpg", [this](const Token &t) {
        if (t.hasParameter && t.parameter > 0)
            m_ansiCodePage = t.parameter;
    });
    on("deff", [this](const Token &t) {
        m_defaultFont = t.parameter;
        m_formatCache.clear();
    });
    on("uc", [this](const Token &t) {
        if (t.hasParameter)
            state().unicodeSkip = std::clamp(t.parameter, 0, 16);
    });
    on("u", [this](const Token &t) {
        if (!t.hasParameter)
            return;
        int value = t.parameter;
        if (value < 0)
            value += 65536;
        if (value >= 0 && value <= 0xFFFF)
            appendText(QString(QChar(char16_t(value))));
        m_skipCount = state().unicodeSkip;
    });

    // Tables.
    destination("fonttbl", Destination::FontTable);
    destination("colortbl", Destination::ColorTable);
    on("f", [this](const Token &t) {
        if (state().destination == Destination::FontTable) {
            if (!m_fontName.trimmed().isEmpty())
                finishFont();
            m_fontNumber = t.parameter;
            m_fontCharset = 0;
            m_fontName.clear();
        } else if (t.hasParameter) {
            state().chars.font = t.parameter;
        }
    });
    on("fcharset", [this](const Token &t) {
        if (state().destination == Destination::FontTable)
            m_fontCharset = t.parameter;
    });
    on("red", [this](const Token &t) {
        m_red = std::clamp(t.parameter, 0, 255);
        m_colorGiven = true;
    });
    on("green", [this](const Token &t) {
        m_green = std::clamp(t.parameter, 0, 255);
        m_colorGiven = true;
    });
    on("blue", [this](const Token &t) {
        m_blue = std::clamp(t.parameter, 0, 255);
        m_colorGiven = true;
    });

    // Destinations whose text is not part of the document.
    const QByteArray skipped =
        "stylesheet info pict header headerl headerr headerf footer footerl footerr footerf "
        "footnote fldinst listtext pntext pntxta pntxtb pn xe tc txe rxe annotation atnid "
        "atnauthor nonshppict shp shpinst filetbl revtbl listtable listoverridetable rsidtbl "
        "generator template themedata colorschememapping datastore latentstyles bkmkstart "
        "bkmkend objdata objclass objname private userprops docvar xmlnstbl fchars lchars "
        "leveltext levelnumbers";
    for (const QByteArray &word : skipped.split(' '))
        destination(word, Destination::Skip);
    // Objects and fields keep the text they last showed.
    destination("object", Destination::Object);
    on("result", [this](const Token &) {
        if (state().destination == Destination::Object)
            state().destination = Destination::Text;
    });

    // Paragraphs.
    on("par", [this](const Token &) { endParagraph(); });
    on("sect", [this](const Token &) { endParagraph(); });
    on("pard", [this](const Token &) { state().para = ParaState{}; });
    on("ql", [this](const Token &) { state().para.alignment = Qt::AlignLeft; });
    on("qc", [this](const Token &) { state().para.alignment = Qt::AlignHCenter; });
    on("qr", [this](const Token &) { state().para.alignment = Qt::AlignRight; });
    on("qj", [this](const Token &) { state().para.alignment = Qt::AlignJustify; });
    on("fi", [this](const Token &t) { state().para.firstIndent = twips(t); });
    on("li", [this](const Token &t) { state().para.leftIndent = twips(t); });
    on("ri", [this](const Token &t) { state().para.rightIndent = twips(t); });

    // Characters.
    on("plain", [this](const Token &) { state().chars = CharState{}; });
    on("b", [this](const Token &t) { state().chars.bold = flag(t); });
    on("i", [this](const Token &t) { state().chars.italic = flag(t); });
    const QByteArray underlines = "ul uld uldb uldash uldashd uldashdd ulth ulw ulwave ulhwave "
                                  "ululdbwave ulldash ulthd ulthdash";
    for (const QByteArray &word : underlines.split(' '))
        on(word, [this](const Token &t) { state().chars.underline = flag(t); });
    on("ulnone", [this](const Token &) { state().chars.underline = false; });
    on("fs", [this](const Token &t) {
        if (t.hasParameter && t.parameter > 0 && t.parameter <= kMaxHalfPoints)
            state().chars.halfPoints = t.parameter;
    });
    on("cf", [this](const Token &t) {
        if (t.hasParameter && t.parameter >= 0)
            state().chars.color = t.parameter;
    });

    // Special characters.
    text("line", QChar::LineSeparator);
    text("tab", QLatin1Char('\t'));
    text("emdash", QChar(0x2014));
    text("endash", QChar(0x2013));
    text("emspace", QChar(0x2003));
    text("enspace", QChar(0x2002));
    text("qmspace", QChar(0x2005));
    text("lquote", QChar(0x2018));
    text("rquote", QChar(0x2019));
    text("ldblquote", QChar(0x201C));
    text("rdblquote", QChar(0x201D));
    text("bullet", QChar(0x2022));
    text("zwj", QChar(0x200D));
    text("zwnj", QChar(0x200C));
}

bool RtfReader::read(QIODevice *device, QTextCursor &cursor)
{
    RtfTokenizer tokenizer(device);
    return readTokens(tokenizer, cursor);
}

bool RtfReader::read(const QByteArray &data, QTextCursor &cursor)
{
    RtfTokenizer tokenizer(data);
    return readTokens(tokenizer, cursor);
}

bool RtfReader::readTokens(RtfTokenizer &tokenizer, QTextCursor &cursor)
{
    reset(cursor);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    m_ownsBlock = cursor.block().length() <= 1;
    const bool ok = run(tokenizer);
    finish();
    cursor.endEditBlock();
    m_cursor = nullptr;
    return ok;
}

void RtfReader::reset(QTextCursor &cursor)
{
    m_cursor = &cursor;
    m_groups.clear();
    m_fonts.clear();
    m_colors.clear();
    m_formatCache.clear();
    m_ansiCodePage = RtfCodePage::kDefault;
    m_defaultFont = 0;
    m_skipCount = 0;
    m_pendingBytes.clear();
    m_pendingCodePage = RtfCodePage::kDefault;
    m_pendingText.clear();
    m_pendingChars = CharState{};
    m_blockPending = false;
    m_ownsBlock = false;
    m_rootClosed = false;
    m_fontNumber = 0;
    m_fontCharset = 0;
    m_fontName.clear();
    m_red = m_green = m_blue = 0;
    m_colorGiven = false;
    m_error.clear();
    m_errorOffset = -1;
    m_endedEarly = false;
    m_lines = 1;
    m_paragraph = cursor.block().length() - 1;
    m_limitPassed = false;
}

bool RtfReader::fail(qint64 offset, const QString &message)
{
    m_error = QStringLiteral("%1 at byte offset %2").arg(message).arg(offset);
    m_errorOffset = offset;
    return false;
}

bool RtfReader::run(RtfTokenizer &tokenizer)
{
    using Type = RtfTokenizer::Type;
    const Token first = tokenizer.next();
    const Token second = first.type == Type::GroupStart ? tokenizer.next() : first;
    for (const Token &t : {first, second}) {
        if (t.type == Type::Error) {
            m_error = tokenizer.errorString();
            m_errorOffset = tokenizer.errorOffset();
            return false;
        }
    }
    if (first.type != Type::GroupStart || second.type != Type::ControlWord || second.word != "rtf")
        return fail(first.offset, QStringLiteral("Not an RTF document: no {\\rtf header"));
    m_groups.push_back(GroupState{});

    for (;;) {
        const Token t = tokenizer.next();
        if (t.type != Type::Text && t.type != Type::HexByte)
            flushBytes();
        if (m_limitPassed) {
            m_pendingText.clear();
            if (m_lines > m_maxLines && m_maxLines >= 0)
                return fail(t.offset, QStringLiteral("More than %1 lines").arg(m_maxLines));
            return fail(
                t.offset,
                QStringLiteral("A paragraph of more than %1 characters").arg(m_maxParagraph));
        }
        switch (t.type) {
        case Type::End:
            m_endedEarly = true;
            return fail(t.offset, QStringLiteral("The document ends with %1 group(s) still open")
                                      .arg(m_groups.size()));
        case Type::Error:
            m_error = tokenizer.errorString();
            m_errorOffset = tokenizer.errorOffset();
            m_endedEarly = tokenizer.endedEarly();
            return false;
        case Type::GroupStart:
            m_skipCount = 0;
            if (m_groups.size() >= std::size_t(kMaxDepth))
                return fail(t.offset,
                            QStringLiteral("Groups are nested more than %1 deep").arg(kMaxDepth));
            m_groups.push_back(m_groups.back());
            break;
        case Type::GroupEnd:
            m_skipCount = 0;
            if (state().destination == Destination::FontTable && !m_fontName.trimmed().isEmpty())
                finishFont();
            if (m_groups.size() == 1) {
                // Whatever follows the document's closing brace is not part of it.
                m_rootClosed = true;
                return true;
            }
            m_groups.pop_back();
            break;
        case Type::ControlWord:
            if (m_skipCount > 0) {
                --m_skipCount;
                break;
            }
            onControlWord(t);
            break;
        case Type::ControlSymbol:
            if (m_skipCount > 0) {
                --m_skipCount;
                break;
            }
            switch (t.symbol) {
            case '~':
                appendText(QString(QChar(0x00A0)));
                break;
            case '-':
                appendText(QString(QChar(0x00AD)));
                break;
            case '_':
                appendText(QString(QChar(0x2011)));
                break;
            case '*':
                setDestination(Destination::Skip);
                break;
            default:
                break;
            }
            break;
        case Type::HexByte:
            if (m_skipCount > 0) {
                --m_skipCount;
                break;
            }
            onBytes(QByteArray(1, char(t.parameter)));
            break;
        case Type::Text: {
            QByteArray bytes = t.text;
            if (m_skipCount > 0) {
                const qsizetype n = std::min<qsizetype>(m_skipCount, bytes.size());
                bytes.remove(0, n);
                m_skipCount -= int(n);
            }
            onBytes(bytes);
            break;
        }
        case Type::Binary:
            if (m_skipCount > 0)
                --m_skipCount;
            break;
        }
    }
}

void RtfReader::finish()
{
    if (m_groups.empty())
        return;
    flushBytes();
    flushText();
    if (!m_blockPending)
        applyBlockFormat();
}

void RtfReader::onControlWord(const Token &token)
{
    const auto it = m_handlers.constFind(token.word);
    if (it != m_handlers.constEnd())
        (*it)(token);
}

void RtfReader::setDestination(Destination destination)
{
    Destination &current = state().destination;
    if (destination == Destination::Skip || current != Destination::Text)
        current = Destination::Skip;
    else
        current = destination;
}

int RtfReader::currentCodePage() const
{
    const GroupState &group = m_groups.back();
    if (group.destination == Destination::Text) {
        const int index = group.chars.font < 0 ? m_defaultFont : group.chars.font;
        const auto it = m_fonts.constFind(index);
        if (it != m_fonts.constEnd() && it->codePage > 0)
            return it->codePage;
    }
    return m_ansiCodePage;
}

void RtfReader::onBytes(const QByteArray &bytes)
{
    const Destination d = state().destination;
    if (bytes.isEmpty() || d == Destination::Skip || d == Destination::Object)
        return;
    const int codePage = currentCodePage();
    if (!m_pendingBytes.isEmpty() && codePage != m_pendingCodePage)
        flushBytes();
    m_pendingCodePage = codePage;
    m_pendingBytes += bytes;
}

void RtfReader::flushBytes()
{
    if (m_pendingBytes.isEmpty())
        return;
    // Multi-byte code pages split characters across `\'hh` escapes, so the
    // bytes are decoded together.
    const QString text = RtfCodePage::decode(m_pendingBytes, m_pendingCodePage);
    m_pendingBytes.clear();
    appendText(text);
}

void RtfReader::appendText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        // Line feeds and paragraph separators would split blocks behind the
        // reader's back; the frame markers are the document's own.
        if ((u < 0x20 && u != '\t') || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1 || u == 0xFFFC)
            continue;
        clean.append(c);
    }
    if (clean.isEmpty())
        return;

    switch (state().destination) {
    case Destination::Text:
        if (m_blockPending)
            startPendingBlock();
        if (!m_pendingText.isEmpty() && !(m_pendingChars == state().chars))
            flushText();
        m_pendingChars = state().chars;
        m_pendingText += clean;
        countText(clean);
        break;
    case Destination::FontTable:
        for (QChar c : clean) {
            if (c == QLatin1Char(';'))
                finishFont();
            else
                m_fontName.append(c);
        }
        break;
    case Destination::ColorTable:
        for (QChar c : clean) {
            if (c == QLatin1Char(';'))
                finishColor();
        }
        break;
    case Destination::Skip:
    case Destination::Object:
        break;
    }
}

void RtfReader::countText(const QString &text)
{
    m_lines += text.count(QChar::LineSeparator);
    m_paragraph += text.size();
    if ((m_maxLines >= 0 && m_lines > m_maxLines) ||
        (m_maxParagraph >= 0 && m_paragraph > m_maxParagraph))
        m_limitPassed = true;
}

void RtfReader::flushText()
{
    if (m_pendingText.isEmpty())
        return;
    m_cursor->insertText(m_pendingText, charFormat(m_pendingChars));
    m_pendingText.clear();
}

void RtfReader::startPendingBlock()
{
    m_blockPending = false;
    m_cursor->insertBlock(blockFormat(state().para), charFormat(state().chars));
    m_ownsBlock = true;
    ++m_lines;
    m_paragraph = 0;
    if (m_maxLines >= 0 && m_lines > m_maxLines)
        m_limitPassed = true;
}

void RtfReader::endParagraph()
{
    if (state().destination != Destination::Text)
        return;
    flushText();
    if (m_blockPending)
        startPendingBlock();
    applyBlockFormat();
    m_blockPending = true;
}

void RtfReader::applyBlockFormat()
{
    if (m_ownsBlock)
        m_cursor->setBlockFormat(blockFormat(state().para));
}

void RtfReader::finishFont()
{
    m_fonts.insert(m_fontNumber,
                   FontEntry{m_fontName.trimmed(), RtfCodePage::forCharset(m_fontCharset)});
    m_formatCache.clear();
    m_fontName.clear();
}

void RtfReader::finishColor()
{
    m_formatCache.clear();
    if (m_colorGiven)
        m_colors.append(QColor(m_red, m_green, m_blue));
    else
        m_colors.append(std::nullopt);
    m_red = m_green = m_blue = 0;
    m_colorGiven = false;
}

QTextCharFormat RtfReader::charFormat(const CharState &chars)
{
    // A document switches between a handful of formats thousands of times;
    // building each anew cost a tenth of the reading time.
    for (const auto &[state, format] : m_formatCache)
        if (state == chars)
            return format;
    if (m_formatCache.size() >= kFormatCacheSize)
        m_formatCache.clear();
    m_formatCache.emplace_back(chars, makeCharFormat(chars));
    return m_formatCache.back().second;
}

QTextCharFormat RtfReader::makeCharFormat(const CharState &chars) const
{
    QTextCharFormat format;
    const auto font = m_fonts.constFind(chars.font < 0 ? m_defaultFont : chars.font);
    if (font != m_fonts.constEnd() && !font->name.isEmpty())
        format.setFontFamilies({font->name});
    format.setFontPointSize(chars.halfPoints / 2.0);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    if (chars.color < m_colors.size() && m_colors[chars.color])
        format.setForeground(*m_colors[chars.color]);
    return format;
}

QTextBlockFormat RtfReader::blockFormat(const ParaState &para) const
{
    QTextBlockFormat format;
    format.setAlignment(para.alignment);
    format.setTextIndent(para.firstIndent / kTwipsPerPixel);
    format.setLeftMargin(para.leftIndent / kTwipsPerPixel);
    format.setRightMargin(para.rightIndent / kTwipsPerPixel);
    return format;
}
