#include "engine_fixture.h"
#include "fake_dialogs.h"
#include "vocab/word_pick.h"

using L = Vocabulary::List;
using Outcome = WordPick::Outcome;

namespace {

class WordPickTest : public EngineFixture
{
protected:
    WordPick &pick = engine.wordPick();
    QList<L> changed;

    void SetUp() override
    {
        state.CapsMode = CapsNone;
        vocab.wordList(L::AnimalList).addAll({"cat", "dog", "owl"});
        vocab.wordList(L::ANumberList).addAll({"dozen", "few"});
        vocab.wordList(L::RightList).addAll({"the", "and"});
        vocab.verbTable(L::VerbTable)
            .loadLines({"run", "runs", "running", "ran", "run", //
                        "sing", "sings", "singing", "sang", "sung"});
        QObject::connect(&vocab, &Vocabulary::listChanged,
                         [this](L list) { changed.append(list); });
    }
    const QStringList &animals() const { return vocab.wordList(L::AnimalList).entries(); }
};

TEST_F(WordPickTest, OpeningSetsTheTagAndCopiesTheList)
{
    state.GrabArmed = true;
    ASSERT_TRUE(pick.open(QStringLiteral("animal")));
    EXPECT_EQ(state.ActionTag, QStringLiteral("animal"));
    EXPECT_FALSE(state.GrabArmed);
    EXPECT_EQ(pick.mode(), WordPick::Mode::Pick);
    EXPECT_EQ(pick.rows(), animals());

    // "(custom)" leaves a pending grab alone.
    state.GrabArmed = true;
    ASSERT_TRUE(pick.open(QStringLiteral("custom"), false));
    EXPECT_TRUE(state.GrabArmed);

    ASSERT_TRUE(pick.open(QStringLiteral("verb")));
    EXPECT_EQ(pick.rows(), (QStringList{"run", "sing"}));
    EXPECT_FALSE(pick.open(QStringLiteral("noun")));
}

TEST_F(WordPickTest, PickInsertsTheRowAndASecondPickReplacesIt)
{
    pick.open(QStringLiteral("animal"));
    EXPECT_EQ(pick.rowClicked(1), Outcome::Done);
    EXPECT_EQ(text(), QStringLiteral("dog "));
    EXPECT_EQ(state.FormIndex, 1);
    EXPECT_EQ(state.CurrentWord, QStringLiteral("dog"));
    // A noun asks for the "-s" form of the verb after it.
    EXPECT_EQ(state.VerbForm, 2);

    pick.open(QStringLiteral("animal"));
    pick.rowClicked(2);
    EXPECT_EQ(text(), QStringLiteral("owl "));
    EXPECT_EQ(state.ReplaceMode, 1);
    EXPECT_EQ(pick.rowClicked(7), Outcome::Ignored);
}

TEST_F(WordPickTest, ArticleNumbersPickedCarryTheirOwnTag)
{
    word(QStringLiteral("a"));
    pick.open(QStringLiteral("anumber"));
    EXPECT_EQ(pick.rows(), (QStringList{"dozen", "few"}));
    pick.rowClicked(0);
    EXPECT_EQ(text(), QStringLiteral("a dozen "));
    EXPECT_EQ(state.LastAction, QStringLiteral("anumber"));
}

TEST_F(WordPickTest, VerbsGoInTheFormTheirPlaceNeeds)
{
    word(QStringLiteral("he"));
    pick.open(QStringLiteral("verb"));
    pick.rowClicked(1);
    EXPECT_EQ(text(), QStringLiteral("he sings "));

    // A verb picked in place of a verb keeps the form.
    pick.open(QStringLiteral("verb"));
    pick.rowClicked(0);
    EXPECT_EQ(text(), QStringLiteral("he runs "));
    EXPECT_EQ(state.FormIndex, 0);

    prefs.setPastTense(true);
    word(QStringLiteral("and"));
    pick.open(QStringLiteral("verb"));
    pick.rowClicked(1);
    EXPECT_EQ(text(), QStringLiteral("he runs and sang "));
}

TEST_F(WordPickTest, DeleteNeedsThreeRowsExceptForTheRightList)
{
    pick.open(QStringLiteral("animal"));
    ASSERT_TRUE(pick.deleteClicked());
    EXPECT_EQ(pick.mode(), WordPick::Mode::Delete);
    EXPECT_EQ(pick.rowClicked(0), Outcome::Done);
    EXPECT_EQ(animals(), (QStringList{"dog", "owl"}));
    EXPECT_TRUE(vocab.ListModified(L::AnimalList));
    EXPECT_TRUE(vocab.VocabModified());
    EXPECT_EQ(changed, QList<L>{L::AnimalList});
    EXPECT_EQ(text(), QString());

    pick.open(QStringLiteral("animal"));
    EXPECT_FALSE(pick.deleteClicked());
    EXPECT_EQ(dialogs.messages, QStringList{"Sorry, you need at least two items."});
    EXPECT_EQ(pick.mode(), WordPick::Mode::Pick);

    pick.open(QStringLiteral("right"));
    ASSERT_TRUE(pick.deleteClicked());
    pick.rowClicked(1);
    EXPECT_EQ(vocab.wordList(L::RightList).entries(), QStringList{"the"});

    pick.open(QStringLiteral("verb"));
    EXPECT_FALSE(pick.deleteClicked());
    vocab.verbTable(L::VerbTable).addRow({"walk", "walks", "walking", "walked", "walked"});
    pick.open(QStringLiteral("verb"));
    ASSERT_TRUE(pick.deleteClicked());
    pick.rowClicked(0);
    EXPECT_EQ(vocab.verbTable(L::VerbTable).row(0),
              (QStringList{"sing", "sings", "singing", "sang", "sung"}));
    EXPECT_EQ(vocab.verbTable(L::VerbTable).size(), 2);
}

TEST_F(WordPickTest, EditReplacesTheEntryInItsSortedPlace)
{
    pick.open(QStringLiteral("animal"));
    pick.editClicked();
    dialogs.texts.push_back(QStringLiteral("Cat"));
    EXPECT_EQ(pick.rowClicked(0), Outcome::Done);
    EXPECT_EQ(animals(), (QStringList{"Cat", "dog", "owl"}));
    EXPECT_TRUE(vocab.ListModified(L::AnimalList));
    EXPECT_EQ(text(), QString());

    // Cancel, an empty answer and the old word change nothing.
    pick.open(QStringLiteral("animal"));
    pick.editClicked();
    dialogs.texts = {std::nullopt, QString(), QStringLiteral("dog")};
    pick.rowClicked(1);
    pick.rowClicked(1);
    pick.rowClicked(1);
    EXPECT_EQ(animals(), (QStringList{"Cat", "dog", "owl"}));
    EXPECT_EQ(changed.size(), 1);

    // A verb is edited in the verb list editor.
    pick.open(QStringLiteral("verb"));
    pick.editClicked();
    EXPECT_EQ(pick.rowClicked(1), Outcome::VerbEdit);
    EXPECT_EQ(pick.editIndex(), 1);
    EXPECT_TRUE(dialogs.unexpected.isEmpty());
}

TEST_F(WordPickTest, AddPutsTheWordInTheListAndTheText)
{
    pick.open(QStringLiteral("animal"));
    dialogs.texts.push_back(QStringLiteral("bat"));
    EXPECT_EQ(pick.addClicked(), Outcome::Done);
    EXPECT_EQ(animals(), (QStringList{"bat", "cat", "dog", "owl"}));
    EXPECT_EQ(text(), QStringLiteral("bat "));
    EXPECT_EQ(state.LastAction, QStringLiteral("animal"));

    // A word the list holds already goes into the text but not twice into
    // the list; straight after a word of the list it replaces that word.
    pick.open(QStringLiteral("animal"));
    dialogs.texts.push_back(QStringLiteral("Dog"));
    pick.addClicked();
    EXPECT_EQ(animals(), (QStringList{"bat", "cat", "dog", "owl"}));
    EXPECT_EQ(text(), QStringLiteral("Dog "));

    pick.open(QStringLiteral("animal"));
    dialogs.texts.push_back(QString());
    pick.addClicked();
    EXPECT_EQ(text(), QStringLiteral("Dog "));

    pick.open(QStringLiteral("say"));
    EXPECT_EQ(pick.addClicked(), Outcome::VerbAdd);
    EXPECT_TRUE(dialogs.unexpected.isEmpty());
}

TEST_F(WordPickTest, AddingToTheRightListReplacesOnlyTheSameWord)
{
    word(QStringLiteral("and"));
    pick.open(QStringLiteral("right"));
    dialogs.texts.push_back(QStringLiteral("and"));
    pick.addClicked();
    EXPECT_EQ(text(), QStringLiteral("and "));
    EXPECT_EQ(vocab.wordList(L::RightList).entries(), (QStringList{"the", "and", "and"}));
    EXPECT_EQ(changed, QList<L>{L::RightList});

    pick.open(QStringLiteral("right"));
    dialogs.texts.push_back(QStringLiteral("so"));
    pick.addClicked();
    EXPECT_EQ(text(), QStringLiteral("and so "));
}

TEST_F(WordPickTest, ThreeNamesInTheCharacterListEarnAQuotation)
{
    pick.open(QStringLiteral("character"));
    dialogs.texts = {QStringLiteral("Mark Twain"), QStringLiteral("mark twain")};
    pick.addClicked();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().contains(QStringLiteral("Mark Twain")));
    pick.open(QStringLiteral("character"));
    pick.addClicked();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(vocab.wordList(L::CharacterList).size(), 1);

    for (const char *name : {"Shakespeare", "Emily Dickinson"})
        EXPECT_FALSE(WordPick::quotationFor(QString::fromLatin1(name)).isEmpty());
    // Only the character list answers to them.
    pick.open(QStringLiteral("person"));
    dialogs.texts.push_back(QStringLiteral("Shakespeare"));
    pick.addClicked();
    EXPECT_EQ(dialogs.messages.size(), 1);
}

} // namespace
