#include "window_fixture.h"

#include <QMenu>
#include <QProcess>

namespace {

using MainForm = WindowFixture;

TEST_F(MainForm, EditMenuReadsUndoRedoCutCopyPasteSelectAllWithTheirKeysAsTheManualSays)
{
    TMainForm &w = open();
    QStringList items;
    QStringList names;
    for (QAction *action : w.findChild<QMenu *>(QStringLiteral("Edit1"))->actions()) {
        if (action->isSeparator())
            continue;
        names << action->text().remove(QLatin1Char('&'));
        if (items.size() < 6)
            items << names.last() + QLatin1Char('=') + action->shortcut().toString();
    }
    EXPECT_EQ(items.join(QLatin1Char(' ')),
              QStringLiteral("Undo=Ctrl+Z Redo=Ctrl+Y Cut=Ctrl+X Copy=Ctrl+C Paste=Ctrl+V "
                             "Select All=Ctrl+A"));
    EXPECT_TRUE(w.findChild<QAction *>(QStringLiteral("EditRedoCmd"))
                    ->shortcuts()
                    .contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
    QFile manual(QStringLiteral(WORDLOOM_DATA_DIR "/manual.html"));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString listed = QLatin1Char('(') + names.join(QStringLiteral(", ")) + QLatin1Char(')');
    EXPECT_TRUE(QString::fromUtf8(manual.readAll()).simplified().contains(listed))
        << listed.toStdString();
}

TEST_F(MainForm, StartingWithAMissingDocumentOpensNothingQuietly)
{
    StartOptions options;
    options.programDir = m_dir.path();
    options.dialogs = &dialogs;
    options.documentArg = programFile(QStringLiteral("no-such-file.txt"));
    options.speech = &speech;
    TMainForm w(options);
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Untitled - Wordloom"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// Makes directories read-only for the length of a test: by their mode, or
// for root, whom modes do not stop, by the immutable attribute.
class ReadOnlyDirs
{
public:
    explicit ReadOnlyDirs(QStringList dirs)
        : m_dirs(std::move(dirs))
    {
        for (const QString &dir : m_dirs)
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
        if (!writable())
            return;
        QProcess::execute(QStringLiteral("chattr"), QStringList{QStringLiteral("+i")} + m_dirs);
        m_immutable = true;
    }
    ~ReadOnlyDirs()
    {
        if (m_immutable)
            QProcess::execute(QStringLiteral("chattr"), QStringList{QStringLiteral("-i")} + m_dirs);
        for (const QString &dir : m_dirs)
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool writable() const
    {
        for (const QString &dir : m_dirs) {
            QFile probe(QDir(dir).filePath(QStringLiteral("probe")));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                return true;
            }
        }
        return false;
    }

private:
    QStringList m_dirs;
    bool m_immutable = false;
};

TEST_F(MainForm, AReadOnlyProgramDirectoryIsReportedOnceAtClose)
{
    TMainForm &w = open();
    const ReadOnlyDirs readOnly({m_dir.path(), programFile(QStringLiteral("words"))});
    if (readOnly.writable())
        GTEST_SKIP() << "the program directory cannot be made read-only here";
    dialogs.answers.push_back(Dialogs::Answer::No); // the document question
    word(QStringLiteral("or"));
    EXPECT_TRUE(w.close());
    ASSERT_EQ(dialogs.messages.size(), 1) << dialogs.messages.join('\n').toStdString();
    const QString message = dialogs.messages.first();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(m_dir.path())));
    for (const char *file : {"prefs.ini", "nounButtons.txt"})
        EXPECT_TRUE(message.contains(QLatin1String(file))) << file;
}

TEST_F(MainForm, ProgramFolderReadOnlyAtStartKeepsTheSettingsInTheUsersFolders)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    const std::unique_ptr<void, void (*)(void *)> restore(nullptr, [](void *) {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
    });
    const ReadOnlyDirs readOnly({m_dir.path(), programFile(QStringLiteral("words"))});
    if (readOnly.writable())
        GTEST_SKIP() << "the program directory cannot be made read-only here";
    TMainForm &w = open();
    ASSERT_TRUE(w.startupOk()) << dialogs.messages.join('\n').toStdString();
    EXPECT_EQ(w.vocabulary().loadedDir(), QDir(w.locations().dataDir()).filePath("words"));

    dialogs.answers.push_back(Dialogs::Answer::No); // the document question
    w.preferences().setPastTense(true);
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
    QFile prefs(w.locations().configFile(QStringLiteral("prefs.ini")));
    ASSERT_TRUE(prefs.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(prefs.readAll()).split("\r\n").value(54), "true");
    EXPECT_TRUE(QFileInfo::exists(w.locations().configFile(QStringLiteral("view.ini"))));
    EXPECT_FALSE(QFileInfo::exists(programFile(QStringLiteral("view.ini"))));
}

TEST_F(MainForm, CancelAtTheVocabularyQuestionWritesNothingAndStaysOpen)
{
    TMainForm &w = open();
    const QByteArray before = [&] {
        QFile f(programFile(QStringLiteral("prefs.ini")));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    w.vocabulary().markModified(Vocabulary::List::AdjectiveList);
    w.preferences().setPastTense(!w.preferences().values().PastTense);
    dialogs.answers.push_back(Dialogs::Answer::Cancel);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    QFile f(programFile(QStringLiteral("prefs.ini")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

} // namespace
