#include "controls/document_editor.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QRadioButton>

namespace {

class ListEditorsTest : public WindowFixture
{
protected:
    void start()
    {
        open();
        window->activateWindow();
        window->editor()->setFocus();
        QApplication::processEvents();
    }

    void writeFile(const QString &rel, const QByteArray &bytes)
    {
        QFile f(programFile(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray readFile(const QString &rel) const
    {
        QFile f(programFile(rel));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    void menu(const char *name) { child<QAction>(name)->trigger(); }
    void key(Qt::Key k)
    {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, k);
    }
    QString fieldText(const char *name) const { return child<QLineEdit>(name)->text(); }
    QStringList rows(const char *name) const
    {
        auto *list = child<QListWidget>(name);
        QStringList all;
        for (int i = 0; i < list->count(); ++i)
            all << list->item(i)->text();
        return all;
    }
    QStringList fields() const
    {
        return {fieldText("editTo"), fieldText("editS"), fieldText("editIng"), fieldText("editEd"),
                fieldText("editEn")};
    }
    bool deleteEnabled(const char *name) const { return child(name)->isEnabled(); }
    QString focusName() const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    void closeAnswering(Dialogs::Answer answer)
    {
        dialogs.answers.push_back(answer);
        window->close();
    }
};

// Filing, the blank-word message and the field cleared after Enter are in
// word_list_editor.wls; here, what a person sees of focus and buttons.
TEST_F(ListEditorsTest, WordListEditorLeavesFieldAndFocusReadyForTheNextWord)
{
    writeFile("words/modal.txt", "can\r\nmust\r\nwill");
    start();
    menu("miWordLists");
    ASSERT_TRUE(child("pAddWord")->isVisible());
    EXPECT_EQ(focusName(), "editWord");
    EXPECT_FALSE(deleteEnabled("btnDeleteWord"));
    // No list chosen: nothing is added and the word stays in the field.
    typeInto("editWord", "orphan");
    click("btnAcceptWord");
    EXPECT_EQ(fieldText("editWord"), "orphan");

    click("rbModal");
    pick("lbWordList", 0);
    EXPECT_TRUE(deleteEnabled("btnDeleteWord"));
    typeInto("editWord", "could");
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "editWord");
    EXPECT_EQ(child<QListWidget>("lbWordList")->selectedItems().size(), 0);
    EXPECT_FALSE(deleteEnabled("btnDeleteWord"));
    EXPECT_TRUE(text().isEmpty()); // nothing goes into the document
    // Enter on the empty field does nothing at all.
    key(Qt::Key_Return);
    EXPECT_TRUE(dialogs.messages.isEmpty());

    pick("lbWordList", 1);
    click("btnDeleteWord");
    EXPECT_EQ(rows("lbWordList"), QStringList({"could", "will"}));
    EXPECT_FALSE(deleteEnabled("btnDeleteWord"));

    click("btnExitWord");
    EXPECT_FALSE(child("pAddWord")->isVisible());
    EXPECT_TRUE(window->editor()->hasFocus());
}

TEST_F(ListEditorsTest, LongListScrollsToTheChangedEntryWithoutSelectingIt)
{
    start();
    menu("miWordLists");
    click("rbAdj");
    pick("lbWordList", 2);
    typeInto("editWord", "zzzfresh");
    click("btnAcceptWord");
    auto *list = child<QListWidget>("lbWordList");
    QListWidgetItem *added = list->item(list->count() - 1);
    EXPECT_EQ(added->text(), "zzzfresh");
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(added).center()));
    EXPECT_FALSE(added->isSelected());
}

TEST_F(ListEditorsTest, VerbProposalsAndWhereTheCaretWaits)
{
    writeFile("words/verb.txt", "run\r\nruns\r\nrunning\r\nran\r\nrun\r\n"
                                "sing\r\nsings\r\nsinging\r\nsang\r\nsung");
    start();
    menu("miWordLists");
    menu("miVerbLists");
    EXPECT_FALSE(child("pAddWord")->isVisible());
    ASSERT_TRUE(child("pAddVerb")->isVisible());
    EXPECT_TRUE(child<QRadioButton>("rbVerbs")->isChecked());
    EXPECT_EQ(rows("lbVerbPick"), QStringList({"run", "sing"}));
    EXPECT_EQ(focusName(), "editTo");

    // The proposals themselves are VerbProposals'; here, where the caret
    // waits: on Accept, or before "ing" so a doubled consonant can be checked.
    typeInto("editTo", "walk");
    key(Qt::Key_Return);
    EXPECT_EQ(fields(), QStringList({"walk", "walks", "walking", "walked", "walked"}));
    EXPECT_EQ(focusName(), "btnAccept");
    typeInto("editTo", "stop");
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "editIng");
    EXPECT_EQ(child<QLineEdit>("editIng")->cursorPosition(), 5);
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "editEd");
    EXPECT_EQ(child<QLineEdit>("editEd")->cursorPosition(), 5);
    key(Qt::Key_Down);
    EXPECT_EQ(focusName(), "editEn");
    EXPECT_EQ(child<QLineEdit>("editEn")->cursorPosition(), 5);
    key(Qt::Key_Up);
    EXPECT_EQ(focusName(), "editEd");
    EXPECT_EQ(child<QLineEdit>("editEd")->cursorPosition(), 7);
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    EXPECT_EQ(focusName(), "editS");
    key(Qt::Key_Up);
    EXPECT_EQ(focusName(), "editTo");
    key(Qt::Key_Down);
    EXPECT_EQ(focusName(), "editS");
    EXPECT_EQ(child<QLineEdit>("editS")->cursorPosition(), 5);
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "editIng");
    EXPECT_EQ(child<QLineEdit>("editIng")->cursorPosition(), 5);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "btnAccept");
    // Enter on the focused Accept stores the verb.
    key(Qt::Key_Return);
    EXPECT_EQ(rows("lbVerbPick"), QStringList({"run", "sing", "stop"}));
    EXPECT_EQ(fields(), QStringList({"", "", "", "", ""}));
    EXPECT_EQ(focusName(), "editTo");

    closeAnswering(Dialogs::Answer::Yes);
    EXPECT_EQ(readFile("words/verb.txt"), "run\r\nruns\r\nrunning\r\nran\r\nrun\r\n"
                                          "sing\r\nsings\r\nsinging\r\nsang\r\nsung\r\n"
                                          "stop\r\nstops\r\nstopping\r\nstopped\r\nstopped");
}

TEST_F(ListEditorsTest, StoredVerbLoadsAndAnEditMovesItWithAllItsForms)
{
    writeFile("words/verb.txt", "run\r\nruns\r\nrunning\r\nran\r\nrun\r\n"
                                "sing\r\nsings\r\nsinging\r\nsang\r\nsung\r\n"
                                "walk\r\nwalks\r\nwalking\r\nwalked\r\nwalked");
    start();
    menu("miVerbLists");
    pick("lbVerbPick", 0);
    EXPECT_TRUE(deleteEnabled("btnDeleteVerb"));
    EXPECT_EQ(fields(), QStringList({"run", "runs", "running", "ran", "run"}));
    typeInto("editTo", "trot");
    typeInto("editS", "trots");
    typeInto("editIng", "trotting");
    typeInto("editEd", "trotted");
    typeInto("editEn", "trotted");
    click("btnAccept");
    EXPECT_EQ(rows("lbVerbPick"), QStringList({"sing", "trot", "walk"}));
    EXPECT_FALSE(deleteEnabled("btnDeleteVerb"));

    pick("lbVerbPick", 2);
    click("btnDeleteVerb");
    EXPECT_EQ(rows("lbVerbPick"), QStringList({"sing", "trot"}));
    EXPECT_EQ(fields(), QStringList({"", "", "", "", ""}));

    // The pick list deleted a verb of the table on view: the row chosen here
    // no longer stands for the same verb, so Accept adds instead.
    window->vocabulary().verbTable(Vocabulary::List::VerbTable).removeRow(1);
    window->vocabulary().markModified(Vocabulary::List::VerbTable);
    EXPECT_EQ(rows("lbVerbPick"), QStringList("sing"));
    EXPECT_FALSE(deleteEnabled("btnDeleteVerb"));
    typeInto("editTo", "trot");
    typeInto("editS", "trots");
    typeInto("editIng", "trotting");
    typeInto("editEd", "trotted");
    typeInto("editEn", "trotted");
    click("btnAccept");
    EXPECT_EQ(rows("lbVerbPick"), QStringList({"sing", "trot"}));

    click("rbGo");
    EXPECT_FALSE(deleteEnabled("btnDeleteVerb"));
    EXPECT_EQ(rows("lbVerbPick").first(),
              window->vocabulary().verbTable(Vocabulary::List::GoVerbTable).form(0, VerbTable::To));
    click("btnExitVerb");
    EXPECT_FALSE(child("pAddVerb")->isVisible());
    EXPECT_EQ(fields(), QStringList({"", "", "", "", ""}));
}

} // namespace
