#include "prefs/data_locations.h"
#include "program_dir_fixture.h"

#include <gtest/gtest.h>

namespace {

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

TEST_F(UserFolders, UpgradeReplacesUntouchedListsOnlyAndAddsNewOnesButNoSettings)
{
    QString error;
    ASSERT_TRUE(where().prepare(&error)) << error.toStdString();
    home.write("data/words/adjective.txt", "edited\r\nby hand");
    home.write("config/prefs.ini", "mine");
    // The new version ships other words in both lists and one new list.
    shipped.write("words/adjective.txt", "new\r\nadjectives");
    shipped.write("words/modal.txt", "new\r\nmodals");
    shipped.write("words/extra.txt", "more");

    ASSERT_TRUE(where().prepare(&error)) << error.toStdString();
    EXPECT_EQ(home.read("data/words/adjective.txt"), "edited\r\nby hand");
    EXPECT_EQ(home.read("data/words/modal.txt"), "new\r\nmodals");
    EXPECT_EQ(home.read("data/words/extra.txt"), "more");
    EXPECT_EQ(home.read("config/prefs.ini"), "mine");

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
