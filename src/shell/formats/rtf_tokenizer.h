#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Splits RTF bytes into tokens. Escaped braces and backslashes come back as
// text; CR and LF between tokens are dropped, as RTF says; `\binN` data is
// skipped by its count. A malformed stream yields one Error token (and then
// only Error tokens) carrying the byte offset of the fault.
class RtfTokenizer
{
public:
    enum class Type {
        GroupStart,
        GroupEnd,
        ControlWord,   // name in `word`, optional signed parameter
        ControlSymbol, // `\~`, `\-`, `\_`, `\*`, `\|`, `\:` ...: the character in `symbol`
        HexByte,       // `\'hh`: the byte in `parameter`
        Text,          // raw bytes in `text`, in the document's code page
        Binary,        // `\binN` data, `parameter` bytes, skipped
        End,
        Error,
    };

    struct Token
    {
        Type type = Type::End;
        qint64 offset = 0; // byte offset of the token's first byte
        QByteArray word;
        QByteArray text;
        int parameter = 0;
        bool hasParameter = false;
        char symbol = 0;
    };

    // RTF caps control words at 32 letters; parameters are kept to 32 bits.
    static constexpr int kMaxWordLength = 32;
    static constexpr int kMaxParameterDigits = 10;

    explicit RtfTokenizer(const QByteArray &data);
    // Reads the whole device; a device that cannot be read gives an Error.
    explicit RtfTokenizer(QIODevice *device);

    Token next();

    bool hasError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    qint64 errorOffset() const { return m_errorOffset; }
    // The error is only that the data ends inside a control word's escape or
    // binary data: what came before it is whole.
    bool endedEarly() const { return m_endedEarly; }

private:
    Token fail(qint64 offset, const QString &message);
    Token failAtEnd(qint64 offset, const QString &message);
    Token readControl();
    Token readText();

    QByteArray m_data;
    qsizetype m_pos = 0;
    QString m_error;
    qint64 m_errorOffset = -1;
    bool m_endedEarly = false;
};
