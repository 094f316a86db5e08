#include "controls/document_editor.h"
#include "panels/verb_panel_tables.h"
#include "panels/word_panel_tables.h"
#include "window_fixture.h"

#include <QAccessible>

namespace {

class WordPanelsWidgetTest : public WindowFixture
{
protected:
    // Every category button opens its panel (lines 13 to 19 of prefs.ini).
    void panelsOnLeftClick()
    {
        for (int line = 13; line <= 19; ++line)
            setPrefsLine(line, QStringLiteral("0"));
    }
    void start()
    {
        open();
        ASSERT_TRUE(window->startupOk());
    }
    // As the script runner looks a control up: a panel not built yet is
    // built first.
    QWidget *panel(const char *name) const
    {
        window->board()->buildPending();
        return window->findChild<QWidget *>(QString::fromLatin1(name));
    }
};

TEST_F(WordPanelsWidgetTest, EveryPanelOpensAndItsExitClosesIt)
{
    panelsOnLeftClick();
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
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.panel);
        QWidget *p = panel(c.panel);
        ASSERT_NE(p, nullptr);
        EXPECT_FALSE(p->isVisible());
        click(c.opener, c.right ? Qt::RightButton : Qt::LeftButton);
        EXPECT_TRUE(p->isVisible());
        click(c.exit);
        EXPECT_FALSE(p->isVisible());
    }
    // The verb and pronoun sub-panels open on the right button and show the
    // words of their table.
    for (const VerbPanelTables::VerbPanel &desc : VerbPanelTables::verbPanels()) {
        SCOPED_TRACE(desc.panel);
        QWidget *p = panel(desc.panel);
        ASSERT_NE(p, nullptr);
        EXPECT_FALSE(p->isVisible());
        click(desc.opener, Qt::RightButton);
        EXPECT_TRUE(p->isVisible());
        for (const ButtonDesc &item : desc.items) {
            TColorButton *b = button(item.name);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->parentWidget(), p);
            EXPECT_EQ(b->caption(), QString::fromUtf8(item.word));
        }
        EXPECT_EQ(button(desc.exit.name)->caption(), QLatin1String("EXIT"));
        click(desc.exit.name);
        EXPECT_FALSE(p->isVisible());
    }
    // Opening and leaving panels inserts nothing.
    EXPECT_EQ(text(), QString());
}

TEST_F(WordPanelsWidgetTest, CustomCaptionsSurviveARestart)
{
    panelsOnLeftClick();
    start();
    click("btnConjunction");
    dialogs.texts.push_back(QStringLiteral("whereas"));
    click("btnConj3", Qt::RightButton);
    EXPECT_FALSE(panel("pConjunction")->isVisible());
    EXPECT_EQ(window->preferences().values().customCaptions[PreferenceValues::Conj1 + 2],
              QLatin1String("whereas"))
        << "in the settings as soon as it is edited";
    word(QStringLiteral("and"));
    click("btnConjunction");
    click("btnConj3");
    // A prefix set on the prefix panel goes in front of the word before.
    click("btnPrefix");
    dialogs.texts.push_back(QStringLiteral("re-"));
    click("btnPrefix2", Qt::RightButton);
    EXPECT_EQ(text(), QLatin1String("Whereas and rewhereas "));
    // A line break would shift the lines of prefs.ini after it.
    click("btnPlace2");
    dialogs.texts.push_back(QStringLiteral("over\nthere"));
    click("btnAdvP6", Qt::RightButton);
    EXPECT_EQ(button("btnAdvP6")->caption(), QLatin1String("over there"));
    dialogs.answers.push_back(Dialogs::Answer::No); // the document question
    EXPECT_TRUE(window->close());
    window.reset();

    const QStringList prefs = fileLines(QStringLiteral("prefs.ini"));
    EXPECT_EQ(prefs.value(34), QLatin1String("whereas"));
    EXPECT_EQ(prefs.value(48), QLatin1String("over there"));
    EXPECT_EQ(fileLines(QStringLiteral("affixes.ini")).value(1), QLatin1String("re-"));

    start();
    EXPECT_EQ(button("btnConj3")->caption(), QLatin1String("whereas"));
    EXPECT_EQ(button("btnAdvP6")->caption(), QLatin1String("over there"));
    EXPECT_EQ(button("btnPrefix2")->caption(), QLatin1String("re-"));
    EXPECT_EQ(button("btnConj1")->caption(), QString());

    // Panels are built when first shown: a session that never shows them
    // still keeps their captions.
    dialogs.answers.push_back(Dialogs::Answer::No);
    EXPECT_TRUE(window->close());
    window.reset();
    start();
    EXPECT_EQ(window->board()->builtButton(QStringLiteral("btnConj3")), nullptr);
    dialogs.answers.push_back(Dialogs::Answer::No);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(fileLines(QStringLiteral("prefs.ini")).value(34), QLatin1String("whereas"));
    EXPECT_EQ(fileLines(QStringLiteral("affixes.ini")).value(1), QLatin1String("re-"));
}

// The rows are laid out so that captions keep (nearly) the board's size.
TEST_F(WordPanelsWidgetTest, WordPanelCaptionsStayLegible)
{
    start();
    for (const WordPanelDesc *desc : WordPanelTables::wordPanels()) {
        QWidget *p = panel(desc->name);
        ASSERT_NE(p, nullptr);
        for (TColorButton *b : p->findChildren<TColorButton *>()) {
            EXPECT_GE(b->font().pixelSize(), 15) << b->objectName().toStdString();
            EXPECT_TRUE(p->rect().contains(b->geometry())) << b->objectName().toStdString();
        }
    }
}

} // namespace

namespace {

QString spokenName(QWidget *w)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QStringLiteral("(none)");
}

} // namespace

// A screen reader names every button as a person would say it, also where
// the face shows a picture, a mark or nothing.
TEST_F(WordPanelsWidgetTest, ButtonsHaveSpokenNames)
{
    panelsOnLeftClick();
    start();
    for (const auto &[name, spoken] :
         {std::pair{"btnA", "a"}, std::pair{"btnWordLeft", "word left"},
          std::pair{"btnWordRight", "word right"}, std::pair{"btnQuotes", "double quote"},
          std::pair{"btnApostrophe", "apostrophe"}, std::pair{"btnConj1", "empty custom button"},
          std::pair{"edFontSize", "Size:"}, std::pair{"edColWidth", "Minimum Column Width:"}})
        EXPECT_EQ(spokenName(child(name)), QLatin1String(spoken)) << name;
    EXPECT_EQ(spokenName(window->editor()), QLatin1String("document"));
    click("btnConjunction");
    dialogs.texts.push_back(QStringLiteral("whereas"));
    click("btnConj1", Qt::RightButton);
    EXPECT_EQ(spokenName(button("btnConj1")), QLatin1String("whereas"));
}
