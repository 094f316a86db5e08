#include "../engine/fake_dialogs.h"
#include "compose/random_source.h"
#include "controls/color_button.h"
#include "panels/ui/board.h"
#include "panels/verb_panel_tables.h"
#include "shell/ui/main_form.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QDir(from).relativeFilePath(path).prepend(QLatin1Char('/'));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(path, target);
    }
}

// The real main window over a fresh copy of the shipped program directory.
class InflectionButtonsTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    FakeDialogs dialogs;
    SeededRandom random{1};
    std::unique_ptr<TMainForm> form;

    void start(const std::function<void(const QDir &)> &tweak = {})
    {
        ASSERT_TRUE(dir.isValid());
        copyTree(QStringLiteral(WORDLOOM_DATA_DIR), dir.path());
        if (tweak)
            tweak(QDir(dir.path()));
        StartOptions options;
        options.programDir = dir.path();
        options.dialogs = &dialogs;
        options.random = &random;
        form = std::make_unique<TMainForm>(options);
        ASSERT_TRUE(form->startupOk()) << dialogs.messages.join(QLatin1Char('\n')).toStdString();
        form->show();
    }
    TColorButton *button(const char *name) const
    {
        TColorButton *b = form->board()->button(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void rclick(const char *name) { QTest::mouseClick(button(name), Qt::RightButton); }
    QWidget *panel(const char *name) const
    {
        // As the script runner looks a control up: a panel not built yet
        // is built first.
        form->board()->buildPending();
        return form->board()->findChild<QWidget *>(QString::fromLatin1(name));
    }
    QString text() { return form->composition().surface().text(); }
};

TEST_F(InflectionButtonsTest, EmptyXListLeavesTheEsRule)
{
    start([](const QDir &d) {
        QFile x(d.filePath(QStringLiteral("exceptions/nounX.txt")));
        ASSERT_TRUE(x.open(QIODevice::WriteOnly | QIODevice::Truncate));
    });
    form->fixedWordClick(QStringLiteral("the"));
    form->fixedWordClick(QStringLiteral("appendix"));
    click("btnPluralize");
    EXPECT_EQ(text(), QLatin1String("The appendixes "));
    click("btnPluralize");
    EXPECT_EQ(text(), QLatin1String("The appendix "));
}

TEST_F(InflectionButtonsTest, ShippedXListGivesTheIrregularPlural)
{
    start();
    form->fixedWordClick(QStringLiteral("the"));
    form->fixedWordClick(QStringLiteral("appendix"));
    click("btnPluralize");
    EXPECT_EQ(text(), QLatin1String("The appendices "));
}

TEST_F(InflectionButtonsTest, EverySubPanelOpensOnRightClickAndClosesByExit)
{
    start();
    for (const VerbPanelTables::VerbPanel &desc : VerbPanelTables::verbPanels()) {
        QWidget *p = panel(desc.panel);
        ASSERT_NE(p, nullptr) << desc.panel;
        EXPECT_FALSE(p->isVisible());
        rclick(desc.opener);
        EXPECT_TRUE(p->isVisible()) << desc.panel;
        for (const ButtonDesc &item : desc.items) {
            TColorButton *b = button(item.name);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->parentWidget(), p);
            EXPECT_EQ(b->caption(), QString::fromUtf8(item.word));
        }
        EXPECT_EQ(button(desc.exit.name)->caption(), QLatin1String("EXIT"));
        click(desc.exit.name);
        EXPECT_FALSE(p->isVisible()) << desc.panel;
    }
    // Nothing was inserted on the way.
    EXPECT_EQ(text(), QString());
}

TEST_F(InflectionButtonsTest, PanelPickInsertsAndHidesThePanel)
{
    start();
    form->fixedWordClick(QStringLiteral("I"));
    click("btnHave");
    rclick("btnHave");
    click("btnHaveVe");
    EXPECT_EQ(text(), QLatin1String("I've "));
    EXPECT_FALSE(panel("pHave")->isVisible());
    rclick("btnImain");
    click("btnIMyself");
    EXPECT_EQ(text(), QLatin1String("I've myself "));
    EXPECT_EQ(form->composition().state.LastAction, QLatin1String("I"));
    EXPECT_EQ(form->composition().state.FormIndex, 5);
}

TEST_F(InflectionButtonsTest, TenseBoxReformsTheGoVerb)
{
    start();
    auto *tense = form->findChild<QComboBox *>(QStringLiteral("cbTense"));
    ASSERT_NE(tense, nullptr);
    form->fixedWordClick(QStringLiteral("she"));
    click("btnGo");
    EXPECT_EQ(text(), QLatin1String("She goes "));
    tense->setCurrentIndex(tense->findText(QStringLiteral("past tense")));
    Q_EMIT tense->activated(tense->currentIndex());
    EXPECT_TRUE(form->preferences().PastTense);
    EXPECT_EQ(text(), QLatin1String("She went "));
    // The next verb follows the setting.
    form->fixedWordClick(QStringLiteral("and"));
    click("btnHave");
    EXPECT_EQ(text(), QLatin1String("She went and had "));
}

TEST_F(InflectionButtonsTest, GrabArmedSuffixTakesTheWordBeforeTheCaret)
{
    start();
    form->fixedWordClick(QStringLiteral("they"));
    form->fixedWordClick(QStringLiteral("walk"));
    form->fixedWordClick(QStringLiteral("home"));
    Composition &c = form->composition();
    c.surface().setCaret(10);
    c.state.LastAction = QStringLiteral("mouseclick");
    c.state.GrabArmed = true;
    c.setIndicators(false, true);
    click("btnEd");
    EXPECT_EQ(text(), QLatin1String("They walked home "));
    EXPECT_FALSE(c.state.GrabArmed);
    EXPECT_FALSE(c.grabLit());
}

} // namespace
