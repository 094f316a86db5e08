#include "bench_documents.h"

#include <QDir>
#include <QFile>
#include <array>

namespace BenchDocuments {

namespace {

constexpr std::array kWords = {"the",     "cat",   "sat",     "on",    "a",      "mat",
                               "while",   "quiet", "rivers",  "carry", "old",    "songs",
                               "through", "an",    "orchard", "of",    "silver", "light"};

} // namespace

QString prose(qsizetype size)
{
    QString text;
    text.reserve(size + 16);
    std::size_t w = 0;
    qsizetype sinceBreak = 0;
    while (text.size() < size) {
        const char *word = kWords[w % kWords.size()];
        text += QLatin1String(word);
        ++w;
        if (w % 11 == 0) {
            text += QLatin1Char('.');
        }
        if (sinceBreak > 600 && w % 11 == 0) {
            text += QLatin1Char('\n');
            sinceBreak = 0;
        } else {
            text += QLatin1Char(' ');
            sinceBreak += 1;
        }
        sinceBreak += qsizetype(qstrlen(word));
    }
    text.truncate(size);
    return text;
}

QByteArray richText(qsizetype size)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0"
                     "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
                     "{\\f1\\fswiss\\fcharset0 Arial;}{\\f2\\fmodern\\fcharset0 Courier New;}}"
                     "{\\colortbl ;\\red192\\green0\\blue0;\\red0\\green128\\blue0;"
                     "\\red0\\green0\\blue255;}\n";
    rtf.reserve(size + 4096);
    static const char *const runs[] = {
        "\\b ",    "\\b0 ",   "\\i ",   "\\i0 ",  "\\ul ",  "\\ulnone ",   "\\f1 ",        "\\f0 ",
        "\\fs28 ", "\\fs24 ", "\\cf1 ", "\\cf0 ", "\\cf3 ", "\\f2\\fs20 ", "\\plain\\f0 ",
    };
    static const char *const paragraphs[] = {
        "\\pard\\ql ",
        "\\pard\\qc ",
        "\\pard\\qj\\fi360 ",
        "\\pard\\qr\\li720\\ri360 ",
    };
    std::size_t w = 0;
    int paragraph = 0;
    while (rtf.size() < size) {
        rtf += paragraphs[paragraph % 4];
        for (int sentence = 0; sentence < 6; ++sentence) {
            for (int i = 0; i < 12; ++i) {
                if (w % 5 == 0)
                    rtf += runs[(w / 5) % std::size(runs)];
                if (w % 37 == 0)
                    rtf += "caf\\u233\\'e9 "; // an accented word with its fallback
                else if (w % 53 == 0)
                    rtf += "{\\b\\i grouped} ";
                rtf += kWords[w % kWords.size()];
                rtf += ' ';
                ++w;
            }
            rtf += ". ";
        }
        rtf += "\\par\n";
        ++paragraph;
    }
    rtf += "}\n";
    return rtf;
}

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QDir d(from);
    for (const QString &f : d.entryList(QDir::Files))
        QFile::copy(d.filePath(f), QDir(to).filePath(f));
    for (const QString &sub : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        copyTree(d.filePath(sub), QDir(to).filePath(sub));
}

} // namespace BenchDocuments
