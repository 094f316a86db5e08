#pragma once

#include <QByteArray>
#include <QString>

// Documents for the benchmarks, made the same way on every run.
namespace BenchDocuments {

// Prose of exactly size characters: sentences of common words, a paragraph
// break about every 600 characters.
QString prose(qsizetype size);

// An RTF document of at least size bytes with a font and colour table, and
// paragraphs mixing bold, italic, underline, fonts, sizes, colours,
// alignment, indents and \u escapes.
QByteArray richText(qsizetype size);

// Copies the folder from, with its subfolders, to the folder to.
void copyTree(const QString &from, const QString &to);

} // namespace BenchDocuments
