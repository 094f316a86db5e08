#include "shell/ui/recovery_keeper.h"

#include "compose/dialogs.h"
#include "shell/recovery/document_snapshot.h"
#include "shell/recovery/vocabulary_snapshot.h"
#include "shell/ui/document.h"
#include "vocab/vocabulary.h"

#include <QDir>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

using Kind = RecoveryStore::Kind;

const QString kFolderField = QStringLiteral("folder");

// Long enough to be read, short enough to give the caret position back.
constexpr int kStatusMessageMs = 15000;

QString samePath(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

} // namespace

RecoveryKeeper::RecoveryKeeper(QTextEdit *editor, Document *document, Vocabulary &vocab,
                               Dialogs &dialogs, QStatusBar *statusBar, const QString &folder,
                               QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_document(document)
    , m_vocab(vocab)
    , m_dialogs(dialogs)
    , m_statusBar(statusBar)
    , m_store(folder)
{
    m_quiet.setSingleShot(true);
    m_longest.setSingleShot(true);
    setDelays(kQuietDelayMs, kLongestDelayMs);
    connect(&m_quiet, &QTimer::timeout, this, &RecoveryKeeper::writePending);
    connect(&m_longest, &QTimer::timeout, this, &RecoveryKeeper::writePending);
    QTextDocument *doc = m_editor->document();
    connect(doc, &QTextDocument::contentsChanged, this, [this] { changed(true); });
    // Saved, or the changes given up (New, Open, undone): nothing to keep.
    connect(doc, &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (modified)
            return;
        m_documentDirty = false;
        m_store.remove(Kind::Document);
    });
    connect(&m_vocab, &Vocabulary::listChanged, this, [this] { changed(false); });
}

void RecoveryKeeper::setDelays(int quietMs, int longestMs)
{
    m_quiet.setInterval(quietMs);
    m_longest.setInterval(longestMs);
}

void RecoveryKeeper::changed(bool document)
{
    (document ? m_documentDirty : m_listsDirty) = true;
    m_quiet.start();
    if (!m_longest.isActive())
        m_longest.start();
}

bool RecoveryKeeper::writeDocument(QString *error)
{
    const QTextDocument &doc = *m_editor->document();
    if (!doc.isModified()) {
        m_store.remove(Kind::Document);
        return true;
    }
    const DocumentSnapshot::Info info{m_document->DocumentName(), m_document->plainTextFormat(),
                                      m_editor->textCursor().position()};
    return m_store.write(Kind::Document, DocumentSnapshot::capture(doc, info), error);
}

bool RecoveryKeeper::writeWordLists(QString *error)
{
    if (!m_vocab.VocabModified())
        return true;
    RecoveryStore::Record record;
    record.fields.insert(kFolderField, m_vocab.loadedDir());
    record.body = VocabularySnapshot::capture(m_vocab);
    return m_store.write(Kind::WordLists, record, error);
}

void RecoveryKeeper::writePending()
{
    m_quiet.stop();
    m_longest.stop();
    QString error;
    if (m_documentDirty && writeDocument(&error))
        m_documentDirty = false;
    if (m_listsDirty && writeWordLists(&error))
        m_listsDirty = false;
    if (!m_documentDirty && !m_listsDirty) {
        if (!m_failureShown.isEmpty() && m_statusBar->currentMessage() == m_failureShown)
            m_statusBar->clearMessage();
        m_failureShown.clear();
        return;
    }
    // Typing goes on; the copy is tried again later, and the user is told
    // once, not at every attempt.
    m_longest.start();
    if (!m_failureShown.isEmpty())
        return;
    // The cause first: a long folder name is what the status bar cuts off.
    QString folder = QDir::toNativeSeparators(m_store.folder());
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (folder.startsWith(home + QDir::separator()))
        folder.replace(0, home.size(), QStringLiteral("~"));
    m_failureShown = tr("Recovery copy not written: %1 (%2). Retrying.").arg(error, folder);
    m_statusBar->showMessage(m_failureShown, kStatusMessageMs);
}

bool RecoveryKeeper::recoverDocument(const RecoveryStore::Abandoned &copy,
                                     const RecoveryStore::Record &record)
{
    QTextDocument *doc = m_editor->document();
    DocumentSnapshot::Info info;
    QString error;
    if (!DocumentSnapshot::restore(record, doc, &info, &error)) {
        m_dialogs.message(tr("The recovery copy %1 could not be read (%2); it is left as it is.")
                              .arg(QDir::toNativeSeparators(copy.path), error));
        doc->setModified(false);
        return false;
    }
    // As after opening a file, the recovered text is not something to undo.
    doc->clearUndoRedoStacks();
    m_document->SetFileName(info.name);
    // Since the crash, another program or another copy of Wordloom may
    // have written newer text to the file.
    m_document->askBeforeOverwriting();
    m_document->setPlainTextFormat(info.plainFormat);
    QTextCursor caret(doc);
    caret.setPosition(info.caret);
    m_editor->setTextCursor(caret);
    doc->setModified(true);
    // The text is this run's work now: its own copy is made at once, and
    // only then is the old one let go.
    return keepOwnCopy(true);
}

bool RecoveryKeeper::recoverWordLists(const RecoveryStore::Abandoned &copy,
                                      const RecoveryStore::Record &record)
{
    QString error;
    if (!VocabularySnapshot::restore(record.body, m_vocab, &error)) {
        m_dialogs.message(tr("The recovery copy %1 could not be read (%2); it is left as it is.")
                              .arg(QDir::toNativeSeparators(copy.path), error));
        return false;
    }
    return keepOwnCopy(false);
}

bool RecoveryKeeper::keepOwnCopy(bool document)
{
    bool &dirty = document ? m_documentDirty : m_listsDirty;
    dirty = true;
    writePending();
    return !dirty;
}

void RecoveryKeeper::offerRecovery()
{
    bool documentRecovered = false;
    for (const RecoveryStore::Abandoned &copy : m_store.takeOverAbandoned()) {
        RecoveryStore::Record record;
        QString error;
        if (!RecoveryStore::read(copy.path, &record, &error)) {
            m_dialogs.message(tr("The recovery copy %1 is damaged (%2); it is left as it is.")
                                  .arg(QDir::toNativeSeparators(copy.path), error));
            continue;
        }
        // One document at a time: another crashed run's text waits for the
        // next start rather than replacing the one just recovered.
        if (copy.kind == Kind::Document && documentRecovered)
            continue;
        // Lists of another vocabulary folder are kept until that folder is
        // the one loaded: saving them here would write over other files.
        if (copy.kind == Kind::WordLists &&
            samePath(record.fields.value(kFolderField)) != samePath(m_vocab.loadedDir()))
            continue;
        const QString question =
            copy.kind == Kind::Document
                ? tr("Wordloom was not closed properly. Recover the unsaved text of %1?")
                      .arg(DocumentSnapshot::nameOf(record))
                : tr("Recover your unsaved changes to the word lists?");
        switch (m_dialogs.question(question)) {
        case Dialogs::Answer::Yes: {
            const bool recovered = copy.kind == Kind::Document ? recoverDocument(copy, record)
                                                               : recoverWordLists(copy, record);
            if (recovered)
                m_store.discard(copy);
            // Even when its own copy could not be made yet, recovered text
            // in the editor is not replaced by another.
            documentRecovered = documentRecovered ||
                                (copy.kind == Kind::Document && m_editor->document()->isModified());
            break;
        }
        case Dialogs::Answer::No:
            m_store.discard(copy);
            break;
        case Dialogs::Answer::Cancel:
            break;
        }
    }
    m_store.releaseAbandoned();
}
