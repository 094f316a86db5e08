#include "fake_dialogs.h"
#include "program_dir_fixture.h"
#include "vocab/vocabulary.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using List = Vocabulary::List;

class VocabularyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        program.writeVocabulary();
        program.writeExceptions();
    }

    bool load()
    {
        return vocab.LoadVocabulary(program.filePath("words"), program.filePath("exceptions"),
                                    dialogs);
    }

    ProgramDirFixture program;
    FakeDialogs dialogs;
    Vocabulary vocab;
};

} // namespace

TEST_F(VocabularyTest, LoadsEveryListInItsOwnOrderWithNothingModified)
{
    program.write("words/adjective.txt", "red\r\nBlue\r\nblue\r\n\r\ngreen");
    program.write("words/number.txt", "two\none\none\n");
    program.write("words/verb.txt", "swim\r\nswims\r\nswimming\r\nswam\r\nswum\r\n"
                                    "go\r\ngoes\r\ngoing\r\nwent\r\ngone\r\n");
    program.write("exceptions/nounUS.txt", "cactus\r\ncacti\r\ncactuses\r\nfocus\r\nfoci\r\n");

    ASSERT_TRUE(load());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
    EXPECT_EQ(vocab.wordList(List::AdjectiveList).entries(),
              QStringList({"", "Blue", "green", "red"}));
    EXPECT_EQ(vocab.wordList(List::NumberList).entries(), QStringList({"two", "one", "one"}));
    EXPECT_EQ(vocab.wordList(List::RightList).entries(), QStringList({"zeta", "alpha"}));
    EXPECT_EQ(vocab.wordList(List::PlantList).entries(), QStringList({"alpha", "zeta"}));
    EXPECT_EQ(vocab.verbTable(List::VerbTable).row(0),
              QStringList({"go", "goes", "going", "went", "gone"}));
    EXPECT_EQ(vocab.verbTable(List::SayVerbTable).size(), 2);

    const PluralExceptionList &us = vocab.exceptions(Vocabulary::Exceptions::NounUS);
    ASSERT_EQ(us.size(), 2);
    EXPECT_EQ(us.alternate(0), "cactuses");
    EXPECT_EQ(us.plural(us.find("focus")), "foci");

    EXPECT_EQ(vocab.nounCaptions(), Vocabulary::defaultNounCaptions());
    EXPECT_EQ(vocab.nounCaption(Vocabulary::Character), "Character");
    EXPECT_FALSE(vocab.VocabModified());
    for (List list : Vocabulary::loadOrder())
        EXPECT_FALSE(vocab.ListModified(list));
}

TEST_F(VocabularyTest, CaptionsTheFileDoesNotHoldTakeTheirDefaultsAndAreNamed)
{
    program.write("words/nounButtons.txt", "mine\r\n\r\nflora\r\n");
    ASSERT_TRUE(load());
    QStringList expected = Vocabulary::defaultNounCaptions();
    expected[0] = "mine";
    expected[2] = "flora";
    EXPECT_EQ(vocab.nounCaptions(), expected);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.at(0).startsWith("nounButtons.txt has no caption on lines 2, 4, "))
        << dialogs.messages.at(0).toStdString();
}

TEST_F(VocabularyTest, MissingFilesAreEachReportedAndLoadingGoesOn)
{
    program.remove("words/nounButtons.txt");
    program.remove("words/adjective.txt");
    program.remove("words/sayVerb.txt");

    EXPECT_FALSE(load());
    EXPECT_EQ(dialogs.messages, QStringList({"Missing crucial nounButtons.txt file.  Reinstall.",
                                             "Missing crucial adjective.txt file.  Reinstall.",
                                             "Missing crucial sayVerb.txt file.  Reinstall."}));
    EXPECT_TRUE(vocab.wordList(List::AdjectiveList).isEmpty());
    EXPECT_EQ(vocab.wordList(List::AdjBadList).size(), 2);
    EXPECT_EQ(vocab.verbTable(List::GoVerbTable).size(), 2);
    EXPECT_EQ(vocab.exceptions(Vocabulary::Exceptions::NounChange).size(), 1);
}

TEST_F(VocabularyTest, MissingExceptionsAreReportedWithTheirOwnSpelling)
{
    program.remove("exceptions/nounA.txt");
    program.remove("exceptions/nounChange.txt");
    EXPECT_FALSE(load());
    EXPECT_EQ(dialogs.messages,
              QStringList({"Missing crucial exceptions/nounA.txt file.  Reinstall.",
                           "Missing crucial exceptions\\nounChange.txt file.  Reinstall."}));

    QDir(program.filePath("exceptions")).removeRecursively();
    dialogs.messages.clear();
    Vocabulary again;
    EXPECT_FALSE(
        again.LoadVocabulary(program.filePath("words"), program.filePath("exceptions"), dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1 + Vocabulary::ExceptionsCount);
    EXPECT_EQ(dialogs.messages.at(0), "Missing crucial exceptions directory.  Reinstall.");
    EXPECT_EQ(dialogs.messages.at(1), "Missing crucial exceptions/nounA.txt file.  Reinstall.");
    EXPECT_EQ(dialogs.messages.at(2), "Missing crucial exceptions\\nounF.txt file.  Reinstall.");
}

TEST_F(VocabularyTest, FileNamesMatchWithoutRegardToCaseAndSavingKeepsTheNameOnDisk)
{
    program.remove("words/goVerb.txt");
    program.write("words/GOVERB.TXT", "go\r\ngoes\r\ngoing\r\nwent\r\ngone");
    ASSERT_TRUE(load()) << dialogs.messages.join('\n').toStdString();
    EXPECT_EQ(vocab.verbTable(List::GoVerbTable).size(), 1);

    vocab.verbTable(List::GoVerbTable).addRow({"come", "comes", "coming", "came", "come"});
    vocab.markModified(List::GoVerbTable);
    dialogs.answers = {Dialogs::Answer::Yes};
    ASSERT_TRUE(vocab.SaveVocabulary(dialogs));
    EXPECT_EQ(program.read("words/GOVERB.TXT"),
              "come\r\ncomes\r\ncoming\r\ncame\r\ncome\r\ngo\r\ngoes\r\ngoing\r\nwent\r\ngone");
    EXPECT_FALSE(program.exists("words/goverb.txt"));
    EXPECT_FALSE(program.exists("words/goVerb.txt"));
}

TEST_F(VocabularyTest, CancelRefusesClosingAndNoLeavesFilesAlone)
{
    ASSERT_TRUE(load());
    // Nothing modified: no question.
    EXPECT_TRUE(vocab.SaveVocabulary(dialogs));
    EXPECT_TRUE(dialogs.questions.isEmpty());

    vocab.wordList(List::AdjectiveList).add("blue");
    vocab.markModified(List::AdjectiveList);
    EXPECT_TRUE(vocab.VocabModified());

    dialogs.answers = {Dialogs::Answer::Cancel, Dialogs::Answer::No};
    EXPECT_FALSE(vocab.SaveVocabulary(dialogs));
    EXPECT_TRUE(vocab.SaveVocabulary(dialogs));
    EXPECT_EQ(dialogs.questions,
              QStringList({"Save changes to vocabulary?", "Save changes to vocabulary?"}));
    EXPECT_EQ(program.read("words/adjective.txt"), "zeta\r\nalpha\r\n");
}

TEST_F(VocabularyTest, YesWritesOnlyModifiedListsSortedWithoutFinalLineEnd)
{
    program.write("words/adjective.txt", "Cat\r\ncat\r\nbig\r\n");
    program.write("words/custom.txt", "zulu\r\nalpha");
    ASSERT_TRUE(load());
    vocab.wordList(List::AdjectiveList).add("apple");
    vocab.markModified(List::AdjectiveList);
    vocab.wordList(List::CustomList).add("mike");
    vocab.markModified(List::CustomList);
    vocab.verbTable(List::VerbTable).addRow({"go", "goes", "going", "went", "gone"});
    vocab.markModified(List::VerbTable);

    dialogs.answers = {Dialogs::Answer::Yes};
    ASSERT_TRUE(vocab.SaveVocabulary(dialogs));
    EXPECT_EQ(program.read("words/adjective.txt"), "apple\r\nbig\r\nCat");
    EXPECT_EQ(program.read("words/custom.txt"), "zulu\r\nalpha\r\nmike");
    EXPECT_EQ(program.read("words/verb.txt"),
              "be\r\nis\r\nbeing\r\nwas\r\nbeen\r\ngo\r\ngoes\r\ngoing\r\nwent\r\ngone\r\n"
              "walk\r\nwalks\r\nwalking\r\nwalked\r\nwalked");
    EXPECT_EQ(program.read("words/adjBad.txt"), "zeta\r\nalpha\r\n") << "unmodified list touched";
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(VocabularyTest, SavedListsReadBackTheSame)
{
    ASSERT_TRUE(load());
    for (List list : Vocabulary::loadOrder()) {
        if (Vocabulary::isVerbTable(list))
            vocab.verbTable(list).addRow({"say", "says", "saying", "said", "said"});
        else
            vocab.wordList(list).add("middle");
        vocab.markModified(list);
    }
    dialogs.answers = {Dialogs::Answer::Yes};
    ASSERT_TRUE(vocab.SaveVocabulary(dialogs));

    Vocabulary reloaded;
    ASSERT_TRUE(reloaded.LoadVocabulary(program.filePath("words"), program.filePath("exceptions"),
                                        dialogs));
    for (List list : Vocabulary::loadOrder()) {
        if (Vocabulary::isVerbTable(list))
            EXPECT_EQ(reloaded.verbTable(list).toLines(), vocab.verbTable(list).toLines());
        else
            EXPECT_EQ(reloaded.wordList(list).entries(), vocab.wordList(list).entries())
                << Vocabulary::fileName(list).toStdString();
    }
}

TEST_F(VocabularyTest, FilesGoBackInTheEncodingTheyWereReadIn)
{
    program.write("words/adjective.txt", "caf\xe9\r\nna\xefve");  // Windows-1252
    program.write("words/animal.txt", "\xef\xbb\xbfgnu\r\nzebu"); // UTF-8 with BOM
    program.write("words/object.txt", "b\xc3\xa2ton\r\nair");     // UTF-8
    program.write("words/concept.txt", "\x93quoted\x94");         // Windows-1252
    ASSERT_TRUE(load());
    EXPECT_EQ(vocab.wordList(List::AdjectiveList).entries(),
              QStringList({"caf\u00e9", "na\u00efve"}));
    EXPECT_EQ(vocab.wordList(List::ConceptList).at(0), "\u201cquoted\u201d");

    for (List list : {List::AdjectiveList, List::AnimalList, List::ObjectList}) {
        vocab.wordList(list).add("\u00e9t\u00e9");
        vocab.markModified(list);
    }
    // A character Windows-1252 cannot hold: the file must not get a "?".
    vocab.wordList(List::ConceptList).add("\u0151z");
    vocab.markModified(List::ConceptList);
    dialogs.answers = {Dialogs::Answer::Yes};
    ASSERT_TRUE(vocab.SaveVocabulary(dialogs));

    EXPECT_EQ(program.read("words/adjective.txt"), "caf\xe9\r\n\xe9t\xe9\r\nna\xefve");
    EXPECT_EQ(program.read("words/animal.txt"), "\xef\xbb\xbf\xc3\xa9t\xc3\xa9\r\ngnu\r\nzebu");
    EXPECT_EQ(program.read("words/object.txt"), "air\r\nb\xc3\xa2ton\r\n\xc3\xa9t\xc3\xa9");
    EXPECT_EQ(program.read("words/concept.txt"), "\xe2\x80\x9cquoted\xe2\x80\x9d\r\n\xc5\x91z");
}

TEST_F(VocabularyTest, ListsAndCaptionsGoBackToTheDirectoryTheyCameFrom)
{
    program.writeVocabulary("other");
    program.write("other/adjective.txt", "theirs");
    program.write("other/nounButtons.txt", "their captions");
    ASSERT_TRUE(load());
    vocab.wordList(List::AdjectiveList).add("ours");
    vocab.markModified(List::AdjectiveList);
    vocab.setNounCaption(Vocabulary::Custom, "mine");

    // The user chose "other" in the preferences while the program ran.
    dialogs.answers = {Dialogs::Answer::Yes};
    ASSERT_TRUE(vocab.SaveVocabulary(dialogs));
    ASSERT_TRUE(vocab.WriteNounButtonCaptions(program.filePath("other"), dialogs));

    EXPECT_EQ(program.read("words/adjective.txt"), "alpha\r\nours\r\nzeta");
    EXPECT_EQ(program.read("other/adjective.txt"), "theirs");
    EXPECT_TRUE(program.read("words/nounButtons.txt").startsWith("mine\r\nperson\r\n"));
    EXPECT_EQ(program.read("other/nounButtons.txt"), "their captions");
}

TEST_F(VocabularyTest, NewDirectoryWithoutCaptionsGetsThemSoTheNextStartAcceptsIt)
{
    program.writeVocabulary("other");
    program.remove("other/nounButtons.txt");
    ASSERT_TRUE(load());
    vocab.setNounCaption(Vocabulary::Concept, "idea");
    ASSERT_TRUE(vocab.WriteNounButtonCaptions(program.filePath("other"), dialogs));

    const QByteArray expected = "custom\r\nperson\r\nplant\r\nplace\r\nobject\r\nevent\r\n"
                                "Character\r\nanimal\r\nbody part\r\nsubstance\r\nidea";
    EXPECT_EQ(program.read("words/nounButtons.txt"), expected);
    EXPECT_EQ(program.read("other/nounButtons.txt"), expected);
}

TEST_F(VocabularyTest, CaptionsAreWrittenEvenWhenTheVocabularyIsNot)
{
    ASSERT_TRUE(load());
    vocab.wordList(List::PlantList).add("fern");
    vocab.markModified(List::PlantList);
    dialogs.answers = {Dialogs::Answer::No};
    ASSERT_TRUE(vocab.SaveVocabulary(dialogs));
    vocab.setNounCaption(Vocabulary::Plant, "flora");
    ASSERT_TRUE(vocab.WriteNounButtonCaptions(program.filePath("words"), dialogs));
    EXPECT_EQ(program.read("words/plant.txt"), "zeta\r\nalpha\r\n");
    EXPECT_TRUE(program.read("words/nounButtons.txt").startsWith("custom\r\nperson\r\nflora\r\n"));
}

TEST_F(VocabularyTest, FailedWriteIsReportedAndClosingRefused)
{
    ASSERT_TRUE(load());
    vocab.wordList(List::AdjectiveList).add("blue");
    vocab.markModified(List::AdjectiveList);
    // The directory vanished while the program ran.
    QDir(program.filePath("words")).removeRecursively();

    dialogs.answers = {Dialogs::Answer::Yes};
    EXPECT_FALSE(vocab.SaveVocabulary(dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.at(0).contains("adjective.txt"));

    dialogs.messages.clear();
    EXPECT_FALSE(vocab.WriteNounButtonCaptions(program.filePath("words"), dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.at(0).contains("nounButtons.txt"));

    // No still lets the user close.
    dialogs.answers = {Dialogs::Answer::No};
    EXPECT_TRUE(vocab.SaveVocabulary(dialogs));
}

TEST_F(VocabularyTest, UnreadableFileIsReportedNotCrashed)
{
    // A directory where the list should be cannot be read as a file.
    program.remove("words/modal.txt");
    QDir().mkpath(program.filePath("words/modal.txt"));
    EXPECT_FALSE(load());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.at(0).contains("modal.txt"));
    EXPECT_EQ(vocab.wordList(List::PronounList).size(), 2);
}

TEST(VocabDirValidation, ReportsTheFirstMissingListButNotTheCaptions)
{
    ProgramDirFixture program;
    program.writeVocabulary("v");
    const QString dir = program.filePath("v");
    program.remove("v/nounButtons.txt");
    EXPECT_EQ(Vocabulary::validateVocabDir(dir), "");

    program.remove("v/plant.txt");
    program.remove("v/modal.txt");
    EXPECT_EQ(Vocabulary::validateVocabDir(dir),
              "Sorry, that's not a proper Vocabulary directory.  It's missing the \"modal.txt\" "
              "file and maybe others.");

    program.writeVocabulary("v");
    program.remove("v/verb.txt");
    EXPECT_EQ(Vocabulary::validateVocabDir(dir),
              "Sorry, that's not a proper Vocabulary directory.  It's missing the \"verb.txt\" "
              "file.");
}

TEST(VocabDirValidation, BrowseKeepsTheOldDirectoryUnlessTheNewOneIsComplete)
{
    ProgramDirFixture program;
    program.writeVocabulary("good");
    program.writeVocabulary("bad");
    program.remove("bad/adjBad.txt");
    FakeDialogs dialogs;
    dialogs.directories = {std::nullopt, program.filePath("bad"), program.filePath("good")};

    EXPECT_EQ(Vocabulary::chooseVocabDir("/old", dialogs), "/old");
    EXPECT_EQ(Vocabulary::chooseVocabDir("/old", dialogs), "/old");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.at(0).contains("\"adjBad.txt\""));
    EXPECT_EQ(Vocabulary::chooseVocabDir("/old", dialogs), program.filePath("good"));
    EXPECT_EQ(dialogs.messages.size(), 1);
}
