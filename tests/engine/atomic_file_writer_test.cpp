// What the replacing writer keeps of the file it replaces, and what it
// refuses to replace at all.
#include "files/atomic_file_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST(AtomicFileWriter, TemporaryOfAKilledSaveGoesAtTheNextSaveOfThatFileOnly)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("poem.txt");
    // Saves killed after writing a megabyte, of this file and of another.
    for (const QString &target : {file, dir.filePath("other.txt")}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            AtomicFileWriter writer(target);
            if (writer.open(QIODevice::WriteOnly))
                writer.write(QByteArray(1 << 20, 'x'));
            raise(SIGKILL);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
    }
    const auto temporaries = [&] {
        return QDir(dir.path()).entryList({".*.~*"}, QDir::Files | QDir::Hidden);
    };
    const QStringList other = temporaries().filter(".other.txt.~");
    ASSERT_EQ(temporaries().size(), 2);
    ASSERT_EQ(other.size(), 1);

    // A save under way keeps its temporary while another save of the same
    // file starts; only the dead one goes.
    AtomicFileWriter live(file);
    ASSERT_TRUE(live.open(QIODevice::WriteOnly));
    AtomicFileWriter next(file);
    ASSERT_TRUE(next.open(QIODevice::WriteOnly));
    EXPECT_EQ(temporaries().size(), 3);
    ASSERT_TRUE(next.write("next") == 4 && next.commit());
    ASSERT_TRUE(live.write("live") == 4 && live.commit()) << live.reason().toStdString();
    EXPECT_EQ(contents(file), "live");
    EXPECT_EQ(temporaries(), other);
}

TEST(AtomicFileWriter, ReadOnlyFileIsReplacedByAWritableOneOnlyWhenAsked)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("view.ini");
    QString reason;
    ASSERT_TRUE(AtomicFileWriter::writeFile(file, "zoom=100", &reason));
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0444), 0);
    EXPECT_FALSE(AtomicFileWriter::writeFile(file, "zoom=150", &reason));
    EXPECT_EQ(reason, QStringLiteral("the file is read-only"));
    ASSERT_TRUE(AtomicFileWriter::writeFile(file, "zoom=150", &reason, true));
    EXPECT_EQ(contents(file), "zoom=150");
    EXPECT_EQ(modeOf(file) & 0600, 0600u);
}
