#include "shell/recovery/document_snapshot.h"
#include "shell/ui/document.h"
#include "shell/ui/recovery_keeper.h"
#include "window_fixture.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTextEdit>

namespace {

using Kind = RecoveryStore::Kind;

bool waitUntil(const std::function<bool()> &done, int ms = 5000)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(10);
    return done();
}

// The real program in script mode, each run a process of its own with the
// same program folder and user data folder.
class RecoveryRuns : public WindowFixture
{
protected:
    std::unique_ptr<QProcess> start(const QString &script)
    {
        const QString file = programFile(QStringLiteral("run%1.wls").arg(++m_runs));
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(script.toUtf8());
        out.close();
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), programFile(QStringLiteral("home")));
        process->setProcessEnvironment(env);
        process->start(
            QStringLiteral(WORDLOOM_EXE),
            {QStringLiteral("--play"), file, QStringLiteral("--program-dir"), m_dir.path()});
        return process;
    }

    // Standard output up to the line wanted; the run goes on.
    static bool waitForLine(QProcess &process, const QByteArray &line)
    {
        QByteArray seen = "\n";
        QDeadlineTimer deadline(60000);
        process.waitForStarted();
        while (!seen.contains('\n' + line + '\n') && !deadline.hasExpired() &&
               process.state() == QProcess::Running) {
            process.waitForReadyRead(200);
            seen += process.readAllStandardOutput();
        }
        return seen.contains('\n' + line + '\n');
    }

    // A whole run: its standard output lines and standard error.
    QStringList run(const QString &script, QString *err)
    {
        auto process = start(script);
        EXPECT_TRUE(process->waitForFinished(60000));
        *err = QString::fromUtf8(process->readAllStandardError());
        return QString::fromUtf8(process->readAllStandardOutput()).split(QLatin1Char('\n'));
    }

    int m_runs = 0;
};

TEST_F(RecoveryRuns, KilledRunsComeBackOneAtATimeAndARunningOneIsLeftAlone)
{
    const QString poem = programFile(QStringLiteral("poem.rtf"));
    auto first = start(QStringLiteral("word the\nsave %1\nword cat\nclick miWordLists\nclick "
                                      "rbRight\nset editWord newcomer\nkey Enter\nclick "
                                      "btnExitWord\nwait 6000\nprint\nwait 60000\n")
                           .arg(poem));
    ASSERT_TRUE(waitForLine(*first, "The cat "));
    auto second = start(QStringLiteral("word a\nword dog\nwait 6000\nprint\nwait 60000\n"));
    ASSERT_TRUE(waitForLine(*second, "A dog "));
    EXPECT_FALSE(second->readAllStandardError().contains("question:"));
    // Killed (SIGKILL) as a crash or a power cut would stop them.
    first->kill();
    second->kill();
    ASSERT_TRUE(first->waitForFinished() && second->waitForFinished());

    const QMap<QString, QString> captions = {
        {QStringLiteral("The cat "), QStringLiteral("poem.rtf - Wordloom")},
        {QStringLiteral("A dog "), QStringLiteral("Untitled - Wordloom")}};
    QString err;
    const QStringList one = run(QStringLiteral("answer Yes\nanswer Yes\nprint\nshow MainForm\nshow "
                                               "StatusModified\nshow lbRight\n"),
                                &err);
    ASSERT_GE(one.size(), 4) << err.toStdString();
    EXPECT_EQ(one.at(1), captions.value(one.at(0))) << one.join('|').toStdString();
    EXPECT_EQ(one.at(2), QStringLiteral("Modified"));
    EXPECT_TRUE(one.at(3).endsWith(QStringLiteral("|newcomer")));
    EXPECT_EQ(err.count(QStringLiteral("question: ")), 2) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("question: Recover your unsaved changes to the word "
                                            "lists?")));
    const QString name = one.at(0) == QStringLiteral("A dog ") ? QStringLiteral("Untitled") : poem;
    EXPECT_TRUE(err.contains(QStringLiteral("question: Wordloom was not closed properly. Recover "
                                            "the unsaved text of %1?")
                                 .arg(name)))
        << err.toStdString();

    // The other text was kept for this start; a clean close leaves nothing.
    const QStringList two =
        run(QStringLiteral("answer Yes\nprint\nshow MainForm\nanswer No\nquit\n"), &err);
    ASSERT_GE(two.size(), 2) << err.toStdString();
    EXPECT_NE(two.at(0), one.at(0));
    EXPECT_EQ(two.at(1), captions.value(two.at(0))) << two.join('|').toStdString();
    run(QStringLiteral("print\n"), &err);
    EXPECT_FALSE(err.contains(QStringLiteral("question:"))) << err.toStdString();
}

// The keeper on its own, over an editor, a document and empty word lists.
class RecoveryKeeperTest : public ::testing::Test
{
protected:
    QString folder() const { return m_dir.filePath(QStringLiteral("recovery")); }

    QTemporaryDir m_dir;
    QTextEdit editor;
    FakeDialogs dialogs;
    Document document{&editor, &dialogs};
    Vocabulary vocab;
    QStatusBar bar;
};

TEST_F(RecoveryKeeperTest, ACopyThatCannotBeWrittenIsReportedOnceAndMadeOnceItCan)
{
    ASSERT_TRUE(QDir().mkpath(folder()));
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder()});
    const auto makeWritable = [this] {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder()});
    };
    const auto cleanUp = qScopeGuard(makeWritable);
    if (QFile(QDir(folder()).filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly))
        GTEST_SKIP() << "the folder cannot be made read-only here";
    RecoveryKeeper keeper(&editor, &document, vocab, dialogs, &bar, folder());
    keeper.setDelays(20, 100);
    QStringList shown;
    QObject::connect(&bar, &QStatusBar::messageChanged, [&](const QString &m) {
        if (!m.isEmpty())
            shown << m;
    });
    for (int i = 0; i < 3; ++i) {
        editor.insertPlainText(QStringLiteral("word "));
        QTest::qWait(150);
    }
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("word word word "));
    ASSERT_EQ(shown.size(), 1) << shown.join('\n').toStdString();
    EXPECT_TRUE(shown.first().contains(folder())) << shown.first().toStdString();
    EXPECT_FALSE(keeper.store().has(Kind::Document));

    makeWritable();
    ASSERT_TRUE(waitUntil([&] { return keeper.store().has(Kind::Document); }));
    EXPECT_TRUE(bar.currentMessage().isEmpty());
    // Saved work needs no copy.
    editor.document()->setModified(false);
    EXPECT_FALSE(QFile::exists(keeper.store().path(Kind::Document)));
}

TEST_F(RecoveryKeeperTest, YesRestoresTheTextAsModifiedUnderItsNameAndADamagedCopyIsLeftAlone)
{
    QTextDocument old;
    QTextCursor(&old).insertText(QStringLiteral("Lost words "));
    RecoveryStore crashed(folder());
    QString error;
    ASSERT_TRUE(crashed.write(Kind::Document,
                              DocumentSnapshot::capture(old, {QStringLiteral("/tmp/a.rtf"), {}, 5}),
                              &error));
    // Under names of runs with no lock, as a crash leaves them.
    const QString good = QDir(folder()).filePath(QStringLiteral("1-a.document"));
    const QString damaged = QDir(folder()).filePath(QStringLiteral("2-b.document"));
    ASSERT_TRUE(QFile::copy(crashed.path(Kind::Document), good));
    QFile cut(crashed.path(Kind::Document));
    ASSERT_TRUE(cut.open(QIODevice::ReadOnly));
    QFile out(damaged);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(cut.readAll().chopped(3));
    out.close();

    RecoveryKeeper keeper(&editor, &document, vocab, dialogs, &bar, folder());
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    keeper.offerRecovery();
    EXPECT_EQ(dialogs.questions,
              QStringList{QStringLiteral("Wordloom was not closed properly. Recover the unsaved "
                                         "text of /tmp/a.rtf?")});
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("Lost words "));
    EXPECT_EQ(document.DocumentName(), QStringLiteral("/tmp/a.rtf"));
    EXPECT_TRUE(editor.document()->isModified());
    EXPECT_EQ(editor.textCursor().position(), 5);
    EXPECT_FALSE(QFile::exists(good));
    EXPECT_TRUE(keeper.store().has(Kind::Document)) << "the text is this run's work now";
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().contains(damaged))
        << dialogs.messages.first().toStdString();
    EXPECT_TRUE(QFile::exists(damaged));
}

} // namespace
