#include "shell/recovery/document_snapshot.h"
#include "shell/recovery/recovery_store.h"
#include "shell/recovery/vocabulary_snapshot.h"
#include "vocab/vocabulary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using Kind = RecoveryStore::Kind;

class RecoveryStoreTest : public ::testing::Test
{
protected:
    QString folder() const { return m_dir.filePath(QStringLiteral("recovery")); }
    QString inFolder(const QString &name) const { return QDir(folder()).filePath(name); }

    // A copy under the name of a run that has no lock: what a crash before
    // the lock was written, or a lock lost since, leaves.
    QString leaveAsCrashed(const QString &from, const QString &name, qsizetype cutTo = -1)
    {
        QFile in(from);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        QByteArray bytes = in.readAll();
        if (cutTo >= 0)
            bytes.truncate(cutTo);
        QFile out(inFolder(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return out.fileName();
    }

    QTemporaryDir m_dir;
};

TEST_F(RecoveryStoreTest, OnlyCopiesOfRunsThatAreGoneAreOfferedAndTheyReadBackWhole)
{
    RecoveryStore::Record record;
    record.fields.insert(QStringLiteral("name"), QStringLiteral("C:\\poems\\a\nb.rtf"));
    // The body may hold what the header is made of.
    record.body = QByteArray("line\n\nsize=3\nmd5=x\n\0end", 24);
    auto alive = std::make_unique<RecoveryStore>(folder());
    QString error;
    ASSERT_TRUE(alive->write(Kind::Document, record, &error)) << error.toStdString();

    RecoveryStore other(folder());
    EXPECT_TRUE(other.takeOverAbandoned().isEmpty()) << "a running copy's work is not offered";

    const QString crashed = leaveAsCrashed(alive->path(Kind::Document), "4242-x.document");
    const QList<RecoveryStore::Abandoned> found = other.takeOverAbandoned();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found.first().path, crashed);
    RecoveryStore::Record back;
    ASSERT_TRUE(RecoveryStore::read(found.first().path, &back, &error)) << error.toStdString();
    EXPECT_EQ(back.fields, record.fields);
    EXPECT_EQ(back.body, record.body);
    // While one start holds it, a third copy starting does not offer it too.
    EXPECT_TRUE(RecoveryStore(folder()).takeOverAbandoned().isEmpty());

    const QString own = alive->path(Kind::Document);
    alive.reset();
    EXPECT_FALSE(QFile::exists(own)) << "a clean end removes the run's copies";
    other.releaseAbandoned();
    EXPECT_TRUE(QFile::exists(crashed)) << "a copy not answered stays for the next start";
}

TEST_F(RecoveryStoreTest, ADamagedCopyIsRefusedWithAReasonAndNeverHangs)
{
    RecoveryStore store(folder());
    RecoveryStore::Record record;
    record.body = QByteArray(5000, 'x');
    QString error;
    ASSERT_TRUE(store.write(Kind::WordLists, record, &error));
    const QString whole = store.path(Kind::WordLists);
    QStringList damaged = {leaveAsCrashed(whole, "1-cut.wordlists", 4000),
                           leaveAsCrashed(whole, "2-header.wordlists", 10)};
    const QString flipped = leaveAsCrashed(whole, "3-flipped.wordlists");
    QFile f(flipped);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(f.size() - 1);
    f.write("y");
    f.close();
    damaged << flipped << inFolder("4-fifo.wordlists");
    ASSERT_EQ(::mkfifo(QFile::encodeName(damaged.last()).constData(), 0600), 0);
    for (const QString &path : damaged) {
        RecoveryStore::Record back;
        error.clear();
        EXPECT_FALSE(RecoveryStore::read(path, &back, &error)) << path.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST_F(RecoveryStoreTest, AFolderThatCannotBeMadeFailsEachWriteUntilItCan)
{
    QFile blocker(m_dir.filePath(QStringLiteral("recovery")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecoveryStore store(QDir(blocker.fileName()).filePath(QStringLiteral("inner")));
    QString error;
    EXPECT_FALSE(store.write(Kind::Document, {}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("cannot be made"))) << error.toStdString();
    EXPECT_FALSE(store.has(Kind::Document));
    ASSERT_TRUE(blocker.remove());
    EXPECT_TRUE(store.write(Kind::Document, {}, &error)) << error.toStdString();
    EXPECT_TRUE(QFile::exists(store.path(Kind::Document)));
}

TEST(VocabularySnapshotTest, ChangedListsComeBackWholeAndMarkedAndDamageChangesNothing)
{
    Vocabulary before;
    WordList &numbers = before.wordList(Vocabulary::List::NumberList);
    numbers.addAll(
        {QStringLiteral("two"), QStringLiteral("one"), QStringLiteral("a\\n\nb"), QString()});
    before.markModified(Vocabulary::List::NumberList);
    before.verbTable(Vocabulary::List::GoVerbTable)
        .loadLines({"go", "goes", "going", "went", "gone"});
    before.markModified(Vocabulary::List::GoVerbTable);
    before.wordList(Vocabulary::List::AnimalList).add(QStringLiteral("unsaved but unmarked"));
    const QByteArray copy = VocabularySnapshot::capture(before);

    Vocabulary after;
    after.wordList(Vocabulary::List::AnimalList).add(QStringLiteral("cat"));
    QString error;
    for (const QByteArray &bad : {copy.left(copy.size() - 8), QByteArray("list nosuch.txt 0\n")}) {
        EXPECT_FALSE(VocabularySnapshot::restore(bad, after, &error));
        EXPECT_FALSE(after.VocabModified());
        EXPECT_TRUE(after.wordList(Vocabulary::List::NumberList).isEmpty());
    }
    ASSERT_TRUE(VocabularySnapshot::restore(copy, after, &error)) << error.toStdString();
    EXPECT_EQ(after.wordList(Vocabulary::List::NumberList).entries(), numbers.entries());
    EXPECT_EQ(after.verbTable(Vocabulary::List::GoVerbTable).toLines(),
              before.verbTable(Vocabulary::List::GoVerbTable).toLines());
    EXPECT_TRUE(after.ListModified(Vocabulary::List::NumberList));
    EXPECT_FALSE(after.ListModified(Vocabulary::List::AnimalList));
    EXPECT_EQ(after.wordList(Vocabulary::List::AnimalList).entries(),
              QStringList{QStringLiteral("cat")});
}

TEST(DocumentSnapshotTest, TextFormattingNameEncodingAndCaretSurviveTheCopy)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText(QStringLiteral("The cat  sat\tstill.\nZwei Käfer \\ \u2014 end "));
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
    DocumentSnapshot::Info info{QStringLiteral("/home/me/poem.txt"),
                                {TextFile::Encoding::Windows1252, QStringLiteral("\r\n")},
                                9};

    QTextDocument back;
    DocumentSnapshot::Info backInfo;
    QString error;
    ASSERT_TRUE(
        DocumentSnapshot::restore(DocumentSnapshot::capture(doc, info), &back, &backInfo, &error))
        << error.toStdString();
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
    QTextCursor at(&back);
    at.setPosition(6);
    EXPECT_EQ(at.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(backInfo.name, info.name);
    EXPECT_EQ(backInfo.plainFormat.encoding, TextFile::Encoding::Windows1252);
    EXPECT_EQ(backInfo.plainFormat.lineEnd, QStringLiteral("\r\n"));
    EXPECT_EQ(backInfo.caret, 9);
}

} // namespace
