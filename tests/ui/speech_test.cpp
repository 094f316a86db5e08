#include "window_fixture.h"

#include "shell/script/script_runner.h"
#include "shell/script/scripted_dialogs.h"
#include "shell/speech/speaker.h"
#include "shell/speech/speech_commands.h"
#include "controls/document_editor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

TEST(Speaker, SameKindCutsOffOtherKindsWaitStopForgets)
{
    SilentSpeechEngine engine;
    engine.holdUtterances = true;
    Speaker speaker(engine);
    speaker.say(Speaker::Kind::Word, QStringLiteral("the"));
    speaker.say(Speaker::Kind::Word, QStringLiteral("cat"));
    EXPECT_EQ(engine.stops, 1);
    speaker.say(Speaker::Kind::Focus, QStringLiteral("plural"));
    speaker.say(Speaker::Kind::Focus, QStringLiteral("past"));
    EXPECT_EQ(engine.said, QStringList({"the", "cat"}));
    engine.finishUtterance();
    EXPECT_EQ(engine.said.last(), QStringLiteral("past"));
    speaker.say(Speaker::Kind::Reading, QStringLiteral("All of it."));
    speaker.stop();
    engine.finishUtterance();
    EXPECT_EQ(engine.said.last(), QStringLiteral("past"));
    EXPECT_FALSE(speaker.speaking());
}

TEST(Speaker, SentenceBeforeThePosition)
{
    const QString text = QStringLiteral("Hi there.  The cat sat!  \"Why?\"  and so");
    EXPECT_EQ(sentenceBefore(text, 24), QStringLiteral("The cat sat!"));
    EXPECT_EQ(sentenceBefore(text, 10), QStringLiteral("Hi there."));
    EXPECT_EQ(sentenceBefore(text, 31), QStringLiteral("\"Why?\""));
    EXPECT_EQ(sentenceBefore(text, int(text.size())), QStringLiteral("and so"));
    EXPECT_EQ(sentenceBefore(QStringLiteral("one\ntwo"), 7), QStringLiteral("two"));
    EXPECT_EQ(wordBefore(QStringLiteral("two cats  "), 10), QStringLiteral("cats"));
}

TEST(Speaker, AnEngineThatIsNotThereSaysWhy)
{
    QtSpeechEngine engine(QStringLiteral("no-such-engine"));
    EXPECT_FALSE(engine.unavailableReason().isEmpty());
    Speaker speaker(engine);
    speaker.say(Speaker::Kind::Word, QStringLiteral("cat"));
    EXPECT_FALSE(speaker.speaking());
}

class Speech : public WindowFixture
{
protected:
    void trigger(const char *name) { window->findChild<QAction *>(QLatin1String(name))->trigger(); }
    template <class T> T *box(const char *name)
    {
        return window->findChild<T *>(QLatin1String(name));
    }
};

TEST_F(Speech, SentenceEndsAndWholeDocument)
{
    open();
    SpeechSettings on = window->viewSettings().speech();
    on.speakSentences = true;
    window->viewSettings().setSpeech(on);
    for (const char *w : {"the", "cat", "sat"})
        word(QLatin1String(w));
    click("btnQuestion");
    click("btnPeriod"); // after a question mark: a new sentence of its own, not said
    EXPECT_EQ(speech.said, QStringList({"The cat sat?"}));
    word(QStringLiteral("so"));
    trigger("miReadDocument");
    EXPECT_EQ(speech.said.last(), window->editor()->toPlainText().simplified());

    // A sentence is said from its own paragraph; a suffix is heard as the
    // word it made.
    click("btnEnter");
    for (const char *w : {"dogs", "ran"})
        word(QLatin1String(w));
    click("btnPeriod");
    EXPECT_EQ(speech.said.last(), "dogs ran.");
    on.speakWords = true;
    window->viewSettings().setSpeech(on);
    word(QStringLiteral("fast"));
    click("btnEr");
    EXPECT_EQ(speech.said.last(), "faster");
}

TEST_F(Speech, FocusIsSpokenWhenTheKeyboardMovesIt)
{
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto *first = box<TColorButton>("btnA");
    first->setFocus(Qt::TabFocusReason); // the program's own move
    EXPECT_TRUE(speech.said.isEmpty());
    QTest::keyClick(first, Qt::Key_Tab);
    ASSERT_EQ(speech.said.size(), 1);
    auto *next = qobject_cast<TColorButton *>(QApplication::focusWidget());
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(speech.said.first(), next->caption());
    click("btnA");
    EXPECT_EQ(speech.said.size(), 1);
}

TEST_F(Speech, TheTabAppliesOnOkAndDropsOnCancel)
{
    open();
    for (const bool ok : {false, true}) {
        trigger("miOptions");
        box<QCheckBox>("cbSpeakWords")->setChecked(true);
        box<QCheckBox>("cbSpeakFocus")->setChecked(false);
        box<QSpinBox>("edRate")->setValue(-4);
        box<QComboBox>("cbScanMode")->setCurrentIndex(1);
        box<QSpinBox>("edScanInterval")->setValue(700);
        box<QComboBox>("cbChooseKey")->setCurrentText(QStringLiteral("F2"));
        click(ok ? "btnOKprefs" : "btnCancelPrefs");
        const SpeechSettings &speech = window->viewSettings().speech();
        const ScanSettings &scan = window->viewSettings().scan();
        EXPECT_EQ(speech.speakWords, ok);
        EXPECT_EQ(speech.speakFocus, !ok);
        EXPECT_EQ(speech.rate, ok ? -4 : 0);
        EXPECT_EQ(scan.mode == ScanSettings::Mode::TwoSwitches, ok);
        EXPECT_EQ(scan.interval, ok ? 700 : 1500);
        EXPECT_EQ(scan.chooseKey, ok ? QStringLiteral("F2") : QStringLiteral("Return"));
    }
}

TEST_F(Speech, WithoutAnEngineTheBoxesAreStillAndTheReasonIsSaidOnce)
{
    speech.reason = QStringLiteral("No voice is installed.");
    open();
    trigger("miOptions");
    auto *words = box<QCheckBox>("cbSpeakWords");
    EXPECT_FALSE(words->isEnabled());
    EXPECT_EQ(words->toolTip(), speech.reason);
    click("btnCancelPrefs");
    trigger("miReadAloud");
    trigger("miReadAloud");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().contains(speech.reason));
    EXPECT_TRUE(speech.said.isEmpty());
}

TEST_F(Speech, ScriptClicksInTheEditorGiveItTheFocus)
{
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    word(QStringLiteral("cat"));
    ScriptedDialogs scripted;
    ScriptRunner runner(window.get(), &scripted, QStringLiteral("focus.wls"));
    for (const char *line : {"caret 1", "select 0 2", "clickend"}) {
        box<TColorButton>("btnA")->setFocus();
        ASSERT_FALSE(window->editor()->hasFocus());
        EXPECT_EQ(runner.run({QLatin1String(line)}), ScriptRunner::Ok) << line;
        EXPECT_TRUE(window->editor()->hasFocus()) << line;
    }
}
