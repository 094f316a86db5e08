#include "../engine/fake_dialogs.h"
#include "shell/ui/document.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

// Remembers what the file dialogs were asked with; the open dialog can
// answer with its read-only box ticked.
class RecordingDialogs : public FakeDialogs
{
public:
    struct Call
    {
        QString filters;
        int filterIndex = -1;
        QString defaultSuffix;
        QString dir;
    };
    QList<Call> calls;
    bool tickReadOnly = false;

    std::optional<OpenChoice> openDocument(const QString &title, const QString &dir,
                                           const QString &filters, int filterIndex) override
    {
        calls.append({filters, filterIndex, QString(), dir});
        const auto path = openFile(title, dir, filters, filterIndex);
        if (!path)
            return std::nullopt;
        return OpenChoice{*path, tickReadOnly};
    }

    std::optional<QString> saveFile(const QString &title, const QString &dir,
                                    const QString &filters, int filterIndex,
                                    const QString &defaultSuffix) override
    {
        calls.append({filters, filterIndex, defaultSuffix, dir});
        return FakeDialogs::saveFile(title, dir, filters, filterIndex, defaultSuffix);
    }
};

class DocumentTest : public testing::Test
{
protected:
    DocumentTest() { QApplication::setApplicationName(QStringLiteral("Wordloom")); }

    QString path(const QString &name) const { return dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray read(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    void typeText(const QString &text)
    {
        QTextCursor c = editor.textCursor();
        c.insertText(text);
        editor.setTextCursor(c);
    }

    QTemporaryDir dir;
    QTextEdit editor;
    RecordingDialogs dialogs;
    Document document{&editor, &dialogs};
};

} // namespace

TEST_F(DocumentTest, SaveOnAnUntitledDocumentGoesToSaveAs)
{
    QSignalSpy names(&document, &Document::fileNameChanged);
    typeText(QStringLiteral("A poem"));
    ASSERT_TRUE(editor.document()->isModified());
    dialogs.files.push_back(path("poem.rtf"));

    EXPECT_TRUE(document.FileSave());
    EXPECT_EQ(document.DocumentName(), path("poem.rtf"));
    EXPECT_EQ(document.caption(), QStringLiteral("poem.rtf - Wordloom"));
    EXPECT_EQ(names.count(), 1);
    EXPECT_FALSE(editor.document()->isModified());
    EXPECT_TRUE(read("poem.rtf").startsWith("{\\rtf1"));
    EXPECT_TRUE(dialogs.unexpected.isEmpty());

    // The second save writes to the same file without asking.
    typeText(QStringLiteral(" again"));
    EXPECT_TRUE(document.FileSave());
    EXPECT_EQ(dialogs.calls.size(), 1);
    EXPECT_TRUE(read("poem.rtf").contains("A poem again"));
}

// Someone working by switch cannot type a name: the document goes to a new
// file named from the date, never over one that is there.
TEST_F(DocumentTest, ASaveWithoutAskingGoesToANewDatedFile)
{
    document.saveDir = dir.path();
    document.saveUnasked = [] { return true; };
    QSignalSpy saved(&document, &Document::savedUnasked);
    typeText(QStringLiteral("A poem"));
    EXPECT_TRUE(document.FileSave());
    ASSERT_EQ(saved.size(), 1);
    const QString name = QFileInfo(saved.first().first().toString()).fileName();
    EXPECT_TRUE(name.startsWith(QStringLiteral("Wordloom 2"))) << name.toStdString();
    EXPECT_TRUE(read(name).contains("A poem"));
    EXPECT_EQ(document.DocumentName(), path(name));
    EXPECT_TRUE(dialogs.calls.isEmpty());

    const QDateTime when(QDate(2026, 12, 7), QTime(9, 30));
    write(QStringLiteral("Wordloom 2026-12-07 09-30.rtf"), "taken");
    EXPECT_EQ(Document::datedName(dir.path(), QStringLiteral("rtf"), when),
              path(QStringLiteral("Wordloom 2026-12-07 09-30 (2).rtf")));
}

TEST_F(DocumentTest, DialogsOfferBothFiltersChosenByTheMode)
{
    dialogs.files = {std::nullopt, std::nullopt, std::nullopt};
    document.FileSaveAs();
    document.setPlainText(true);
    document.FileSaveAs();
    document.FileOpen();
    ASSERT_EQ(dialogs.calls.size(), 3);
    const QString both = QStringLiteral("Rich Text Files (*.rtf);;Text Files (*.txt)");
    EXPECT_EQ(dialogs.calls[0].filters, both);
    EXPECT_EQ(dialogs.calls[0].filterIndex, 0);
    EXPECT_EQ(dialogs.calls[0].defaultSuffix, QStringLiteral("rtf"));
    EXPECT_EQ(dialogs.calls[1].filterIndex, 1);
    EXPECT_EQ(dialogs.calls[1].defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(dialogs.calls[2].filters, both);
    EXPECT_EQ(dialogs.calls[2].filterIndex, 1);
}

TEST_F(DocumentTest, DialogsStartInTheDocumentsFolderWhileTheConfiguredOneIsMissing)
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(documents).exists())
        documents = QDir::homePath();
    dialogs.files = {std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    document.openDir = path("txt");
    document.saveDir = path("txt");
    document.FileOpen();
    document.FileSaveAs();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("txt")));
    document.FileOpen();
    document.FileSaveAs();
    ASSERT_EQ(dialogs.calls.size(), 4);
    EXPECT_EQ(dialogs.calls[0].dir, documents);
    EXPECT_EQ(dialogs.calls[1].dir, documents);
    EXPECT_EQ(dialogs.calls[2].dir, path("txt"));
    EXPECT_EQ(dialogs.calls[3].dir, path("txt"));
}

TEST_F(DocumentTest, CancelAtSaveChangesAbortsNewAndOpen)
{
    typeText(QStringLiteral("unsaved"));
    dialogs.answers = {Dialogs::Answer::Cancel, Dialogs::Answer::Cancel};
    bool reset = false;
    QObject::connect(&document, &Document::newDocument, [&] { reset = true; });

    EXPECT_FALSE(document.FileNew());
    EXPECT_FALSE(document.FileOpen());
    EXPECT_EQ(dialogs.questions, QStringList({QStringLiteral("Save changes to Untitled?"),
                                              QStringLiteral("Save changes to Untitled?")}));
    EXPECT_TRUE(dialogs.calls.isEmpty()); // no open dialog after Cancel
    EXPECT_FALSE(reset);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("unsaved"));
    EXPECT_TRUE(editor.document()->isModified());
    EXPECT_TRUE(dialogs.unexpected.isEmpty());
}

TEST_F(DocumentTest, NoDiscardsAndYesSavesBeforeNew)
{
    typeText(QStringLiteral("draft"));
    dialogs.answers = {Dialogs::Answer::No};
    bool reset = false;
    QObject::connect(&document, &Document::newDocument, [&] { reset = true; });
    EXPECT_TRUE(document.FileNew());
    EXPECT_TRUE(reset);
    EXPECT_TRUE(editor.toPlainText().isEmpty());
    EXPECT_FALSE(editor.document()->isModified());

    typeText(QStringLiteral("keeper"));
    dialogs.answers = {Dialogs::Answer::Yes};
    dialogs.files.push_back(path("keeper.txt"));
    EXPECT_TRUE(document.FileNew());
    EXPECT_EQ(read("keeper.txt"), QByteArray("keeper"));
    EXPECT_EQ(document.DocumentName(), Document::untitled());

    // Yes whose Save As is cancelled must not go on to clear the text.
    typeText(QStringLiteral("precious"));
    dialogs.answers = {Dialogs::Answer::Yes};
    dialogs.files.push_back(std::nullopt);
    EXPECT_FALSE(document.FileNew());
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("precious"));
    EXPECT_TRUE(dialogs.unexpected.isEmpty());
}

TEST_F(DocumentTest, AnythingButYesAtOverwriteLeavesFileAndName)
{
    write("taken.txt", "old");
    typeText(QStringLiteral("new"));
    for (Dialogs::Answer answer : {Dialogs::Answer::No, Dialogs::Answer::Cancel}) {
        dialogs.files.push_back(path("taken.txt"));
        dialogs.answers.push_back(answer);
        EXPECT_FALSE(document.FileSaveAs());
        EXPECT_EQ(read("taken.txt"), QByteArray("old"));
        EXPECT_EQ(document.DocumentName(), Document::untitled());
        EXPECT_TRUE(editor.document()->isModified());
    }
    EXPECT_EQ(dialogs.questions.last(),
              QStringLiteral("OK to overwrite %1").arg(path("taken.txt")));

    dialogs.files.push_back(path("taken.txt"));
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    EXPECT_TRUE(document.FileSaveAs());
    EXPECT_EQ(read("taken.txt"), QByteArray("new"));
}

// A save that fails must not let New go on to clear the text.
TEST_F(DocumentTest, FailedSaveStopsNewAndLosesNothing)
{
    write("poem.txt", "first");
    ASSERT_TRUE(document.OpenDocument(path("poem.txt")));
    typeText(QStringLiteral("second "));
    // The file's place became a directory: no write succeeds there.
    QFile::remove(path("poem.txt"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("poem.txt")));
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    EXPECT_FALSE(document.FileNew());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("poem.txt")));
    EXPECT_EQ(document.DocumentName(), path("poem.txt"));
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("second first"));
    EXPECT_TRUE(editor.document()->isModified());
}

TEST_F(DocumentTest, ReadOnlyBoxDecidesTheEditorsState)
{
    write("a.txt", "a");
    dialogs.tickReadOnly = true;
    dialogs.files.push_back(path("a.txt"));
    ASSERT_TRUE(document.FileOpen());
    EXPECT_TRUE(editor.isReadOnly());
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("a"));

    dialogs.tickReadOnly = false;
    dialogs.files.push_back(path("a.txt"));
    ASSERT_TRUE(document.FileOpen());
    EXPECT_FALSE(editor.isReadOnly());

    dialogs.tickReadOnly = true;
    dialogs.files.push_back(path("a.txt"));
    ASSERT_TRUE(document.FileOpen());
    // A new document can be written in.
    ASSERT_TRUE(document.FileNew());
    EXPECT_FALSE(editor.isReadOnly());
}

TEST_F(DocumentTest, FilesWithoutAKnownSuffixAreReadByContentAndWrittenByMode)
{
    write("letter", "{\\rtf1\\ansi {\\b Dear} friend\\par}");
    write("notes", "{ not rtf");
    EXPECT_TRUE(document.readsAsRichText(path("letter")));
    EXPECT_FALSE(document.readsAsRichText(path("notes")));
    EXPECT_TRUE(document.readsAsRichText(path("x.RTF")));
    EXPECT_FALSE(document.readsAsRichText(path("letter.txt")));

    ASSERT_TRUE(document.OpenDocument(path("letter")));
    EXPECT_EQ(editor.toPlainText().trimmed(), QStringLiteral("Dear friend"));
    ASSERT_TRUE(document.FileSave());
    EXPECT_TRUE(read("letter").startsWith("{\\rtf1"));

    document.setPlainText(true);
    EXPECT_FALSE(document.writesAsRichText(path("letter")));
    EXPECT_TRUE(document.writesAsRichText(path("letter.rtf")));
    document.setPlainText(false);
    EXPECT_TRUE(document.writesAsRichText(path("letter")));
    EXPECT_FALSE(document.writesAsRichText(path("letter.txt")));
}

TEST_F(DocumentTest, OpenedPlainTextIsSavedBackTheWayItCame)
{
    write("old.txt", "caf\xE9\r\nend\r\n");
    ASSERT_TRUE(document.OpenDocument(path("old.txt")));
    EXPECT_FALSE(editor.document()->isModified());
    typeText(QStringLiteral(">"));
    ASSERT_TRUE(document.FileSave());
    EXPECT_EQ(read("old.txt"), QByteArray(">caf\xE9\r\nend\r\n"));

    // After New, a plain-text file is UTF-8 again.
    ASSERT_TRUE(document.FileNew());
    typeText(QString::fromUtf8("é"));
    dialogs.files.push_back(path("fresh.txt"));
    ASSERT_TRUE(document.FileSave());
    EXPECT_EQ(read("fresh.txt"), QByteArray("\xC3\xA9"));
}
