#pragma once

#include <QByteArray>
#include <QString>

// Code pages as RTF names them: `\ansicpgN` and the Windows character sets
// of `\fcharsetN`. Windows-1252 is built in; other pages go through the
// platform's converters and fall back to Windows-1252 when it has none.
namespace RtfCodePage {

constexpr int kDefault = 1252;

// The code page of a `\fcharset` value, or 0 when the set says nothing
// about bytes (ANSI, default, symbol): the document's page applies then.
int forCharset(int charset);

QString decode(const QByteArray &bytes, int codePage);

// The Windows-1252 byte for c, or 0 when it has none.
char toWindows1252(QChar c);

} // namespace RtfCodePage
