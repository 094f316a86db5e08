#include "controls/color_button.h"
#include "panels/board.h"
#include "panels/right_column.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSet>
#include <QTest>

using L = Vocabulary::List;

namespace {

class CategoryButtonsTest : public WindowFixture
{
protected:
    TColorButton *button(const char *name) const
    {
        return window->board()->button(QString::fromLatin1(name));
    }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void rclick(const char *name) { QTest::mouseClick(button(name), Qt::RightButton); }
    QListWidget *list(const char *name) const
    {
        return window->findChild<QListWidget *>(QString::fromLatin1(name));
    }
    QWidget *pickPanel() const { return window->findChild<QWidget *>(QStringLiteral("pWordPick")); }
    QStringList rows(const char *name) const
    {
        QStringList out;
        QListWidget *l = list(name);
        for (int i = 0; i < l->count(); ++i)
            out.append(l->item(i)->text());
        return out;
    }
    // A click on a row as the mouse gives it.
    void pickRow(const char *name, int row)
    {
        QListWidget *l = list(name);
        QListWidgetItem *item = l->item(row);
        l->scrollToItem(item);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier,
                          l->visualItemRect(item).center());
    }
    WordList &words(L which) { return window->vocabulary().wordList(which); }
    CompositionState &state() { return window->composition().state; }
};

TEST_F(CategoryButtonsTest, SecondClickReplacesTheWordWithAnotherOfTheList)
{
    open();
    state().CapsMode = CapsNone;
    click("btnAdjective");
    const QString first = text().trimmed();
    EXPECT_TRUE(words(L::AdjectiveList).entries().contains(first)) << first.toStdString();
    click("btnAdjective");
    const QString second = text().trimmed();
    EXPECT_TRUE(words(L::AdjectiveList).entries().contains(second)) << second.toStdString();
    EXPECT_NE(first, second);
    EXPECT_FALSE(second.contains(QLatin1Char(' ')));

    // Each noun category draws from its own list.
    click("btnBodyPart");
    EXPECT_EQ(state().LastAction, QStringLiteral("bodypart"));
    EXPECT_TRUE(words(L::BodyPartList).entries().contains(state().CurrentWord));
    click("btnOh");
    EXPECT_TRUE(text().endsWith(QStringLiteral(" oh ")));
}

TEST_F(CategoryButtonsTest, NumberAfterAnArticleComesFromTheArticleList)
{
    open();
    click("btnNumber");
    EXPECT_TRUE(words(L::NumberList).entries().contains(state().CurrentWord));

    // What the article button leaves behind.
    window->fixedWordClick(QStringLiteral("a"));
    state().ArticleState = ArticleArmed;
    state().ArticleWord = QStringLiteral("a");
    click("btnNumber");
    EXPECT_TRUE(words(L::ANumberList).entries().contains(state().CurrentWord));
    EXPECT_EQ(state().LastAction, QStringLiteral("number"));

    window->fixedWordClick(QStringLiteral("and"));
    window->fixedWordClick(QStringLiteral("a"));
    state().ArticleState = ArticleArmed;
    state().ArticleWord = QStringLiteral("a");
    rclick("btnNumber");
    ASSERT_TRUE(pickPanel()->isVisible());
    EXPECT_EQ(rows("lbWordPick"), words(L::ANumberList).entries());
    pickRow("lbWordPick", 2);
    EXPECT_FALSE(pickPanel()->isVisible());
    EXPECT_EQ(state().LastAction, QStringLiteral("anumber"));
    EXPECT_TRUE(
        text().endsWith(QStringLiteral(" a ") + words(L::ANumberList).at(2) + QStringLiteral(" ")))
        << text().toStdString();
}

TEST_F(CategoryButtonsTest, DeleteWorksOnceOnThreeEntriesThenRefuses)
{
    open();
    WordList &plants = words(L::PlantList);
    plants.clear();
    plants.addAll({"fern", "moss", "oak"});
    rclick("btnPlant");
    click("btnDeleteWordPick");
    EXPECT_EQ(list("lbWordPick")->viewport()->cursor().shape(), Qt::ForbiddenCursor);
    pickRow("lbWordPick", 1);
    EXPECT_EQ(plants.entries(), (QStringList{"fern", "oak"}));
    EXPECT_FALSE(pickPanel()->isVisible());
    EXPECT_EQ(text(), QString());
    EXPECT_TRUE(window->vocabulary().ListModified(L::PlantList));

    rclick("btnPlant");
    click("btnDeleteWordPick");
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Sorry, you need at least two items.")});
    EXPECT_TRUE(pickPanel()->isVisible());
    // Still picking: the row goes into the text.
    pickRow("lbWordPick", 1);
    EXPECT_EQ(plants.size(), 2);
    EXPECT_EQ(text().trimmed().toLower(), QStringLiteral("oak"));
}

TEST_F(CategoryButtonsTest, EditingCatToCatReplacesTheEntry)
{
    open();
    WordList &animals = words(L::AnimalList);
    const qsizetype before = animals.size();
    const qsizetype row = animals.find(QStringLiteral("cat"));
    ASSERT_GE(row, 0);
    rclick("btnAnimal");
    click("btnEditWordPick");
    dialogs.texts.push_back(QStringLiteral("Cat"));
    pickRow("lbWordPick", int(row));
    EXPECT_EQ(animals.size(), before);
    EXPECT_EQ(animals.at(animals.find(QStringLiteral("cat"))), QStringLiteral("Cat"));
    EXPECT_FALSE(pickPanel()->isVisible());
    EXPECT_EQ(text(), QString());
}

TEST_F(CategoryButtonsTest, AddingToTheCharacterListQuotesAFamousName)
{
    open();
    rclick("btnCharacter");
    dialogs.texts.push_back(QStringLiteral("Emily Dickinson"));
    click("btnAddWord");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().contains(QStringLiteral("feathers")));
    EXPECT_GE(words(L::CharacterList).find(QStringLiteral("Emily Dickinson")), 0);
    EXPECT_EQ(text(), QStringLiteral("Emily Dickinson "));
    EXPECT_FALSE(pickPanel()->isVisible());
}

TEST_F(CategoryButtonsTest, VerbListsPickInTheNeededFormAndEditInTheVerbEditor)
{
    open();
    window->fixedWordClick(QStringLiteral("she"));
    rclick("btnVerb");
    EXPECT_EQ(rows("lbWordPick").first(),
              window->vocabulary().verbTable(L::VerbTable).form(0, VerbTable::To));
    pickRow("lbWordPick", 0);
    EXPECT_EQ(state().CurrentWord,
              window->vocabulary().verbTable(L::VerbTable).form(0, VerbTable::S));

    rclick("btnSay");
    click("btnEditWordPick");
    pickRow("lbWordPick", 0);
    EXPECT_FALSE(pickPanel()->isVisible());
    auto *verbPanel = window->findChild<QWidget *>(QStringLiteral("pAddVerb"));
    EXPECT_TRUE(verbPanel->isVisible());
    EXPECT_TRUE(window->findChild<QRadioButton *>(QStringLiteral("rbSay"))->isChecked());
    EXPECT_EQ(window->findChild<QLineEdit *>(QStringLiteral("editTo"))->text(),
              window->vocabulary().verbTable(L::SayVerbTable).form(0, VerbTable::To));
    verbPanel->hide();

    rclick("btnGo");
    click("btnAddWord");
    EXPECT_TRUE(verbPanel->isVisible());
    EXPECT_TRUE(window->findChild<QRadioButton *>(QStringLiteral("rbGo"))->isChecked());
    EXPECT_EQ(window->findChild<QLineEdit *>(QStringLiteral("editTo"))->text(), QString());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.unexpected.isEmpty());
}

TEST_F(CategoryButtonsTest, AdverbButtonsFollowTheirLeftClickSetting)
{
    open();
    window->preferences().leftClick[Preferences::AdvDGroup] = 0;
    click("btnDegree");
    EXPECT_TRUE(window->board()->findChild<QWidget *>(QStringLiteral("pAdvD"))->isVisible());
    EXPECT_EQ(text(), QString());
    window->board()->findChild<QWidget *>(QStringLiteral("pAdvD"))->hide();

    state().GrabArmed = true;
    click("btnTime");
    click("btnTime");
    EXPECT_FALSE(state().GrabArmed);
    EXPECT_TRUE(words(L::AdvTList).entries().contains(text().trimmed().toLower()));
}

TEST_F(CategoryButtonsTest, EmptyListInsertsNothingAndOneWordRepeatsInPlace)
{
    open();
    words(L::AdvMList).clear();
    click("btnManner");
    click("btnManner");
    EXPECT_EQ(text(), QString());
    words(L::AdvMList).add(QStringLiteral("slowly"));
    click("btnManner");
    click("btnManner");
    EXPECT_EQ(text(), QStringLiteral("Slowly "));
}

TEST_F(CategoryButtonsTest, RightColumnShowsFourColumnsAt1000Pixels)
{
    TMainForm &w = open();
    w.findChild<QLineEdit *>(QStringLiteral("edColWidth"))->setText(QStringLiteral("80"));
    w.resize(1000, 450);
    QApplication::processEvents();
    EXPECT_EQ(w.rightColumns(), 4);
    QListWidget *right = list("lbRight");
    ASSERT_GT(right->count(), 30);
    QSet<int> lefts;
    for (int i = 0; i < right->count(); ++i) {
        const QRect r = right->visualItemRect(right->item(i));
        if (right->viewport()->rect().contains(r))
            lefts.insert(r.left());
    }
    EXPECT_EQ(lefts.size(), 4);
    EXPECT_EQ(right->visualItemRect(right->item(1)).top() -
                  right->visualItemRect(right->item(0)).top(),
              19);
    // The list reaches the window's edge less the margin.
    const QPoint corner = right->mapTo(&w, QPoint(right->width(), 0));
    EXPECT_EQ(corner.x(), w.width() - w.rightColumn()->margin());
}

TEST_F(CategoryButtonsTest, TwoClicksOnTheSameRightWordLeaveItOnce)
{
    TMainForm &w = open();
    w.resize(1000, 450);
    QApplication::processEvents();
    state().CapsMode = CapsNone;
    pickRow("lbRight", 2);
    pickRow("lbRight", 2);
    const QString word = words(L::RightList).at(2);
    EXPECT_EQ(text(), word + QLatin1Char(' '));
    EXPECT_EQ(list("lbRight")->selectedItems().size(), 0);
    pickRow("lbRight", 3);
    EXPECT_EQ(text(), word + QLatin1Char(' ') + words(L::RightList).at(3) + QLatin1Char(' '));
}

TEST_F(CategoryButtonsTest, RightButtonOnTheColumnPicksFromAndEditsTheRightList)
{
    TMainForm &w = open();
    w.resize(1000, 450);
    QApplication::processEvents();
    QListWidget *right = list("lbRight");
    QTest::mouseClick(right->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_TRUE(pickPanel()->isVisible());
    EXPECT_EQ(state().ActionTag, QStringLiteral("right"));
    EXPECT_EQ(rows("lbWordPick"), words(L::RightList).entries());
    EXPECT_TRUE(text().isEmpty());

    const QString gone = words(L::RightList).at(0);
    click("btnDeleteWordPick");
    pickRow("lbWordPick", 0);
    EXPECT_EQ(rows("lbRight"), words(L::RightList).entries());
    EXPECT_NE(rows("lbRight").first(), gone);
}

TEST_F(CategoryButtonsTest, AlphabetisedColumnAndListKeepOneOrder)
{
    TMainForm &w = open();
    w.resize(1000, 450);
    QApplication::processEvents();
    state().CapsMode = CapsNone;
    auto *alphabetize = w.findChild<QCheckBox *>(QStringLiteral("cbAlphabetize"));
    ASSERT_NE(alphabetize, nullptr);
    alphabetize->setChecked(true);
    const QStringList shown = rows("lbRight");
    EXPECT_EQ(shown, words(L::RightList).entries());
    for (int i = 1; i < shown.size(); ++i)
        EXPECT_LE(WordList::compare(shown.at(i - 1), shown.at(i)), 0) << i;
    pickRow("lbRight", 0);
    EXPECT_EQ(text(), shown.first() + QLatin1Char(' '));

    // Unchecking leaves the order as it is.
    alphabetize->setChecked(false);
    EXPECT_EQ(rows("lbRight"), shown);

    // Added words take their place in the sorted column.
    alphabetize->setChecked(true);
    QTest::mouseClick(list("lbRight")->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    dialogs.texts.push_back(QStringLiteral("aardvark"));
    click("btnAddWord");
    EXPECT_EQ(rows("lbRight"), words(L::RightList).entries());
    EXPECT_EQ(rows("lbRight").mid(0, 2), (QStringList{"a", "aardvark"}));
}

TEST_F(CategoryButtonsTest, RightColumnSettingsGoBackToThePreferences)
{
    TMainForm &w = open();
    auto *margin = w.findChild<QLineEdit *>(QStringLiteral("edRightMargin"));
    ASSERT_NE(margin, nullptr);
    EXPECT_EQ(margin->text(), QStringLiteral("4"));
    margin->setText(QStringLiteral("55"));
    EXPECT_EQ(margin->text(), QStringLiteral("40"));
    w.findChild<QCheckBox *>(QStringLiteral("cbAlphabetize"))->setChecked(true);
    dialogs.answers.push_back(Dialogs::Answer::No);
    ASSERT_TRUE(w.close());
    Preferences read;
    QString reset, error;
    ASSERT_TRUE(read.read(programFile(QStringLiteral("prefs.ini")), &reset, &error));
    EXPECT_EQ(read.rightMargin, 40);
    EXPECT_TRUE(read.alphabetize);
    EXPECT_EQ(read.rightColour, 0x00855C3Au);
}

} // namespace
