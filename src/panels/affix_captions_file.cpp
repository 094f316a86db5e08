#include "affix_captions_file.h"

#include "files/text_file.h"

#include <QDir>
#include <QStringList>

void AffixCaptionsFile::read(const QString &programDir)
{
    prefixes.fill(QString());
    suffixes.fill(QString());
    TextFile::Content content;
    QString error;
    if (!TextFile::read(QDir(programDir).filePath(QString::fromLatin1(FileName)), &content, &error))
        return;
    const QStringList lines = TextFile::splitLines(content.text);
    for (int i = 0; i < PrefixCount; ++i)
        prefixes[i] = lines.value(i);
    for (int i = 0; i < SuffixCount; ++i)
        suffixes[i] = lines.value(PrefixCount + i);
}

bool AffixCaptionsFile::write(const QString &programDir, QString *error) const
{
    QStringList lines;
    for (const QString &caption : prefixes)
        lines.append(caption);
    for (const QString &caption : suffixes)
        lines.append(caption);
    return TextFile::write(QDir(programDir).filePath(QString::fromLatin1(FileName)),
                           lines.join(QStringLiteral("\r\n")), TextFile::Encoding::Utf8, error,
                           TextFile::ReadOnlyFile::Replace);
}
