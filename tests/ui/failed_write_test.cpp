// Writes that fail for real (a file-size limit, a full disk, a read-only
// file): the old file stays byte for byte, the user is told which file and
// why, and nothing in the program forgets what was to be saved.
#include "shell/ui/document.h"
#include "controls/document_editor.h"
#include "vocab/vocabulary.h"
#include "window_fixture.h"

#include <QTextCursor>
#include <csignal>
#include <functional>
#include <map>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Files may grow to `bytes` only while this lives; SIGXFSZ is ignored, so a
// write past the limit fails with EFBIG instead of killing the test.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes)
        : oldHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
    rlimit old{};
    void (*oldHandler)(int);
};

class FailedWrite : public WindowFixture
{
public:
    using WindowFixture::dialogs;
    using WindowFixture::window;

    void SetUp() override
    {
        WindowFixture::SetUp();
        open();
    }

    QByteArray bytes(const QString &rel) const
    {
        QFile f(programFile(rel));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    void put(const QString &rel, const QByteArray &content) const
    {
        QFile f(programFile(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(content), content.size());
    }

    // A document of about 2.7 KB, open and changed in the editor.
    void openChangedDocument(const QString &rel)
    {
        QByteArray text;
        for (int i = 0; text.size() < 2700; ++i)
            text += "Line " + QByteArray::number(i) + " of a poem kept on disk.\n";
        if (rel.endsWith(".rtf"))
            text = "{\\rtf1\\ansi " + text.replace("\n", "\\par\n") + "}";
        put(rel, text);
        ASSERT_TRUE(window->document()->OpenDocument(programFile(rel)));
        window->editor()->textCursor().insertText(QStringLiteral("New words. "));
        ASSERT_TRUE(window->editor()->document()->isModified());
    }

    // No temporary file is left beside the files.
    void expectNoLeftovers(const QString &dir)
    {
        const QStringList left =
            QDir(dir).entryList({QStringLiteral(".*~*")}, QDir::Files | QDir::Hidden);
        EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
    }
};

struct Case
{
    const char *label;
    QStringList files;                      // each must be named and kept
    std::function<void(FailedWrite &)> set; // before the limit
    std::function<bool(FailedWrite &)> act; // under it; false: refused
};

} // namespace

TEST_F(FailedWrite, EveryKindOfFileKeepsItsOldBytesAndIsNamedWhenTheSizeLimitStopsIt)
{
    using List = Vocabulary::List;
    const auto saveDocument = [](FailedWrite &t) { return t.window->document()->FileSave(); };
    const auto closeAnsweringYes = [](FailedWrite &t) {
        t.dialogs.answers = {Dialogs::Answer::Yes};
        return t.window->close();
    };
    const auto change = [](List list, const QStringList &lines) {
        return [list, lines](FailedWrite &t) {
            Vocabulary &v = t.window->vocabulary();
            if (Vocabulary::isVerbTable(list))
                v.verbTable(list).loadLines(v.verbTable(list).toLines() + lines);
            else
                v.wordList(list).addAll(lines);
            v.markModified(list);
        };
    };
    const std::vector<Case> cases = {
        {"text document",
         {"poem.txt"},
         [](FailedWrite &t) { t.openChangedDocument("poem.txt"); },
         saveDocument},
        {"RTF document",
         {"poem.rtf"},
         [](FailedWrite &t) { t.openChangedDocument("poem.rtf"); },
         saveDocument},
        {"word list",
         {"words/adjective.txt"},
         change(List::AdjectiveList, {"cerulean"}),
         closeAnsweringYes},
        {"verb file",
         {"words/verb.txt"},
         change(List::VerbTable, {"stroll", "strolls", "strolling", "strolled", "strolled"}),
         closeAnsweringYes},
        {"settings written on closing",
         {"prefs.ini", "affixes.ini", "view.ini", "words/nounButtons.txt"},
         [](FailedWrite &t) {
             t.put("affixes.ini", "un\r\nre\r\npre\r\nmis\r\ndis\r\n");
             t.put("view.ini", "zoom=150\nhighContrast=1\n");
         },
         closeAnsweringYes},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        open();
        dialogs.messages.clear();
        c.set(*this);
        std::map<QString, QByteArray> before;
        for (const QString &f : c.files)
            before[f] = bytes(f);
        const QString name = window->document()->DocumentName();
        const bool modified = window->editor()->document()->isModified();
        const bool vocabModified = window->vocabulary().VocabModified();
        bool done;
        {
            const FileSizeLimit limit(4);
            done = c.act(*this);
        }
        EXPECT_FALSE(done);
        const QString said = dialogs.messages.join('\n');
        for (const QString &f : c.files) {
            EXPECT_EQ(bytes(f), before[f]) << f.toStdString();
            EXPECT_TRUE(said.contains(programFile(f))) << said.toStdString();
        }
        EXPECT_TRUE(said.contains("larger than this system allows")) << said.toStdString();
        EXPECT_EQ(window->document()->DocumentName(), name);
        EXPECT_EQ(window->editor()->document()->isModified(), modified);
        EXPECT_EQ(window->vocabulary().VocabModified(), vocabModified);
        EXPECT_TRUE(window->isVisible());
        expectNoLeftovers(m_dir.path());
        expectNoLeftovers(programFile("words"));
    }
}

TEST_F(FailedWrite, FullDiskKeepsTheDocumentAndTheSettings)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small disk needs root";
    QTemporaryDir disk;
    const QByteArray at = QFile::encodeName(disk.path());
    if (mount("tmpfs", at.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "tmpfs cannot be mounted here";
    const std::unique_ptr<const char, void (*)(const char *)> unmount(
        at.constData(), [](const char *p) { umount2(p, MNT_DETACH); });
    const QString poem = QDir(disk.path()).filePath("poem.txt");
    {
        QFile f(poem);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(2000, 'a'));
    }
    ASSERT_TRUE(window->document()->OpenDocument(poem));
    window->editor()->textCursor().insertText(QString(8000, QLatin1Char('b')));
    {
        // Whatever room is left is taken.
        QFile filler(QDir(disk.path()).filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    EXPECT_FALSE(window->document()->FileSave());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.at(0),
              QStringLiteral("Cannot write %1: the disk is full.").arg(poem));
    QFile f(poem);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(2000, 'a'));
    EXPECT_TRUE(window->editor()->document()->isModified());
    expectNoLeftovers(disk.path());
}

TEST_F(FailedWrite, ReadOnlyDocumentIsNotReplacedEvenByRoot)
{
    put("poem.txt", "kept as it is");
    ASSERT_TRUE(QFile::setPermissions(programFile("poem.txt"),
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(window->document()->OpenDocument(programFile("poem.txt")));
    window->editor()->textCursor().insertText(QStringLiteral("Changed. "));
    EXPECT_FALSE(window->document()->FileSave());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(
        dialogs.messages.at(0),
        QStringLiteral("Cannot write %1: the file is read-only.").arg(programFile("poem.txt")));
    EXPECT_EQ(bytes("poem.txt"), "kept as it is");
    struct stat st;
    ASSERT_EQ(stat(QFile::encodeName(programFile("poem.txt")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    EXPECT_TRUE(window->editor()->document()->isModified());
}
