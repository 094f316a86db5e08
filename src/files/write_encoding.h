#pragma once

#include "text_file.h"

#include <QString>

// A file goes back in the encoding it was read in, unless its text now holds
// a character that Windows-1252 cannot store: writing a "?" in its place
// would lose the word, so such a file is written as UTF-8 instead.
inline TextFile::Encoding writeEncodingFor(const QString &text, TextFile::Encoding readIn)
{
    if (readIn != TextFile::Encoding::Windows1252)
        return readIn;
    const QByteArray bytes = TextFile::encode(text, readIn);
    for (qsizetype i = 0; i < text.size(); ++i) {
        // encode() maps one character to one byte and writes '?' for a
        // character it cannot store.
        if (bytes.at(i) == '?' && text.at(i) != QLatin1Char('?'))
            return TextFile::Encoding::Utf8;
    }
    return readIn;
}
