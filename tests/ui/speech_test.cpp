#include "window_fixture.h"

#include "controls/document_editor.h"
#include "shell/script/script_runner.h"
#include "shell/script/scripted_dialogs.h"
#include "shell/speech/speaker.h"
#include "shell/speech/speech_commands.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

// speech-dispatcher with no working audio: its socket takes the connection
// and never answers, and the client waits in a read for ever.
TEST(Speaker, AnEngineThatNeverAnswersIsGivenUpWithoutHoldingTheCaller)
{
    QTemporaryDir dir;
    const QByteArray path = dir.filePath(QStringLiteral("speechd.sock")).toLocal8Bit();
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(server, 4), 0);
    qputenv("SPEECHD_ADDRESS", "unix_socket:" + path);
    {
        QtSpeechEngine engine(QStringLiteral("speechd"));
        QSignalSpy dropped(&engine, &SpeechEngine::droppedOut);
        // Started here: on the caller's thread this would never return.
        engine.say(QStringLiteral("hello"));
        ASSERT_TRUE(dropped.wait(10000));
        EXPECT_EQ(dropped.size(), 1);
        EXPECT_EQ(engine.unavailableReason(), dropped.first().first().toString());
        EXPECT_FALSE(engine.speaking());
        engine.say(QStringLiteral("again"));
        EXPECT_FALSE(engine.speaking());
        ::close(server); // lets the stuck client go
    }
    qunsetenv("SPEECHD_ADDRESS");
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

    // A word put in by keyboard is heard whole: the focus going to the
    // document and back as the key puts it in is no move to say.
    SpeechSettings words = window->viewSettings().speech();
    words.speakWords = true;
    window->viewSettings().setSpeech(words);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    const qsizetype before = speech.said.size();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(speech.said.size(), before + 1) << "the word alone, not its button again";
    EXPECT_TRUE(text().endsWith(speech.said.last() + QLatin1Char(' '), Qt::CaseInsensitive));
    // With a screen reader running, it says where the focus is.
    window->speech()->screenReaderRunning = [] { return true; };
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(speech.said.size(), before + 1);
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

TEST_F(Speech, EachInsertionIsANotificationForAScreenReader)
{
    open();
    // A screen reader speaks a notification when it appears, wherever the
    // focus is; a plain label that changes is not spoken.
    auto *label = window->findChild<QWidget *>(QStringLiteral("labInserted"));
    ASSERT_TRUE(label);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
    ASSERT_TRUE(iface);
    EXPECT_EQ(iface->role(), QAccessible::Notification);
    word(QStringLiteral("dog"));
    EXPECT_EQ(iface->text(QAccessible::Name), "inserted: Dog");
    click("btnPluralize");
    EXPECT_EQ(iface->text(QAccessible::Name), "inserted: Dogs");
}
