#include "engine_fixture.h"
#include "vocab/verb_list_editor.h"
#include "vocab/word_list_editor.h"

namespace {

using List = Vocabulary::List;
using Kind = WordListEditor::Outcome::Kind;

QStringList forms(const VerbListEditor::Proposal &p)
{
    return p.forms;
}

class WordListEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        vocab.wordList(List::AdjectiveList).addAll({"blue", "green", "red", "yellow"});
        vocab.wordList(List::NumberList).addAll({"one", "two", "three"});
        vocab.wordList(List::RightList).addAll({"zeta", "alpha"});
    }

    Vocabulary vocab;
    WordListEditor editor{vocab};
};

TEST_F(WordListEditorTest, EditedEntryIsRefiledInOrder)
{
    editor.selectList(List::AdjectiveList);
    EXPECT_EQ(editor.chooseRow(0), "blue");
    const auto outcome = editor.accept("azure");
    EXPECT_EQ(outcome.kind, Kind::Changed);
    EXPECT_EQ(outcome.row, 0);
    EXPECT_EQ(vocab.wordList(List::AdjectiveList).entries(),
              QStringList({"azure", "green", "red", "yellow"}));
    EXPECT_EQ(editor.EditIndex, -1);
    EXPECT_TRUE(vocab.ListModified(List::AdjectiveList));
    EXPECT_TRUE(vocab.VocabModified());
    EXPECT_FALSE(vocab.ListModified(List::NumberList));

    // The next Accept adds rather than replacing again.
    EXPECT_EQ(editor.accept("orange").row, 2);
    EXPECT_EQ(vocab.wordList(List::AdjectiveList).size(), 5);
}

TEST_F(WordListEditorTest, EditingToAWordAlreadyThereLeavesOneEntryLess)
{
    editor.selectList(List::AdjectiveList);
    editor.chooseRow(3);
    const auto outcome = editor.accept("Green");
    EXPECT_EQ(outcome.row, 1);
    EXPECT_EQ(vocab.wordList(List::AdjectiveList).entries(), QStringList({"blue", "green", "red"}));

    // Only case changed: the new spelling replaces the old.
    editor.chooseRow(2);
    editor.accept("Red");
    EXPECT_EQ(vocab.wordList(List::AdjectiveList).entries(), QStringList({"blue", "green", "Red"}));
}

TEST_F(WordListEditorTest, FileOrderListsAppend)
{
    editor.selectList(List::NumberList);
    EXPECT_EQ(editor.accept("one").row, 3);
    EXPECT_EQ(vocab.wordList(List::NumberList).entries(),
              QStringList({"one", "two", "three", "one"}));
    // Edited entries of a file-order list move to the end.
    editor.chooseRow(0);
    editor.accept("zero");
    EXPECT_EQ(vocab.wordList(List::NumberList).entries(),
              QStringList({"two", "three", "one", "zero"}));
}

TEST_F(WordListEditorTest, BlankWordAndNoListChangeNothing)
{
    editor.selectList(List::AdjectiveList);
    editor.chooseRow(1);
    EXPECT_EQ(editor.accept("").kind, Kind::Blank);
    EXPECT_EQ(vocab.wordList(List::AdjectiveList).size(), 4);
    EXPECT_FALSE(vocab.VocabModified());
    // Blanks are a word.
    EXPECT_EQ(editor.accept("  ").kind, Kind::Changed);
    EXPECT_EQ(vocab.wordList(List::AdjectiveList).entries(),
              QStringList({"  ", "blue", "red", "yellow"}));

    Vocabulary untouched;
    WordListEditor none(untouched);
    EXPECT_EQ(none.accept("word").kind, Kind::Unchanged);
    EXPECT_EQ(none.deleteEntry().kind, Kind::Unchanged);
    EXPECT_FALSE(untouched.VocabModified());
    EXPECT_TRUE(none.entries().isEmpty());
}

TEST_F(WordListEditorTest, ChoosingAnotherListForgetsTheChosenEntry)
{
    editor.selectList(List::AdjectiveList);
    editor.chooseRow(1);
    editor.selectList(List::NumberList);
    editor.accept("four");
    EXPECT_EQ(vocab.wordList(List::NumberList).entries(),
              QStringList({"one", "two", "three", "four"}));
    EXPECT_EQ(vocab.wordList(List::AdjectiveList).size(), 4);
    EXPECT_FALSE(vocab.ListModified(List::AdjectiveList));
}

TEST_F(WordListEditorTest, DeleteKeepsTwoEntriesExceptInTheRightList)
{
    editor.selectList(List::NumberList);
    EXPECT_EQ(editor.deleteEntry().kind, Kind::Unchanged); // nothing chosen
    EXPECT_FALSE(vocab.VocabModified());
    editor.chooseRow(2);
    const auto outcome = editor.deleteEntry();
    EXPECT_EQ(outcome.kind, Kind::Changed);
    EXPECT_EQ(outcome.row, 1);
    EXPECT_EQ(vocab.wordList(List::NumberList).entries(), QStringList({"one", "two"}));
    EXPECT_TRUE(vocab.ListModified(List::NumberList));
    EXPECT_EQ(editor.EditIndex, -1);

    editor.chooseRow(0);
    EXPECT_EQ(editor.deleteEntry().kind, Kind::TooFew);
    EXPECT_EQ(vocab.wordList(List::NumberList).size(), 2);

    editor.selectList(List::RightList);
    editor.chooseRow(0);
    EXPECT_EQ(editor.deleteEntry().row, 0);
    editor.chooseRow(0);
    editor.deleteEntry();
    EXPECT_TRUE(vocab.wordList(List::RightList).isEmpty());
    EXPECT_TRUE(vocab.ListModified(List::RightList));
}

TEST(VerbProposals, SpellingRules)
{
    struct Case
    {
        const char *to;
        QStringList forms;
        bool doubling;
    };
    const Case cases[] = {
        {"walk", {"walk", "walks", "walking", "walked", "walked"}, false},
        {"stop", {"stop", "stops", "stopping", "stopped", "stopped"}, true},
        {"admit", {"admit", "admits", "admitting", "admitted", "admitted"}, true},
        {"visit", {"visit", "visits", "visiting", "visited", "visited"}, true},
        {"travel", {"travel", "travels", "traveling", "traveled", "traveled"}, true},
        {"bake", {"bake", "bakes", "baking", "baked", "baked"}, false},
        {"agree", {"agree", "agrees", "agreeing", "agreed", "agreed"}, false},
        {"tie", {"tie", "ties", "tying", "tied", "tied"}, false},
        {"wash", {"wash", "washes", "washing", "washed", "washed"}, false},
        {"laugh", {"laugh", "laughs", "laughing", "laughed", "laughed"}, false},
        {"fix", {"fix", "fixes", "fixing", "fixed", "fixed"}, false},
        {"buzz", {"buzz", "buzzes", "buzzing", "buzzed", "buzzed"}, false},
        {"carry", {"carry", "carries", "carrying", "carried", "carried"}, false},
        {"play", {"play", "plays", "playing", "played", "played"}, false},
        {"panic", {"panic", "panics", "panicking", "panicked", "panicked"}, false},
        {"veto", {"veto", "vetoes", "vetoing", "vetoed", "vetoed"}, false},
        {"x", {"x", "xs", "xing", "xed", "xed"}, false},
        {"", {"", "s", "ing", "ed", "ed"}, false},
        // The letters added are lower case, the word's own letters stay.
        {"STOP", {"STOP", "STOPs", "STOPPing", "STOPPed", "STOPPed"}, true},
    };
    for (const Case &c : cases) {
        const auto p = VerbListEditor::propose(QString::fromLatin1(c.to));
        EXPECT_EQ(p.forms, c.forms) << c.to;
        EXPECT_EQ(p.doublingCandidate, c.doubling) << c.to;
    }
}

class VerbListEditorTest : public EngineFixture
{
protected:
    void SetUp() override
    {
        VerbTable &t = vocab.verbTable(List::VerbTable);
        t.loadLines({"run", "runs", "running", "ran", "run",     //
                     "sing", "sings", "singing", "sang", "sung", //
                     "walk", "walks", "walking", "walked", "walked"});
        vocab.verbTable(List::GoVerbTable)
            .loadLines(
                {"go", "goes", "going", "went", "gone", "come", "comes", "coming", "came", "come"});
    }

    QStringList row(List table, int r) const { return vocab.verbTable(table).row(r); }
    QStringList column(List table, VerbTable::Column c) const
    {
        return vocab.verbTable(table).column(c).entries();
    }

    VerbListEditor editor{vocab, composition, [this] { return engine.pastTense(); }};
};

TEST_F(VerbListEditorTest, EnterLoadsAStoredVerbWithoutRegardToCase)
{
    const auto loaded = editor.enterInfinitive("Sing");
    EXPECT_EQ(forms(loaded), QStringList({"sing", "sings", "singing", "sang", "sung"}));
    EXPECT_FALSE(loaded.doublingCandidate);
    EXPECT_EQ(editor.EditIndex, 1);

    // Accepting what was loaded, corrected, replaces that verb.
    editor.accept({"sing", "sings", "singing", "sang", "sungg"}, false);
    EXPECT_EQ(vocab.verbTable(List::VerbTable).size(), 3);
    EXPECT_EQ(row(List::VerbTable, 1), QStringList({"sing", "sings", "singing", "sang", "sungg"}));
    EXPECT_TRUE(vocab.ListModified(List::VerbTable));
    EXPECT_FALSE(vocab.ListModified(List::GoVerbTable));
}

TEST_F(VerbListEditorTest, EnterProposesFormsForANewVerb)
{
    const auto proposed = editor.enterInfinitive("stop");
    EXPECT_EQ(forms(proposed), QStringList({"stop", "stops", "stopping", "stopped", "stopped"}));
    EXPECT_TRUE(proposed.doublingCandidate);
    EXPECT_EQ(editor.EditIndex, -1);

    const auto outcome = editor.accept({"stop", "stops", "stopping", "stopped", "stopped"}, false);
    EXPECT_EQ(outcome.kind, VerbListEditor::Outcome::Changed);
    EXPECT_EQ(outcome.row, 2);
    EXPECT_EQ(column(List::VerbTable, VerbTable::To), QStringList({"run", "sing", "stop", "walk"}));
    EXPECT_EQ(column(List::VerbTable, VerbTable::Ing),
              QStringList({"running", "singing", "stopping", "walking"}));
    EXPECT_EQ(column(List::VerbTable, VerbTable::En),
              QStringList({"run", "sung", "stopped", "walked"}));
    EXPECT_TRUE(vocab.VocabModified());
}

TEST_F(VerbListEditorTest, EditedInfinitiveMovesTheVerbToItsNewRow)
{
    EXPECT_EQ(editor.chooseRow(0), QStringList({"run", "runs", "running", "ran", "run"}));
    const auto outcome = editor.accept({"trot", "trots", "trotting", "trotted", "trotted"}, false);
    EXPECT_EQ(outcome.row, 1);
    EXPECT_EQ(vocab.verbTable(List::VerbTable).toLines(),
              QStringList({"sing", "sings", "singing", "sang", "sung",        //
                           "trot", "trots", "trotting", "trotted", "trotted", //
                           "walk", "walks", "walking", "walked", "walked"}));
    EXPECT_EQ(editor.EditIndex, -1);
}

TEST_F(VerbListEditorTest, NewVerbSpelledLikeAStoredOneReplacesItsForms)
{
    // Typed without Enter, so nothing was loaded: the columns must not drift.
    editor.accept({"Walk", "walkz", "walkin", "walkt", "walkt"}, false);
    EXPECT_EQ(vocab.verbTable(List::VerbTable).size(), 3);
    for (VerbTable::Column c : {VerbTable::S, VerbTable::Ing, VerbTable::Ed, VerbTable::En})
        EXPECT_EQ(vocab.verbTable(List::VerbTable).column(c).size(), 3);
    EXPECT_EQ(row(List::VerbTable, 2), QStringList({"walk", "walkz", "walkin", "walkt", "walkt"}));
}

TEST_F(VerbListEditorTest, BlankFormAndSmallTables)
{
    editor.chooseRow(0);
    EXPECT_EQ(editor.accept({"run", "runs", "", "ran", "run"}, true).kind,
              VerbListEditor::Outcome::Blank);
    EXPECT_EQ(vocab.verbTable(List::VerbTable).size(), 3);
    EXPECT_FALSE(vocab.VocabModified());
    EXPECT_TRUE(text().isEmpty());

    editor.selectTable(List::GoVerbTable);
    EXPECT_EQ(editor.EditIndex, -1);
    editor.chooseRow(0);
    EXPECT_EQ(editor.deleteVerb().kind, VerbListEditor::Outcome::TooFew);
    EXPECT_EQ(vocab.verbTable(List::GoVerbTable).size(), 2);

    editor.selectTable(List::VerbTable);
    EXPECT_EQ(editor.deleteVerb().kind, VerbListEditor::Outcome::Unchanged);
    editor.chooseRow(2);
    const auto outcome = editor.deleteVerb();
    EXPECT_EQ(outcome.row, 1);
    EXPECT_EQ(column(List::VerbTable, VerbTable::Ed), QStringList({"ran", "sang"}));
    EXPECT_TRUE(vocab.ListModified(List::VerbTable));
}

TEST_F(VerbListEditorTest, VerbAddedFromThePickListGoesIntoTheText)
{
    word("he");
    editor.accept({"hop", "hops", "hopping", "hopped", "hopped"}, true);
    EXPECT_EQ(text(), "He hops ");
    EXPECT_EQ(state.LastAction, "verb");
    EXPECT_EQ(state.CurrentWord, "hops");
    EXPECT_EQ(state.FormIndex, 0);
    EXPECT_EQ(state.VerbForm, 2);

    // Right after a verb of the same table the new one takes its place, in
    // the form already chosen.
    editor.accept({"skip", "skips", "skipping", "skipped", "skipped"}, true);
    EXPECT_EQ(text(), "He skips ");
    EXPECT_EQ(state.FormIndex, 3);

    editor.selectTable(List::GoVerbTable);
    editor.accept({"leave", "leaves", "leaving", "left", "left"}, true);
    EXPECT_EQ(text(), "He skips leaves ");
    EXPECT_EQ(state.LastAction, "go");
    EXPECT_EQ(state.FormIndex, 2);
}

TEST_F(VerbListEditorTest, PastTenseVerbAfterASubject)
{
    prefs.setPastTense(true);
    word("I");
    editor.selectTable(List::SayVerbTable);
    editor.accept({"whisper", "whispers", "whispering", "whispered", "whispered"}, true);
    EXPECT_EQ(text(), "I whispered ");
    EXPECT_EQ(state.LastAction, "say");
}

} // namespace
