#include "fake_dialogs.h"
#include "prefs/preferences.h"
#include "prefs/startup_loader.h"
#include "program_dir_fixture.h"
#include "vocab/vocabulary.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        program.writeVocabulary();
        program.writeExceptions();
        writePrefs(PreferenceValues::defaults().toLines());
    }

    void writePrefs(const QStringList &lines)
    {
        program.write("prefs.ini", lines.join("\r\n").toUtf8());
    }

    StartupResult start()
    {
        return loadSettingsAndVocabulary(program.path(), dialogs, prefs, vocab);
    }

    static QByteArray defaultCaptions()
    {
        return Vocabulary::defaultNounCaptions().join("\r\n").toUtf8();
    }

    ProgramDirFixture program;
    FakeDialogs dialogs;
    Preferences prefs;
    Vocabulary vocab;
};

} // namespace

TEST_F(StartupTest, DefaultInstallationStartsQuietly)
{
    const StartupResult r = start();
    EXPECT_TRUE(r.ok);
    EXPECT_FALSE(r.vocabDirReset);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
    EXPECT_EQ(prefs.values().VocabDir, program.filePath("words"));
    EXPECT_EQ(prefs.values().OpenDir, program.filePath("txt"));
    EXPECT_EQ(vocab.loadedDir(), program.filePath("words"));
    EXPECT_EQ(vocab.wordList(Vocabulary::List::ModalList).size(), 2);
}

TEST_F(StartupTest, MissingPrefsFileStopsWithoutMakingOne)
{
    program.remove("prefs.ini");
    const StartupResult r = start();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(dialogs.messages, QStringList({"Missing crucial prefs.ini file.  Reinstall."}));
    EXPECT_FALSE(program.exists("prefs.ini"));
}

TEST_F(StartupTest, MovedProgramFolderKeepsEverySettingAndTheUsersCaptions)
{
    // prefs.ini written by the program in its old place, where words were
    // named by their full path; the folder has since been moved here.
    QStringList captions = Vocabulary::defaultNounCaptions();
    captions[Vocabulary::Custom] = "mine";
    const QByteArray captionsFile = captions.join("\r\n").toUtf8();
    program.write("words/nounButtons.txt", captionsFile);
    QStringList lines = PreferenceValues::defaults().toLines();
    lines[1] = "Garamond";
    const QString old = QStringLiteral("/nonexistent/old-place/words");
    lines[5] = old;
    writePrefs(lines);

    const StartupResult r = start();
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.vocabDirReset);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.at(0).contains(old)) << dialogs.messages.at(0).toStdString();
    EXPECT_TRUE(dialogs.messages.at(0).contains(program.filePath("words")));
    EXPECT_EQ(prefs.values().fontName, "Garamond");
    EXPECT_EQ(prefs.values().VocabDir, program.filePath("words"));
    EXPECT_EQ(vocab.nounCaption(Vocabulary::Custom), "mine");
    EXPECT_EQ(program.read("words/nounButtons.txt"), captionsFile);
    EXPECT_EQ(program.read("prefs.ini"), lines.join("\r\n").toUtf8()) << "nothing is rewritten";
}

TEST_F(StartupTest, DeletedCaptionsFileComesBackWithoutResettingThePreferences)
{
    program.writeVocabulary("mine");
    program.remove("mine/nounButtons.txt");
    QStringList lines = PreferenceValues::defaults().toLines();
    lines[1] = "Garamond";
    lines[5] = "mine"; // a folder inside the program folder, kept relative
    writePrefs(lines);

    const StartupResult r = start();
    EXPECT_TRUE(r.ok);
    EXPECT_FALSE(r.vocabDirReset);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
    EXPECT_EQ(prefs.values().VocabDir, program.filePath("mine"));
    EXPECT_EQ(prefs.values().fontName, "Garamond");
    EXPECT_EQ(program.read("mine/nounButtons.txt"), defaultCaptions());
}

TEST_F(StartupTest, NoDefaultVocabularyToFallBackOnStopsInsteadOfLooping)
{
    QDir(program.filePath("words")).removeRecursively();
    const StartupResult r = start();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(dialogs.messages, QStringList({"Missing crucial words directory.  Reinstall."}));
}

TEST_F(StartupTest, BadLinesAreNamedOnceAndStartUpGoesOn)
{
    QStringList lines = PreferenceValues::defaults().toLines();
    lines[6] = "left";
    lines[26] = "clSomething";
    lines[54] = "true";
    writePrefs(lines);

    const StartupResult r = start();
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(dialogs.messages,
              QStringList({"Some settings in prefs.ini could not be read and were reset to their "
                           "defaults (lines 7, 27)."}));
    EXPECT_EQ(prefs.values().NormalLeft, 80);
    EXPECT_TRUE(prefs.values().PastTense);
}
