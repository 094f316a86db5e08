#include "shell/formats/rtf_tokenizer.h"

#include <QIODevice>

#include <limits>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

RtfTokenizer::RtfTokenizer(const QByteArray &data)
    : m_data(data)
{}

RtfTokenizer::RtfTokenizer(QIODevice *device)
{
    if (!device || !device->isReadable()) {
        m_error = QStringLiteral("The RTF source cannot be read");
        m_errorOffset = 0;
        return;
    }
    m_data = device->readAll();
}

RtfTokenizer::Token RtfTokenizer::fail(qint64 offset, const QString &message)
{
    if (m_error.isEmpty()) {
        m_error = QStringLiteral("%1 at byte offset %2").arg(message).arg(offset);
        m_errorOffset = offset;
    }
    m_pos = m_data.size();
    Token token;
    token.type = Type::Error;
    token.offset = m_errorOffset;
    return token;
}

RtfTokenizer::Token RtfTokenizer::failAtEnd(qint64 offset, const QString &message)
{
    m_endedEarly = m_error.isEmpty();
    return fail(offset, message);
}

RtfTokenizer::Token RtfTokenizer::next()
{
    if (hasError()) {
        Token token;
        token.type = Type::Error;
        token.offset = m_errorOffset;
        return token;
    }
    while (m_pos < m_data.size() && (m_data.at(m_pos) == '\r' || m_data.at(m_pos) == '\n'))
        ++m_pos;
    Token token;
    token.offset = m_pos;
    if (m_pos >= m_data.size())
        return token;
    const char c = m_data.at(m_pos);
    if (c == '{') {
        ++m_pos;
        token.type = Type::GroupStart;
        return token;
    }
    if (c == '}') {
        ++m_pos;
        token.type = Type::GroupEnd;
        return token;
    }
    if (c == '\\') {
        // Escaped braces and backslashes belong to the text run.
        if (m_pos + 1 < m_data.size()) {
            const char e = m_data.at(m_pos + 1);
            if (e == '\\' || e == '{' || e == '}')
                return readText();
        }
        return readControl();
    }
    return readText();
}

RtfTokenizer::Token RtfTokenizer::readText()
{
    Token token;
    token.type = Type::Text;
    token.offset = m_pos;
    const char *data = m_data.constData();
    const qsizetype size = m_data.size();
    while (m_pos < size) {
        // Plain characters go over in one piece rather than one at a time.
        qsizetype end = m_pos;
        while (end < size && data[end] != '{' && data[end] != '}' && data[end] != '\\' &&
               data[end] != '\r' && data[end] != '\n')
            ++end;
        if (end > m_pos) {
            token.text.append(data + m_pos, end - m_pos);
            m_pos = end;
            continue;
        }
        const char c = m_data.at(m_pos);
        if (c == '{' || c == '}')
            break;
        if (c == '\r' || c == '\n') {
            ++m_pos;
            continue;
        }
        if (c == '\\') {
            if (m_pos + 1 >= m_data.size())
                break;
            const char e = m_data.at(m_pos + 1);
            if (e != '\\' && e != '{' && e != '}')
                break;
            token.text.append(e);
            m_pos += 2;
            continue;
        }
        token.text.append(c);
        ++m_pos;
    }
    return token;
}

RtfTokenizer::Token RtfTokenizer::readControl()
{
    const qsizetype start = m_pos;
    ++m_pos; // the backslash
    if (m_pos >= m_data.size())
        return failAtEnd(start, QStringLiteral("Backslash at the end of the file"));

    Token token;
    token.offset = start;
    const char c = m_data.at(m_pos);
    if (!isLetter(c)) {
        ++m_pos;
        if (c == '\'') {
            if (m_pos + 2 > m_data.size())
                return failAtEnd(start, QStringLiteral("Truncated \\' escape"));
            const int hi = hexValue(m_data.at(m_pos));
            const int lo = hexValue(m_data.at(m_pos + 1));
            if (hi < 0 || lo < 0)
                return fail(start, QStringLiteral("Bad hexadecimal digits in \\' escape"));
            m_pos += 2;
            token.type = Type::HexByte;
            token.parameter = hi * 16 + lo;
            return token;
        }
        if (c == '\r' || c == '\n') {
            // A backslash before a line end is an old spelling of \par.
            token.type = Type::ControlWord;
            token.word = "par";
            return token;
        }
        token.type = Type::ControlSymbol;
        token.symbol = c;
        return token;
    }

    const qsizetype wordStart = m_pos;
    while (m_pos < m_data.size() && isLetter(m_data.at(m_pos))) {
        if (m_pos - wordStart >= kMaxWordLength)
            return fail(start,
                        QStringLiteral("Control word longer than %1 letters").arg(kMaxWordLength));
        ++m_pos;
    }
    token.type = Type::ControlWord;
    token.word = m_data.mid(wordStart, m_pos - wordStart);

    bool negative = false;
    if (m_pos + 1 < m_data.size() && m_data.at(m_pos) == '-' && isDigit(m_data.at(m_pos + 1))) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < m_data.size() && isDigit(m_data.at(m_pos))) {
        const qsizetype digitsStart = m_pos;
        qint64 value = 0;
        while (m_pos < m_data.size() && isDigit(m_data.at(m_pos))) {
            if (m_pos - digitsStart >= kMaxParameterDigits)
                return fail(start, QStringLiteral("Parameter of \\%1 is too long")
                                       .arg(QString::fromLatin1(token.word)));
            value = value * 10 + (m_data.at(m_pos) - '0');
            ++m_pos;
        }
        if (negative)
            value = -value;
        if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
            return fail(start, QStringLiteral("Parameter of \\%1 is out of range")
                                   .arg(QString::fromLatin1(token.word)));
        token.parameter = int(value);
        token.hasParameter = true;
    }
    if (m_pos < m_data.size() && m_data.at(m_pos) == ' ')
        ++m_pos;

    if (token.word == "bin") {
        const qint64 count = token.hasParameter ? token.parameter : 0;
        if (count < 0)
            return fail(start, QStringLiteral("Negative \\bin length"));
        if (count > m_data.size() - m_pos)
            return failAtEnd(start, QStringLiteral("\\bin data runs past the end of the file"));
        m_pos += count;
        token.type = Type::Binary;
        token.parameter = int(count);
    }
    return token;
}
