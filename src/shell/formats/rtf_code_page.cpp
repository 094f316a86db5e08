#include "shell/formats/rtf_code_page.h"

#include "files/text_file.h"

#include <QStringDecoder>

namespace RtfCodePage {

namespace {

QByteArray converterName(int codePage)
{
    switch (codePage) {
    case 65001:
        return "UTF-8";
    case 10000:
        return "macintosh";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 437:
    case 850:
    case 852:
    case 866:
        return "IBM" + QByteArray::number(codePage);
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

} // namespace

int forCharset(int charset)
{
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

QString decode(const QByteArray &bytes, int codePage)
{
    if (codePage == 1252 || codePage <= 0)
        return TextFile::decodeWindows1252(bytes);
    QStringDecoder decoder(converterName(codePage).constData());
    if (!decoder.isValid())
        return TextFile::decodeWindows1252(bytes);
    return decoder.decode(bytes);
}

char toWindows1252(QChar c)
{
    return TextFile::toWindows1252(c);
}

} // namespace RtfCodePage
