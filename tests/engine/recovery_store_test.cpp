#include "shell/recovery/recovery_store.h"
#include "shell/recovery/vocabulary_snapshot.h"
#include "vocab/vocabulary.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using Kind = RecoveryStore::Kind;

// The bytes of from, cut to cutTo, under a run name that has no lock: what a
// crash leaves.
QString leaveAsCrashed(const QString &from, const QString &to, qsizetype cutTo = -1)
{
    QFile in(from);
    QFile out(to);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly));
    out.write(in.readAll().left(cutTo < 0 ? in.size() : cutTo));
    return to;
}

TEST(RecoveryStore, OnlyCopiesOfRunsThatAreGoneAreOfferedOnceAndReadBackWhole)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("own");
    // The body may hold what the header is made of.
    const RecoveryStore::Record record{{{"name", "C:\\poems\\a\nb.rtf"}},
                                       QByteArray("line\n\nsize=3\nmd5=x\n\0end", 24)};
    RecoveryStore alive(folder);
    QString error;
    ASSERT_TRUE(alive.write(Kind::Document, record, &error)) << error.toStdString();
    EXPECT_EQ(QFileInfo(folder).permissions().toInt() & 0x0077, 0) << "private to the user";
    const QString crashed = leaveAsCrashed(alive.path(Kind::Document), folder + "/42-x.document");
    // A power cut before its lock reached the disk leaves that lock empty.
    QFile emptyLock(leaveAsCrashed(crashed, folder + "/43-y.lock", 0));
    QFile(leaveAsCrashed(crashed, folder + "/43-y.document")).copy(folder + "/44-z.document");
    ASSERT_TRUE(emptyLock.open(QIODevice::ReadWrite) &&
                emptyLock.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                      QFileDevice::FileModificationTime));
    QFile(folder + "/44-z.lock").open(QIODevice::WriteOnly);
    RecoveryStore other(folder);
    const QList<RecoveryStore::Abandoned> found = other.takeOverAbandoned();
    QStringList paths;
    for (const RecoveryStore::Abandoned &copy : found)
        paths << copy.path;
    paths.sort();
    // Neither a running copy's work, nor one whose lock is being written.
    EXPECT_EQ(paths.join(' ').toStdString(),
              (crashed + ' ' + folder + "/43-y.document").toStdString());
    RecoveryStore::Record back;
    ASSERT_TRUE(RecoveryStore::read(crashed, &back, &error)) << error.toStdString();
    EXPECT_EQ(back.fields, record.fields);
    EXPECT_EQ(back.body, record.body);
    // While one start holds it, a third copy starting does not offer it too.
    EXPECT_TRUE(RecoveryStore(folder).takeOverAbandoned().isEmpty());
    other.releaseAbandoned();
    EXPECT_TRUE(QFile::exists(crashed)) << "a copy not answered stays for the next start";
}

TEST(RecoveryStore, ADamagedCopyIsRefusedWithAReasonAndAWholeOneBringsTheListsBack)
{
    QTemporaryDir dir;
    Vocabulary vocab;
    vocab.wordList(Vocabulary::List::NumberList)
        .addAll({QStringLiteral("one"), QStringLiteral("two")});
    vocab.markModified(Vocabulary::List::NumberList);
    vocab.verbTable(Vocabulary::List::GoVerbTable)
        .loadLines({"go", "goes", "going", "went", "gone"});
    vocab.markModified(Vocabulary::List::GoVerbTable);
    RecoveryStore store(dir.path());
    RecoveryStore::Record record{{}, VocabularySnapshot::capture(vocab)};
    QString error;
    ASSERT_TRUE(store.write(Kind::WordLists, record, &error));
    const QString whole = store.path(Kind::WordLists);
    QStringList damaged = {
        leaveAsCrashed(whole, dir.filePath("1-cut.wordlists"), QFileInfo(whole).size() - 3),
        leaveAsCrashed(whole, dir.filePath("2-head.wordlists"), 10),
        leaveAsCrashed(whole, dir.filePath("3-flip.wordlists")), dir.filePath("4-fifo.wordlists")};
    QFile flipped(damaged.at(2));
    ASSERT_TRUE(flipped.open(QIODevice::ReadWrite) && flipped.seek(flipped.size() - 2));
    flipped.write("x");
    flipped.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(damaged.last()).constData(), 0600), 0);
    for (const QString &path : damaged) {
        RecoveryStore::Record back;
        error.clear();
        EXPECT_FALSE(RecoveryStore::read(path, &back, &error)) << path.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    // A body that passes its checksum but does not parse changes nothing.
    Vocabulary after;
    for (const QByteArray &bad : {record.body.chopped(4), QByteArray("list nosuch.txt 0\n")}) {
        EXPECT_FALSE(VocabularySnapshot::restore(bad, after, &error));
        EXPECT_FALSE(after.VocabModified());
        EXPECT_TRUE(after.wordList(Vocabulary::List::NumberList).isEmpty());
    }
    ASSERT_TRUE(VocabularySnapshot::restore(record.body, after, &error)) << error.toStdString();
    EXPECT_EQ(after.verbTable(Vocabulary::List::GoVerbTable).toLines(),
              vocab.verbTable(Vocabulary::List::GoVerbTable).toLines());
    EXPECT_TRUE(after.ListModified(Vocabulary::List::GoVerbTable));
}

} // namespace
