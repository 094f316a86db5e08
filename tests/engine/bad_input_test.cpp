// Files that are damaged, huge or unwritable: each must be reported in
// words a person can act on, and none may cost data already there.
#include "fake_dialogs.h"
#include "files/text_file.h"
#include "prefs/preferences.h"
#include "prefs/startup_loader.h"
#include "program_dir_fixture.h"
#include "vocab/vocabulary.h"

#include <QDir>
#include <gtest/gtest.h>
#include <random>

namespace {

using List = Vocabulary::List;

class BadInput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        program.writeVocabulary();
        program.writeExceptions();
        program.write("prefs.ini", PreferenceValues::defaults().toLines().join("\r\n").toUtf8());
    }

    StartupResult start()
    {
        return loadSettingsAndVocabulary(program.path(), dialogs, prefs, vocab);
    }

    QString joined() const { return dialogs.messages.join('\n'); }

    ProgramDirFixture program;
    FakeDialogs dialogs;
    Preferences prefs;
    Vocabulary vocab;
};

QByteArray randomBytes(std::size_t count, unsigned seed)
{
    std::mt19937 gen(seed);
    QByteArray bytes(qsizetype(count), '\0');
    for (char &b : bytes)
        b = char(gen() & 0xFF);
    return bytes;
}

} // namespace

TEST_F(BadInput, PrefsOfRandomBytesAreReportedOnceAndStartUpGoesOnWithTheVocabulary)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        dialogs.messages.clear();
        program.write("prefs.ini", randomBytes(4096, seed));
        prefs.assign(PreferenceValues());
        const StartupResult r = start();
        EXPECT_TRUE(r.ok) << joined().toStdString();
        // The unreadable lines are named, and the vocabulary line, which
        // names no folder, gives way to the default one.
        ASSERT_EQ(dialogs.messages.size(), r.vocabDirReset ? 2 : 1) << joined().toStdString();
        EXPECT_TRUE(dialogs.messages.at(0).startsWith("Some settings in prefs.ini could not "
                                                      "be read"));
        EXPECT_EQ(vocab.wordList(List::ModalList).entries(), QStringList({"alpha", "zeta"}));
        EXPECT_EQ(program.read("words/modal.txt"), "zeta\r\nalpha\r\n");
    }
}

TEST_F(BadInput, WordListWithAOneMegabyteLineLoadsAndSavesWhole)
{
    const QByteArray longLine(1024 * 1024, 'x');
    const QByteArray file = "first\r\n" + longLine + "\r\nlast";
    program.write("words/custom.txt", file);
    program.write("words/adjective.txt", "calm\r\n" + longLine + "\r\nbright");

    ASSERT_TRUE(start().ok) << joined().toStdString();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << joined().toStdString();
    const WordList &custom = vocab.wordList(List::CustomList);
    ASSERT_EQ(custom.size(), 3);
    EXPECT_EQ(custom.at(1).size(), longLine.size());
    EXPECT_EQ(vocab.wordList(List::AdjectiveList).size(), 3);

    vocab.markModified(List::CustomList);
    vocab.markModified(List::AdjectiveList);
    dialogs.answers = {Dialogs::Answer::Yes};
    ASSERT_TRUE(vocab.SaveVocabulary(dialogs)) << joined().toStdString();
    EXPECT_EQ(program.read("words/custom.txt"), file);
    EXPECT_EQ(program.read("words/adjective.txt"), "bright\r\ncalm\r\n" + longLine);
}

TEST_F(BadInput, VerbFileOfSevenLinesIsReportedAndKeepsItsLastVerb)
{
    const QByteArray file = "walk\r\nwalks\r\nwalking\r\nwalked\r\nwalked\r\nbe\r\nis";
    program.write("words/verb.txt", file);

    const StartupResult r = start();
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(dialogs.messages, QStringList({Vocabulary::incompleteVerbMessage("verb.txt", 7, 2)}));
    EXPECT_TRUE(dialogs.messages.at(0).contains("verb.txt"));
    const VerbTable &verbs = vocab.verbTable(List::VerbTable);
    ASSERT_EQ(verbs.size(), 2);
    EXPECT_EQ(verbs.row(0), QStringList({"be", "is", "", "", ""}));

    // Saved after an edit, the file still holds every line it had.
    vocab.markModified(List::VerbTable);
    dialogs.answers = {Dialogs::Answer::Yes};
    ASSERT_TRUE(vocab.SaveVocabulary(dialogs));
    const QStringList saved =
        TextFile::splitLines(QString::fromUtf8(program.read("words/verb.txt")));
    EXPECT_EQ(saved, QStringList(
                         {"be", "is", "", "", "", "walk", "walks", "walking", "walked", "walked"}));
}

TEST_F(BadInput, VocabularyDirectoryThatCannotBeWrittenKeepsTheFilesAndTheProgramOpen)
{
    ASSERT_TRUE(start().ok);
    vocab.wordList(List::AdjectiveList).add("blue");
    vocab.markModified(List::AdjectiveList);
    // A file where the directory should be: no write can succeed there,
    // whoever runs the test (permissions do not stop root).
    const QString words = program.filePath("words");
    ASSERT_TRUE(QDir(words).removeRecursively());
    program.write("words", "not a directory");

    dialogs.answers = {Dialogs::Answer::Yes};
    EXPECT_FALSE(vocab.SaveVocabulary(dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.at(0).contains("adjective.txt"));
    EXPECT_TRUE(dialogs.messages.at(0).contains("not lost"));
    // The words are still there to be saved elsewhere or again.
    EXPECT_GE(vocab.wordList(List::AdjectiveList).find("blue"), 0);
    EXPECT_TRUE(vocab.VocabModified());
}
