// What the replacing writer keeps of the file it replaces, and what it
// refuses to replace at all.
#include "vocab/atomic_file_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

unsigned modeOf(const QString &path)
{
    struct stat st;
    return lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}

} // namespace

TEST(AtomicFileWriter, KeepsModeAndLinksAndRefusesWhatIsNoPlainWritableFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("list.txt");
    const QString link = dir.filePath("link.txt");
    QString reason;
    ASSERT_TRUE(AtomicFileWriter::writeFile(file, "old", &reason));
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(file, link));

    // Through the link: the link stays a link, the file it names changes
    // and keeps its mode.
    ASSERT_TRUE(AtomicFileWriter::writeFile(link, "new", &reason)) << reason.toStdString();
    EXPECT_TRUE(S_ISLNK(modeOf(link)));
    EXPECT_EQ(contents(file), "new");
    EXPECT_EQ(modeOf(file) & 07777, 0640u);

    const struct
    {
        QString path;
        const char *reason;
    } refused[] = {
        {dir.path(), "it is a folder"},
        {QStringLiteral("/dev/null"), "it is not a regular file"},
        {dir.filePath("absent/x.txt"), "the folder does not exist"},
        {dir.filePath(QString(256, QLatin1Char('n'))), "the file name is too long"},
    };
    for (const auto &r : refused) {
        SCOPED_TRACE(r.path.toStdString());
        EXPECT_FALSE(AtomicFileWriter::writeFile(r.path, "x", &reason));
        EXPECT_TRUE(reason.startsWith(QLatin1String(r.reason))) << reason.toStdString();
    }
    // A name at the file system's limit still saves: the temporary name is
    // cut to fit.
    const QString longest = dir.filePath(QString(255, QLatin1Char('n')));
    EXPECT_TRUE(AtomicFileWriter::writeFile(longest, "fits", &reason)) << reason.toStdString();
    EXPECT_EQ(contents(longest), "fits");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);
}
