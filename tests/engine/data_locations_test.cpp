#include "prefs/data_locations.h"
#include "program_dir_fixture.h"

#include <QDirIterator>
#include <gtest/gtest.h>

namespace {

// Every file under dir with its bytes, to show that nothing changed there.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        files.insert(QDir(dir).relativeFilePath(path), f.readAll());
    }
    return files;
}

// An installed program's shared data and an empty home.
class UserFolders : public ::testing::Test
{
protected:
    void SetUp() override
    {
        shipped.writeVocabulary();
        shipped.write("prefs.ini", "shipped prefs");
    }

    DataLocations where() const
    {
        return DataLocations(shipped.path(), home.filePath("config"), home.filePath("data"));
    }

    ProgramDirFixture shipped;
    ProgramDirFixture home;
};

} // namespace

TEST_F(UserFolders, FirstStartFillsTheUsersFoldersAndLeavesTheShippedDataAlone)
{
    const auto before = snapshot(shipped.path());
    QString error;
    ASSERT_TRUE(where().prepare(&error)) << error.toStdString();
    EXPECT_EQ(home.read("config/prefs.ini"), "shipped prefs");
    EXPECT_EQ(home.read("data/words/modal.txt"), "zeta\r\nalpha\r\n");
    EXPECT_EQ(home.read("data/words/nounButtons.txt"), shipped.read("words/nounButtons.txt"));
    EXPECT_EQ(snapshot(shipped.path()), before);

    // The user's own settings are never replaced by the shipped defaults.
    home.write("config/prefs.ini", "mine");
    ASSERT_TRUE(where().prepare(&error)) << error.toStdString();
    EXPECT_EQ(home.read("config/prefs.ini"), "mine");
}

TEST_F(UserFolders, UpgradeReplacesUntouchedListsOnlyAndAddsNewOnes)
{
    QString error;
    ASSERT_TRUE(where().prepare(&error)) << error.toStdString();
    home.write("data/words/adjective.txt", "edited\r\nby hand");
    // The new version ships other words in both lists and one new list.
    shipped.write("words/adjective.txt", "new\r\nadjectives");
    shipped.write("words/modal.txt", "new\r\nmodals");
    shipped.write("words/extra.txt", "more");

    ASSERT_TRUE(where().prepare(&error)) << error.toStdString();
    EXPECT_EQ(home.read("data/words/adjective.txt"), "edited\r\nby hand");
    EXPECT_EQ(home.read("data/words/modal.txt"), "new\r\nmodals");
    EXPECT_EQ(home.read("data/words/extra.txt"), "more");

    // Once edited, a list stays the user's through every later upgrade.
    shipped.write("words/adjective.txt", "newer");
    ASSERT_TRUE(where().prepare(&error)) << error.toStdString();
    EXPECT_EQ(home.read("data/words/adjective.txt"), "edited\r\nby hand");
}

TEST_F(UserFolders, AConfigFolderThatCannotBeMadeIsNamed)
{
    // A file where the folder should be stops even root.
    home.write("config", "not a folder");
    QString error;
    EXPECT_FALSE(where().prepare(&error));
    EXPECT_TRUE(error.contains(home.filePath("config"))) << error.toStdString();
    EXPECT_FALSE(home.exists("data/words"));
}

TEST_F(UserFolders, InstalledLayoutIsFoundBesideTheBinaryAndAlwaysKeptPerUser)
{
    ProgramDirFixture root;
    root.write("usr/share/wordloom/prefs.ini", "defaults");
    QDir().mkpath(root.filePath("usr/bin"));
    DataLocations::Layout layout = DataLocations::Layout::Beside;
    const QString found = DataLocations::findShippedDir(root.filePath("usr/bin"), &layout);
    EXPECT_EQ(found, root.filePath("usr/share/wordloom"));
    EXPECT_EQ(layout, DataLocations::Layout::Installed);

    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("xdg-config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("xdg-data")));
    // Writable (for root, or a user's own prefix) and still never written.
    const DataLocations installed = DataLocations::forProgram(found, layout);
    EXPECT_TRUE(installed.perUser());
    EXPECT_TRUE(installed.configDir().startsWith(home.filePath("xdg-config")));
    EXPECT_TRUE(installed.dataDir().startsWith(home.filePath("xdg-data")));
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");

    // A build folder or a portable copy keeps everything beside the program.
    root.write("usr/bin/prefs.ini", "portable");
    EXPECT_EQ(DataLocations::findShippedDir(root.filePath("usr/bin"), &layout),
              root.filePath("usr/bin"));
    EXPECT_EQ(layout, DataLocations::Layout::Beside);
    const DataLocations portable = DataLocations::forProgram(root.filePath("usr/bin"), layout);
    EXPECT_FALSE(portable.perUser());
    EXPECT_EQ(portable.vocabularyDir(), root.filePath("usr/bin/words"));
}
