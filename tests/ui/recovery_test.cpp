#include "shell/recovery/document_snapshot.h"
#include "shell/ui/document.h"
#include "shell/ui/recovery_keeper.h"
#include "window_fixture.h"

#include <QProcess>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTextEdit>

namespace {

using Kind = RecoveryStore::Kind;

// The real program in script mode, each run a process of its own with the
// same program folder and user data folder.
class RecoveryRuns : public WindowFixture
{
protected:
    std::unique_ptr<QProcess> start(const QString &script)
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), programFile(QStringLiteral("home")));
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(WORDLOOM_EXE),
                       {QStringLiteral("--play"), QStringLiteral("-"),
                        QStringLiteral("--program-dir"), m_dir.path()});
        process->write(script.toUtf8());
        process->closeWriteChannel();
        return process;
    }

    // The first line a run prints; the run goes on.
    static QByteArray firstLine(QProcess &process)
    {
        while (!process.canReadLine() && process.waitForReadyRead(60000)) {
        }
        return process.readLine();
    }

    // A whole run: its standard output lines, and its standard error.
    QStringList run(const QString &script, QString *err)
    {
        auto process = start(script);
        process->waitForFinished(60000);
        *err = QString::fromUtf8(process->readAllStandardError());
        return QString::fromUtf8(process->readAllStandardOutput()).split(QLatin1Char('\n'));
    }
};

TEST_F(RecoveryRuns, KilledRunsComeBackOneAtATimeAndARunningOneIsLeftAlone)
{
    const QString poem = programFile(QStringLiteral("poem.rtf"));
    auto first = start(QStringLiteral("word the\nsave %1\nword cat\nclick miWordLists\nclick "
                                      "rbRight\nset editWord newcomer\nkey Enter\nclick "
                                      "btnExitWord\nwait 7000\nprint\nwait 60000\n")
                           .arg(poem));
    ASSERT_EQ(firstLine(*first), "The cat \n");
    auto second = start(QStringLiteral("word a\nword dog\nwait 7000\nprint\nwait 60000\n"));
    // Its copy saved away, this one leaves only a lock behind.
    auto third =
        start(QStringLiteral("word x\nwait 7000\nsave %1.rtf\nprint\nwait 60000\n").arg(poem));
    ASSERT_EQ(firstLine(*second) + firstLine(*third), "A dog \nX \n");
    EXPECT_FALSE(second->readAllStandardError().contains("question:"));
    // Killed (SIGKILL) as a crash or a power cut would stop them.
    for (QProcess *process : {first.get(), second.get(), third.get()}) {
        process->kill();
        ASSERT_TRUE(process->waitForFinished());
    }

    // A damaged copy is named and left as it is.
    const QString damaged = programFile(QStringLiteral("home/Wordloom/recovery/1-z.document"));
    QFile junk(damaged);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly) && junk.write("Wordloom recovery 1\nsize=9") > 0);
    junk.close();
    QString err;
    // The file of its name is not written over unasked, and asked about once.
    const QStringList one =
        run(QStringLiteral("answer Yes\nanswer Yes\nprint\nshow MainForm\n"
                           "show StatusModified\nshow lbRight\nanswer No\nclick "
                           "FileSaveCmd\nanswer Yes\nclick FileSaveCmd\nclick "
                           "FileSaveCmd\nopen %1\nprint\n")
                .arg(poem),
            &err);
    ASSERT_GE(one.size(), 4) << err.toStdString();
    EXPECT_EQ(one.mid(0, 3),
              QStringList({QStringLiteral("The cat "), QStringLiteral("poem.rtf - Wordloom"),
                           QStringLiteral("Modified")}));
    EXPECT_TRUE(one.at(3).endsWith(QStringLiteral("|newcomer")));
    EXPECT_EQ(one.value(4), QStringLiteral("The cat "));
    EXPECT_EQ(err.count(QStringLiteral("question: ")), 4) << err.toStdString();
    EXPECT_EQ(err.count(QStringLiteral("question: OK to overwrite ") + poem), 2);
    for (const QString &line :
         {QStringLiteral("question: Wordloom was not closed properly. Recover the unsaved text of "
                         "%1?")
              .arg(poem),
          QStringLiteral("question: Recover your unsaved changes to the word lists?"),
          QStringLiteral("message: The recovery copy %1 is damaged").arg(damaged)})
        EXPECT_TRUE(err.contains(line)) << err.toStdString();

    // The other text was kept for this start; a clean close leaves nothing.
    const QStringList two =
        run(QStringLiteral("answer Yes\nprint\nshow MainForm\nanswer No\nquit\n"), &err);
    EXPECT_EQ(two.mid(0, 2),
              QStringList({QStringLiteral("A dog "), QStringLiteral("Untitled - Wordloom")}))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("the unsaved text of Untitled?"))) << err.toStdString();
    const QDir folder(programFile(QStringLiteral("home/Wordloom/recovery")));
    const QStringList left =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(left, QStringList(QStringLiteral("1-z.document"))) << left.join(' ').toStdString();
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
    // Read-only for a user, and for root too where the file system allows.
    ASSERT_TRUE(QDir().mkpath(folder()));
    QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner);
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder()});
    const auto makeWritable = [this] {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder()});
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return keeper.store().has(Kind::Document); }, 5000));
    EXPECT_TRUE(bar.currentMessage().isEmpty());
    // Saved work needs no copy.
    editor.document()->setModified(false);
    EXPECT_FALSE(QFile::exists(keeper.store().path(Kind::Document)));

    // Changes that never pause are kept all the same.
    keeper.setDelays(1000, 200);
    for (int i = 0; i < 8 && !keeper.store().has(Kind::Document); ++i) {
        editor.insertPlainText(QStringLiteral("more "));
        QTest::qWait(50);
    }
    EXPECT_TRUE(keeper.store().has(Kind::Document));
}

TEST_F(RecoveryKeeperTest, RecoveredTextKeepsItsPlainTextFormatAndCaretAndACopyOfItsOwn)
{
    QTextDocument old;
    QTextCursor(&old).insertText(QStringLiteral("Lost words "));
    const DocumentSnapshot::Info info{
        QStringLiteral("a.txt"), {TextFile::Encoding::Windows1252, QStringLiteral("\r\n")}, 5};
    QString error;
    {
        RecoveryStore crashed(folder());
        ASSERT_TRUE(crashed.write(Kind::Document, DocumentSnapshot::capture(old, info), &error));
        // Under the name of a run with no lock, as a crash leaves it.
        ASSERT_TRUE(QFile::copy(crashed.path(Kind::Document), folder() + "/1-a.document"));
    }
    RecoveryKeeper keeper(&editor, &document, vocab, dialogs, &bar, folder());
    dialogs.answers = {Dialogs::Answer::Yes};
    keeper.offerRecovery();
    EXPECT_EQ(document.plainTextFormat().encoding, TextFile::Encoding::Windows1252);
    EXPECT_EQ(document.plainTextFormat().lineEnd, QStringLiteral("\r\n"));
    EXPECT_EQ(editor.textCursor().position(), 5);
    EXPECT_TRUE(keeper.store().has(Kind::Document)) << "the text is this run's work now";
}

} // namespace
