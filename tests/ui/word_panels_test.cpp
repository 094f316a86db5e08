#include "../engine/fake_dialogs.h"
#include "compose/random_source.h"
#include "controls/color_button.h"
#include "panels/board.h"
#include "panels/word_panel_tables.h"
#include "panels/word_panels.h"
#include "shell/document_editor.h"
#include "shell/main_form.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A program directory copied from the shipped data, with some lines of
// prefs.ini changed.
class ProgramDir
{
public:
    ProgramDir()
    {
        const QDir source(QStringLiteral(WORDLOOM_DATA_DIR));
        QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = m_dir.filePath(source.relativeFilePath(from));
            QDir().mkpath(QFileInfo(to).absolutePath());
            QFile::copy(from, to);
        }
    }
    QString path() const { return m_dir.path(); }
    QStringList prefsLines() const { return lines(QStringLiteral("prefs.ini")); }
    QStringList lines(const QString &name) const
    {
        QFile f(m_dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    }
    void setPrefsLine(int line, const QString &value)
    {
        QStringList all = prefsLines();
        all[line - 1] = value;
        QFile f(m_dir.filePath(QStringLiteral("prefs.ini")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(all.join(QStringLiteral("\r\n")).toUtf8());
    }
    // Every category button opens its panel.
    void panelsOnLeftClick()
    {
        for (int line = 13; line <= 19; ++line)
            setPrefsLine(line, QStringLiteral("0"));
    }

private:
    QTemporaryDir m_dir;
};

class WordPanelsWidgetTest : public ::testing::Test
{
protected:
    ProgramDir dir;
    FakeDialogs dialogs;
    SeededRandom random{1};
    std::unique_ptr<TMainForm> window;

    void start()
    {
        StartOptions options;
        options.programDir = dir.path();
        options.dialogs = &dialogs;
        options.random = &random;
        window = std::make_unique<TMainForm>(options);
        ASSERT_TRUE(window->startupOk());
        window->show();
    }
    // Closes as the close box does, not saving the document.
    void closeWindow()
    {
        dialogs.answers.push_back(Dialogs::Answer::No);
        EXPECT_TRUE(window->close());
        window.reset();
    }
    TColorButton *button(const char *name) const
    {
        TColorButton *b = window->board()->button(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    // As the script runner looks a control up: a panel not built yet is
    // built first.
    QWidget *panel(const char *name) const
    {
        window->board()->buildPending();
        return window->findChild<QWidget *>(QString::fromLatin1(name));
    }
    void click(const char *name)
    {
        TColorButton *b = button(name);
        ASSERT_TRUE(b->isVisible()) << name << " is not in view";
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
    }
    void rightClick(const char *name)
    {
        TColorButton *b = button(name);
        ASSERT_TRUE(b->isVisible()) << name << " is not in view";
        QTest::mouseClick(b, Qt::RightButton, Qt::NoModifier, b->rect().center());
    }
    QString text() const { return window->editor()->toPlainText(); }
};

TEST_F(WordPanelsWidgetTest, EveryPanelOpensAndItsExitClosesIt)
{
    dir.panelsOnLeftClick();
    start();
    struct Case
    {
        const char *opener;
        bool right;
        const char *panel;
        const char *exit;
    };
    const Case cases[] = {
        {"btnConjunction", false, "pConjunction", "btnExitConj"},
        {"btnPreposition", false, "pPreposition", "btnExitPrep"},
        {"btnPronoun", false, "pPronoun", "btnExitPro"},
        {"btnTime", false, "pAdvTime", "btnExitAdvT"},
        {"btnPlace2", false, "pAdvPlace", "btnExitAdvP"},
        {"btnDegree", false, "pAdvD", "btnExitAdvD"},
        {"btnModal", false, "pModal", "btnExitModal"},
        {"btnPrefix", false, "pPrefix", "btnExitPrefix"},
        {"btnSuffix", false, "pSuffix", "btnExitSuffix"},
        {"btnMore", true, "pMore", "btnMoreExit"},
        {"btnImain", true, "pI", "btnIExit"},
        {"btnYouMain", true, "pYou", "btnYouExit"},
        {"btnHeMain", true, "pHe", "btnHeExit"},
        {"btnSheMain", true, "pShe", "btnSheExit"},
        {"btnItMain", true, "pIt", "btnItExit"},
    };
    for (const Case &c : cases) {
        QWidget *p = panel(c.panel);
        ASSERT_NE(p, nullptr) << c.panel;
        EXPECT_FALSE(p->isVisible()) << c.panel;
        if (c.right)
            rightClick(c.opener);
        else
            click(c.opener);
        EXPECT_TRUE(p->isVisible()) << c.panel;
        TColorButton *exit = button(c.exit);
        EXPECT_EQ(exit->caption(), QLatin1String("EXIT"));
        EXPECT_EQ(exit->color(), QColor(Qt::black));
        click(c.exit);
        EXPECT_FALSE(p->isVisible()) << c.panel;
    }
    // Opening and leaving panels inserts nothing.
    EXPECT_EQ(text(), QString());
}

TEST_F(WordPanelsWidgetTest, KeepOpenButtonsBuildAPhraseInOneVisit)
{
    dir.panelsOnLeftClick();
    start();
    QWidget *conj = panel("pConjunction");
    click("btnConjunction");
    click("btnAs2");
    click("btnFar");
    EXPECT_TRUE(conj->isVisible());
    click("btnAs3");
    EXPECT_FALSE(conj->isVisible());
    EXPECT_EQ(text(), QLatin1String("As far as "));

    // A pronoun stem stays up; its ending closes the panel.
    click("btnPronoun");
    click("btnNo");
    EXPECT_TRUE(panel("pPronoun")->isVisible());
    click("btn_One");
    EXPECT_FALSE(panel("pPronoun")->isVisible());
    EXPECT_EQ(text(), QLatin1String("As far as no one "));

    // The suffix panel joins its suffix to the word before.
    click("btnSuffix");
    click("btnNess");
    EXPECT_FALSE(panel("pSuffix")->isVisible());
    EXPECT_EQ(text(), QLatin1String("As far as no oneness "));
}

TEST_F(WordPanelsWidgetTest, CategoryButtonsInsertARandomWordByDefault)
{
    start();
    const QStringList pronouns =
        window->vocabulary().wordList(Vocabulary::List::PronounList).entries();
    ASSERT_FALSE(pronouns.isEmpty());
    click("btnPronoun");
    EXPECT_FALSE(panel("pPronoun")->isVisible());
    const QString first = window->composition().state.CurrentWord;
    EXPECT_TRUE(pronouns.contains(first));
    click("btnPronoun");
    const QString second = window->composition().state.CurrentWord;
    EXPECT_NE(second, first);
    // The second replaced the first.
    EXPECT_EQ(text().trimmed().toLower(), second.toLower());
}

TEST_F(WordPanelsWidgetTest, RightButtonOnACategoryOpensThePickListNotItsPanel)
{
    start();
    for (const auto &[name, list] : {std::pair{"btnPronoun", Vocabulary::List::PronounList},
                                     std::pair{"btnModal", Vocabulary::List::ModalList},
                                     std::pair{"btnCustom", Vocabulary::List::CustomList}}) {
        rightClick(name);
        // The pick list is built when it first opens.
        auto *pick = window->findChild<QListWidget *>(QStringLiteral("lbWordPick"));
        ASSERT_NE(pick, nullptr);
        EXPECT_TRUE(pick->isVisible()) << name;
        EXPECT_EQ(pick->count(), window->vocabulary().wordList(list).size()) << name;
        window->findChild<QWidget *>(QStringLiteral("pWordPick"))->hide();
    }
    EXPECT_EQ(text(), QString());
    EXPECT_FALSE(panel("pPronoun")->isVisible());
}

TEST_F(WordPanelsWidgetTest, EmptyCustomButtonInsertsNothingAndStaysUp)
{
    dir.panelsOnLeftClick();
    start();
    click("btnDegree");
    click("btnAdvD2");
    EXPECT_TRUE(panel("pAdvD")->isVisible());
    EXPECT_EQ(text(), QString());
    EXPECT_TRUE(dialogs.unexpected.isEmpty());
}

TEST_F(WordPanelsWidgetTest, CustomCaptionsSurviveARestart)
{
    dir.panelsOnLeftClick();
    start();
    click("btnConjunction");
    dialogs.texts.push_back(QStringLiteral("whereas"));
    rightClick("btnConj3");
    EXPECT_EQ(button("btnConj3")->caption(), QLatin1String("whereas"));
    EXPECT_FALSE(panel("pConjunction")->isVisible());
    EXPECT_EQ(text(), QLatin1String("Whereas "));
    click("btnConjunction");
    click("btnAndConj");
    click("btnConjunction");
    click("btnConj3");
    EXPECT_EQ(text(), QLatin1String("Whereas and whereas "));

    // A prefix set on the prefix panel goes in front of the word before.
    click("btnPrefix");
    dialogs.texts.push_back(QStringLiteral("re-"));
    rightClick("btnPrefix2");
    EXPECT_EQ(text(), QLatin1String("Whereas and rewhereas "));
    // Cancelling clears a caption.
    click("btnTime");
    dialogs.texts.push_back(QStringLiteral("anon"));
    rightClick("btnAdvT5");
    click("btnTime");
    dialogs.texts.push_back(std::nullopt);
    rightClick("btnAdvT5");
    EXPECT_EQ(button("btnAdvT5")->caption(), QString());
    // A line break would shift the lines of prefs.ini after it.
    click("btnPlace2");
    dialogs.texts.push_back(QStringLiteral("over\nthere"));
    rightClick("btnAdvP6");
    EXPECT_EQ(button("btnAdvP6")->caption(), QLatin1String("over there"));
    closeWindow();

    const QStringList prefs = dir.prefsLines();
    ASSERT_EQ(prefs.size(), 57);
    EXPECT_EQ(prefs.at(34), QLatin1String("whereas"));
    EXPECT_EQ(prefs.at(48), QLatin1String("over there"));
    EXPECT_EQ(prefs.at(53), QString());
    EXPECT_EQ(dir.lines(QStringLiteral("affixes.ini")).value(1), QLatin1String("re-"));

    start();
    EXPECT_EQ(button("btnConj3")->caption(), QLatin1String("whereas"));
    EXPECT_EQ(button("btnAdvP6")->caption(), QLatin1String("over there"));
    EXPECT_EQ(button("btnPrefix2")->caption(), QLatin1String("re-"));
    EXPECT_EQ(button("btnConj1")->caption(), QString());

    // Panels are built when first shown: a session that never shows them
    // still keeps their captions.
    closeWindow();
    start();
    EXPECT_EQ(window->board()->builtButton(QStringLiteral("btnConj3")), nullptr);
    closeWindow();
    EXPECT_EQ(dir.prefsLines().value(34), QLatin1String("whereas"));
    EXPECT_EQ(dir.lines(QStringLiteral("affixes.ini")).value(1), QLatin1String("re-"));
}

// The rows are laid out so that captions keep (nearly) the board's size.
TEST_F(WordPanelsWidgetTest, WordPanelCaptionsStayLegible)
{
    start();
    for (const WordPanelSpec *desc : WordPanelTables::wordPanels()) {
        QWidget *p = panel(desc->name);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->size(), QSize(640, 186));
        for (TColorButton *b : p->findChildren<TColorButton *>()) {
            EXPECT_GE(b->font().pixelSize(), 15) << b->objectName().toStdString();
            EXPECT_TRUE(p->rect().contains(b->geometry())) << b->objectName().toStdString();
        }
    }
}

} // namespace
