#pragma once

// What each fuzz target does with its input, shared with the regression
// test that replays kept inputs in the normal and sanitizer builds. Each
// returns what went wrong, or an empty string; a crash, hang or sanitizer
// report is a finding too.
#include "files/text_file.h"
#include "prefs/preferences.h"
#include "shell/formats/rtf_reader.h"
#include "shell/formats/rtf_writer.h"
#include "vocab/plural_exception_list.h"
#include "vocab/verb_table.h"
#include "vocab/word_list.h"

#include <QBuffer>
#include <QTextCursor>
#include <QTextDocument>

namespace FuzzChecks {

// Read at the start of an empty document and in the middle of one with
// text, as opening and pasting do; what was read must be writable.
inline QString rtfReader(const QByteArray &bytes)
{
    {
        QTextDocument doc;
        QTextCursor cursor(&doc);
        RtfReader reader;
        if (!reader.read(bytes, cursor) && reader.errorString().isEmpty())
            return QStringLiteral("failed without saying why");
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        if (!RtfWriter().write(&out, doc))
            return QStringLiteral("what was read cannot be written");
    }
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("before\nafter"));
    QTextCursor cursor(&doc);
    cursor.setPosition(3);
    RtfReader reader;
    reader.read(bytes, cursor);
    return {};
}

// prefs.ini read over the defaults; what is written reads back unchanged.
inline QString prefs(const QByteArray &bytes)
{
    PreferenceValues prefs;
    QList<int> reset;
    prefs.fromLines(TextFile::splitLines(TextFile::decode(bytes)), &reset);
    PreferenceValues::resetMessageFor(reset);
    prefs.resolveDirectories(QStringLiteral("/program"));
    prefs.resolveFirstStart(800, 600);
    const QStringList lines = prefs.toLines();
    if (lines.size() != PreferenceValues::LineCount)
        return QStringLiteral("wrote %1 lines").arg(lines.size());
    PreferenceValues again;
    QList<int> resetAgain;
    again.fromLines(lines, &resetAgain);
    if (!resetAgain.isEmpty())
        return QStringLiteral("a written file resets lines on reading");
    if (again.toLines() != lines)
        return QStringLiteral("a written file reads back different");
    return {};
}

// A sorted list comes out ordered, without duplicates, holding every line;
// a list in file order holds the lines as they were.
inline QString wordList(const QByteArray &bytes)
{
    TextFile::Encoding encoding;
    const QStringList lines = TextFile::splitLines(TextFile::decode(bytes, &encoding));
    TextFile::encode(lines.join(QStringLiteral("\r\n")), encoding);
    WordList sorted(WordList::Order::Sorted);
    sorted.addAll(lines);
    for (qsizetype i = 1; i < sorted.size(); ++i)
        if (WordList::compare(sorted.at(i - 1), sorted.at(i)) >= 0)
            return QStringLiteral("sorted list out of order at row %1").arg(i);
    for (const QString &line : lines)
        if (sorted.find(line) < 0)
            return QStringLiteral("a loaded word cannot be found");
    WordList inOrder(WordList::Order::FileOrder);
    inOrder.addAll(lines);
    if (inOrder.entries() != lines)
        return QStringLiteral("the list in file order differs from the file");
    return {};
}

// The five columns stay aligned; what the table writes loads back the same.
inline QString verbTable(const QByteArray &bytes)
{
    VerbTable table;
    table.loadLines(TextFile::splitLines(TextFile::decode(bytes)));
    for (int c = 0; c < VerbTable::ColumnCount; ++c)
        if (table.column(VerbTable::Column(c)).size() != table.size())
            return QStringLiteral("column %1 is out of line").arg(c);
    const QStringList lines = table.toLines();
    if (lines.size() != table.size() * VerbTable::ColumnCount)
        return QStringLiteral("rows are not five lines each");
    VerbTable again;
    again.loadLines(lines);
    if (again.toLines() != lines)
        return QStringLiteral("a written table loads back different");
    return {};
}

// Rows stay aligned and each can be found by its singular.
inline QString exceptionList(const QByteArray &bytes)
{
    PluralExceptionList list;
    list.loadLines(TextFile::splitLines(TextFile::decode(bytes)));
    for (qsizetype row = 0; row < list.size(); ++row) {
        const qsizetype found = list.find(list.singular(row));
        if (found < 0 || found > row)
            return QStringLiteral("row %1 cannot be found by its singular").arg(row);
        list.plural(row);
        list.alternate(row);
    }
    return {};
}

} // namespace FuzzChecks
