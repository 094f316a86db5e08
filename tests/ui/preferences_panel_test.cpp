#include "controls/document_editor.h"
#include "panels/ui/right_column.h"
#include "qstring_printer.h"
#include "shell/ui/document.h"
#include "shell/ui/edit_commands.h"
#include "shell/ui/format_bar.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

namespace {

const QString kRestart = QStringLiteral("You have selected a new vocabulary directory.\n"
                                        "To load it, please close and restart Wordloom now.");

class PreferencesPanelTest : public WindowFixture
{
protected:
    // Edit > Options, then the tab holding control.
    void openPanel(const char *tab = nullptr)
    {
        child<QAction>("miOptions")->trigger();
        ASSERT_TRUE(child("pPrefs")->isVisible());
        if (tab)
            child<QTabWidget>("PageControl1")->setCurrentWidget(child(tab));
    }

    QString boxText(const char *name) const { return child<QLineEdit>(name)->text(); }

    QStringList rightRows() const
    {
        QStringList rows;
        auto *list = child<QListWidget>("lbRight");
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
        return rows;
    }

    static QStringList sorted(QStringList rows)
    {
        std::stable_sort(rows.begin(), rows.end(), [](const QString &a, const QString &b) {
            return WordList::compare(a, b) < 0;
        });
        return rows;
    }

    // Enabled or not: what the open panel locks.
    void expectUnlocked(bool unlocked)
    {
        for (const char *action : {"miOptions", "miWordLists", "miVerbLists"})
            EXPECT_EQ(child<QAction>(action)->isEnabled(), unlocked) << action;
        for (const char *name : {"cbTense", "cbPoetryProse", "RichEdit1", "lbRight"})
            EXPECT_EQ(child(name)->isEnabled(), unlocked) << name;
    }

    // The close box; the document is not saved.
    void closeWindow()
    {
        dialogs.answers.push_back(Dialogs::Answer::No);
        EXPECT_TRUE(window->close());
    }
};

TEST_F(PreferencesPanelTest, OpeningLocksTheWindowAndOkOrCancelUnlocksIt)
{
    open();
    for (const char *close : {"btnOKprefs", "btnCancelPrefs"}) {
        openPanel();
        expectUnlocked(false);
        click(close);
        EXPECT_FALSE(child("pPrefs")->isVisible());
        expectUnlocked(true);
    }
}

// A screen reader reads every combo box of the window and the panel by
// its label, and the choice in it as its value, also after a change.
TEST_F(PreferencesPanelTest, EveryComboIsReadByItsLabelAndItsChoice)
{
    open();
    openPanel();
    const QList<QComboBox *> boxes = window->findChildren<QComboBox *>();
    ASSERT_GE(boxes.size(), 8);
    for (QComboBox *box : boxes) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(box);
        const QString name = a->text(QAccessible::Name);
        const QString value = a->text(QAccessible::Value);
        EXPECT_FALSE(name.isEmpty()) << box->objectName().toStdString();
        EXPECT_NE(name, value) << box->objectName().toStdString();
        EXPECT_EQ(value, box->currentText()) << box->objectName().toStdString();
        ASSERT_NE(a->textInterface(), nullptr);
        EXPECT_EQ(a->textInterface()->text(0, -1), value);
    }
    auto *voice = QAccessible::queryAccessibleInterface(child<QComboBox>("cbVoice"));
    EXPECT_EQ(voice->text(QAccessible::Name), "Voice");
    auto *tense = child<QComboBox>("cbTense");
    tense->setCurrentIndex(0);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(tense)->text(QAccessible::Value), "past tense");
}

TEST_F(PreferencesPanelTest, FontSizeBoxTakesDigitsOnlyAndSizesTheExample)
{
    open();
    openPanel("tabFontPrefs");
    auto *example = child<QTextEdit>("reFontExample");
    typeInto("edFontSize", "75");
    EXPECT_EQ(example->font().pointSize(), 60);
    typeInto("edFontSize", "a1x8!");
    EXPECT_EQ(boxText("edFontSize"), "18");
    EXPECT_EQ(example->font().pointSize(), 18);
}

TEST_F(PreferencesPanelTest, OkGivesTheEditorTheExampleFontAndCloseStoresIt)
{
    open();
    openPanel("tabFontPrefs");
    auto *names = child<QComboBox>("cbFontName");
    ASSERT_GT(names->count(), 0);
    const QString family = names->itemText(names->count() - 1);
    names->setCurrentIndex(names->count() - 1);
    EXPECT_EQ(child<QTextEdit>("reFontExample")->font().family(), family);
    typeInto("edFontSize", "22");
    click("btnOKprefs");
    EXPECT_EQ(window->editor()->font().family(), family);
    EXPECT_EQ(window->editor()->font().pointSize(), 22);
    EXPECT_EQ(window->editor()->document()->defaultFont().pointSize(), 22);

    closeWindow();
    const QStringList prefs = fileLines(QStringLiteral("prefs.ini"));
    EXPECT_EQ(prefs.value(1), family);
    EXPECT_EQ(prefs.value(2), "22");
}

TEST_F(PreferencesPanelTest, AStoredFontThatIsNotInstalledShowsTheFamilyUsedAndStaysStored)
{
    const QString missing = QStringLiteral("Wordloom No Such Face");
    ASSERT_FALSE(QFontDatabase::families().contains(missing));
    setPrefsLine(2, missing);
    open();
    openPanel("tabFontPrefs");
    const QString used = QFontInfo(window->editor()->font()).family();
    EXPECT_FALSE(used.isEmpty());
    EXPECT_EQ(child<QComboBox>("cbFontName")->currentText(), used);
    click("btnOKprefs");
    closeWindow();
    EXPECT_EQ(fileLines(QStringLiteral("prefs.ini")).value(1), missing);
}

TEST_F(PreferencesPanelTest, CancelPutsTheEditorFontBackIntoTheFontTab)
{
    open();
    const QFont before = window->editor()->font();
    openPanel("tabFontPrefs");
    typeInto("edFontSize", "40");
    click("btnCancelPrefs");
    EXPECT_EQ(window->editor()->font().pointSize(), before.pointSize());
    EXPECT_EQ(boxText("edFontSize"), QString::number(before.pointSize()));
    EXPECT_EQ(child<QTextEdit>("reFontExample")->font().pointSize(), before.pointSize());
}

// What the boxes do on the panel is in prefs_button_captions.wls; here,
// that OK hands the captions on to be stored.
TEST_F(PreferencesPanelTest, CaptionsChosenOnOkAreStored)
{
    open();
    openPanel("tabButtonText");
    typeInto("edModal", "can do");
    typeInto("edPerson", "folk");
    typeInto("edPluralize", "MANY");
    click("btnOKprefs");
    closeWindow();
    const QStringList prefs = fileLines(QStringLiteral("prefs.ini"));
    EXPECT_EQ(prefs.value(19), "can do");
    EXPECT_EQ(prefs.value(21), "MANY");
    EXPECT_EQ(fileLines(QStringLiteral("words/nounButtons.txt")).value(1), "folk");
}

TEST_F(PreferencesPanelTest, ANewVocabularyDirectoryAsksForARestartAndKeepsTheOldLists)
{
    open();
    QTemporaryDir other;
    copyTree(programFile(QStringLiteral("words")), other.path());
    const qsizetype adjectives =
        window->vocabulary().wordList(Vocabulary::List::AdjectiveList).size();
    QFile::remove(QDir(other.path()).filePath(QStringLiteral("adjective.txt")));
    QFile(QDir(other.path()).filePath(QStringLiteral("adjective.txt"))).open(QIODevice::WriteOnly);

    openPanel("tabDirectories");
    dialogs.directories.push_back(other.path());
    click("btnBrowseVocabDir");
    EXPECT_EQ(boxText("edVocabDir"), other.path());
    click("btnOKprefs");
    EXPECT_EQ(dialogs.messages, QStringList(kRestart));
    EXPECT_EQ(window->vocabulary().wordList(Vocabulary::List::AdjectiveList).size(), adjectives);

    closeWindow();
    EXPECT_EQ(fileLines(QStringLiteral("prefs.ini")).value(5), other.path());
}

TEST_F(PreferencesPanelTest, OkWithTheLoadedVocabularyOrAfterCancelSaysNothing)
{
    open();
    QTemporaryDir other;
    copyTree(programFile(QStringLiteral("words")), other.path());
    openPanel("tabDirectories");
    click("btnOKprefs");
    openPanel("tabDirectories");
    dialogs.directories.push_back(other.path());
    click("btnBrowseVocabDir");
    click("btnCancelPrefs");
    EXPECT_EQ(boxText("edVocabDir"), window->preferences().values().VocabDir);
    openPanel();
    click("btnOKprefs");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
}

TEST_F(PreferencesPanelTest, OpenAndSaveDirectoriesTakeEffectAtOnce)
{
    open();
    QTemporaryDir openDir, saveDir;
    openPanel("tabDirectories");
    dialogs.directories.push_back(openDir.path());
    click("btnBrowseOpenDir");
    dialogs.directories.push_back(saveDir.path());
    click("btnBrowseSaveDir");
    EXPECT_EQ(boxText("edOpenDir"), openDir.path());
    EXPECT_EQ(boxText("edSaveDir"), saveDir.path());
    EXPECT_EQ(window->document()->openDir, openDir.path());
    EXPECT_EQ(window->document()->saveDir, saveDir.path());
    click("btnCancelPrefs");
    EXPECT_EQ(boxText("edOpenDir"), openDir.path());
    closeWindow();
    const QStringList prefs = fileLines(QStringLiteral("prefs.ini"));
    EXPECT_EQ(prefs.value(3), openDir.path());
    EXPECT_EQ(prefs.value(4), saveDir.path());
}

TEST_F(PreferencesPanelTest, AlphabetizeSortsTheRightListOnOkOnly)
{
    open();
    const QStringList before = rightRows();
    const QStringList inOrder = sorted(before);
    ASSERT_NE(before, inOrder) << "right.txt is already in order";

    openPanel("tabRight");
    click("cbAlphabetize");
    click("btnCancelPrefs");
    EXPECT_FALSE(child<QCheckBox>("cbAlphabetize")->isChecked());
    EXPECT_EQ(window->vocabulary().wordList(Vocabulary::List::RightList).entries(), before);

    openPanel("tabRight");
    click("cbAlphabetize");
    click("btnOKprefs");
    EXPECT_EQ(rightRows(), inOrder);
    EXPECT_EQ(window->vocabulary().wordList(Vocabulary::List::RightList).entries(), inOrder);
    closeWindow();
    EXPECT_EQ(fileLines(QStringLiteral("prefs.ini")).value(23), "true");
}

// The boxes' corrections are in prefs_columns.wls; here, that the corrected
// values are the ones stored.
TEST_F(PreferencesPanelTest, ColumnBoxesAreStoredAsCorrectedOnOk)
{
    open();
    openPanel("tabRight");
    typeInto("edColWidth", "20");
    typeInto("edRightMargin", QString());
    click("btnOKprefs");
    closeWindow();
    const QStringList prefs = fileLines(QStringLiteral("prefs.ini"));
    EXPECT_EQ(prefs.value(24), "40");
    EXPECT_EQ(prefs.value(25), "1");
}

// A margin out of range in prefs.ini is shown corrected and is the setting
// from then on; a preview in the open panel is not, until OK.
TEST_F(PreferencesPanelTest, TheColumnsCorrectionIsTheSettingAndAPreviewIsNot)
{
    setPrefsLine(26, QStringLiteral("55"));
    open();
    EXPECT_EQ(window->rightColumn()->margin(), 40);
    EXPECT_EQ(window->preferences().values().rightMargin, 40);
    openPanel("tabRight");
    click("btnColor1");
    EXPECT_EQ(window->rightColour(), 0x00226718u);
    EXPECT_NE(window->preferences().values().rightColour, 0x00226718u);
    closeWindow();
    EXPECT_EQ(fileLines(QStringLiteral("prefs.ini")).value(25), "40");
    EXPECT_NE(fileLines(QStringLiteral("prefs.ini")).value(26), "$00226718");
}

TEST_F(PreferencesPanelTest, ColourSwatchesPaintTheColumnAtOnceAndCancelUndoesThem)
{
    open();
    const quint32 before = window->rightColour();
    openPanel("tabRight");
    click("btnColor1");
    EXPECT_EQ(window->rightColour(), 0x00226718u);
    EXPECT_EQ(child("lbRight")->palette().color(QPalette::Base), TColorButton::fromBgr(0x00226718));
    click("btnCancelPrefs");
    EXPECT_EQ(window->rightColour(), before);
    EXPECT_EQ(child("lbRight")->palette().color(QPalette::Base), TColorButton::fromBgr(before));

    openPanel("tabRight");
    click("btnColor10");
    click("btnOKprefs");
    closeWindow();
    EXPECT_EQ(fileLines(QStringLiteral("prefs.ini")).value(26), "$00848442");
}

TEST_F(PreferencesPanelTest, LeftClickChoicesChangeBevelsAndButtonsOnOkOnly)
{
    open();
    TColorButton *pronoun = window->board()->button(QStringLiteral("btnPronoun"));
    TColorButton *modal = window->board()->button(QStringLiteral("btnModal"));
    ASSERT_EQ(pronoun->bevelSize(), 1);
    openPanel("tabLeftClick");
    click("rgModal0");
    click("btnCancelPrefs");
    EXPECT_TRUE(child<QRadioButton>("rgModal1")->isChecked());
    EXPECT_EQ(modal->bevelSize(), 1);

    openPanel("tabLeftClick");
    click("rgPronoun0");
    EXPECT_EQ(pronoun->bevelSize(), 1);
    click("btnOKprefs");
    EXPECT_EQ(pronoun->bevelSize(), 3);
    EXPECT_EQ(window->preferences().values().leftClick[PreferenceValues::PronounGroup], 0);
    QTest::mouseClick(pronoun, Qt::LeftButton, Qt::NoModifier, pronoun->rect().center());
    EXPECT_TRUE(child("pPronoun")->isVisible());
    EXPECT_EQ(text(), QString());

    closeWindow();
    EXPECT_EQ(fileLines(QStringLiteral("prefs.ini")).value(12), "0");
}

TEST_F(PreferencesPanelTest, WindowChoiceIsThePreferenceWhateverTheWindowState)
{
    open();
    openPanel("tabWindow");
    EXPECT_TRUE(child<QRadioButton>("rbNormal")->isChecked());
    EXPECT_EQ(boxText("edPixelsWide"), "640");
    EXPECT_EQ(boxText("edPixelsTall"), "450");
    click("rbMaximized");
    EXPECT_TRUE(window->preferences().values().OpenMaximized);
    EXPECT_EQ(window->focusWidget(), child("btnOKprefs"));
    click("btnOKprefs");
    window->resize(700, 500);
    EXPECT_FALSE(window->isMaximized());

    closeWindow();
    const QStringList prefs = fileLines(QStringLiteral("prefs.ini"));
    EXPECT_EQ(prefs.value(8), "700");
    EXPECT_EQ(prefs.value(9), "500");
    EXPECT_EQ(prefs.value(10), "true");
}

TEST_F(PreferencesPanelTest, SwitchingToRichTextRenamesTheDocument)
{
    open();
    ASSERT_TRUE(window->document()->plainText()) << "the shipped prefs.ini writes plain text";
    word(QStringLiteral("hello"));
    const QString txt = programFile(QStringLiteral("poem.txt"));
    ASSERT_TRUE(window->document()->saveTo(txt));
    window->document()->SetFileName(txt);

    openPanel("tabFileFormat");
    click("rbRtf");
    click("btnOKprefs");
    EXPECT_FALSE(window->document()->plainText());
    EXPECT_FALSE(window->formatBar()->plainTextMode());
    EXPECT_EQ(window->document()->DocumentName(), programFile(QStringLiteral("poem.rtf")));
    EXPECT_EQ(window->windowTitle(), "poem.rtf - Wordloom");

    // Back to plain text: poem.txt exists, so the document is not named
    // after it and a save asks for a name.
    openPanel("tabFileFormat");
    click("rbTxt");
    click("btnOKprefs");
    EXPECT_TRUE(window->document()->plainText());
    EXPECT_TRUE(window->document()->isUntitled());
    EXPECT_EQ(window->windowTitle(), "Untitled - Wordloom");

    dialogs.answers.push_back(Dialogs::Answer::No);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(fileLines(QStringLiteral("prefs.ini")).value(11), "true");
}

TEST_F(PreferencesPanelTest, SwitchingToPlainTextDropsTheFormatting)
{
    open();
    openPanel("tabFileFormat");
    click("rbRtf");
    click("btnOKprefs");
    DocumentEditor *editor = window->editor();
    word(QStringLiteral("bold"));
    QTextCursor all(editor->document());
    all.select(QTextCursor::Document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontUnderline(true);
    all.mergeCharFormat(bold);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);

    openPanel("tabFileFormat");
    click("rbTxt");
    click("btnCancelPrefs");
    EXPECT_TRUE(child<QRadioButton>("rbRtf")->isChecked());
    EXPECT_FALSE(window->document()->plainText());

    openPanel("tabFileFormat");
    click("rbTxt");
    click("btnOKprefs");
    QTextCursor first(editor->document());
    first.setPosition(1);
    EXPECT_NE(first.charFormat().fontWeight(), QFont::Bold);
    EXPECT_FALSE(first.charFormat().fontUnderline());
    EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_TRUE(window->formatBar()->plainTextMode());
    EXPECT_EQ(text(), QStringLiteral("Bold "));
}

TEST_F(PreferencesPanelTest, PastedTextTakesTheChosenFont)
{
    open();
    openPanel("tabFontPrefs");
    typeInto("edFontSize", "30");
    click("btnOKprefs");
    ASSERT_TRUE(window->editCommands()->pasteFont);
    EXPECT_EQ(window->editCommands()->pasteFont().pointSize(), 30);
}

TEST_F(PreferencesPanelTest, AnAlphabetizedColumnStartsSorted)
{
    setPrefsLine(24, QStringLiteral("true"));
    open();
    const QStringList rows = rightRows();
    EXPECT_EQ(rows, sorted(rows));
    EXPECT_TRUE(child<QCheckBox>("cbAlphabetize")->isChecked());
    // Unchecking leaves the order as it is.
    openPanel("tabRight");
    click("cbAlphabetize");
    click("btnOKprefs");
    EXPECT_EQ(rightRows(), rows);
}

} // namespace

// On every page Tab stops only where a person sees something with a name,
// and goes round the panel without leaving it.
TEST_F(PreferencesPanelTest, TabStopsAreSeenNamedAndStayInThePanel)
{
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    openPanel();
    auto *pages = child<QTabWidget>("PageControl1");
    QWidget *panel = child("pPrefs");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        pages->tabBar()->setFocus(Qt::TabFocusReason);
        int stops = 0;
        for (; stops < 60; ++stops) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *w = QApplication::focusWidget();
            ASSERT_NE(w, nullptr);
            if (w == pages->tabBar())
                break;
            const std::string at = pages->tabText(page).toStdString() + ": " +
                                   w->metaObject()->className() + " " +
                                   w->objectName().toStdString();
            EXPECT_TRUE(panel->isAncestorOf(w)) << at;
            EXPECT_TRUE(w->isVisible()) << at;
            EXPECT_FALSE(QAccessible::queryAccessibleInterface(w)
                             ->text(QAccessible::Name)
                             .trimmed()
                             .isEmpty())
                << at;
        }
        EXPECT_LT(stops, 60) << "Tab came back round";
    }
}
