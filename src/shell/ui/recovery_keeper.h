#pragma once

#include "shell/recovery/recovery_store.h"

#include <QObject>
#include <QTimer>

class Dialogs;
class Document;
class QStatusBar;
class QTextEdit;
class Vocabulary;

// Keeps recovery copies of the unsaved document and of the word lists
// changed in the program, and offers the copies a crashed run left behind.
// A copy is written a few seconds after the changes stop, and at least every
// half minute while they go on; saving (or giving up) the work removes it,
// and a clean exit removes every copy of the run. Writing never blocks the
// user: a copy that cannot be written is reported once in the status bar and
// tried again later.
class RecoveryKeeper : public QObject
{
    Q_OBJECT
public:
    static constexpr int kQuietDelayMs = 5000;
    static constexpr int kLongestDelayMs = 30000;

    RecoveryKeeper(QTextEdit *editor, Document *document, Vocabulary &vocab, Dialogs &dialogs,
                   QStatusBar *statusBar, const QString &folder = RecoveryStore::defaultFolder(),
                   QObject *parent = nullptr);

    // After the vocabulary is loaded and before a document is opened: asks
    // about each copy left by a run that did not end cleanly. Yes restores
    // it (as modified work, under its old name), No deletes it, Cancel keeps
    // it for the next start. A damaged copy is reported with its path and
    // left as it is.
    void offerRecovery();

    // How long after the last change, and at most after the first, a copy
    // is written.
    void setDelays(int quietMs, int longestMs);
    // Writes whatever is waiting now.
    void writePending();

    const RecoveryStore &store() const { return m_store; }

private:
    void changed(bool document);
    bool writeDocument(QString *error);
    bool writeWordLists(QString *error);
    bool recoverDocument(const RecoveryStore::Abandoned &copy, const RecoveryStore::Record &record);
    bool recoverWordLists(const RecoveryStore::Abandoned &copy,
                          const RecoveryStore::Record &record);
    // Writes this run's copy of what was just recovered; false when it
    // could not be made yet (it is retried like any other).
    bool keepOwnCopy(bool document);

    QTextEdit *m_editor;
    Document *m_document;
    Vocabulary &m_vocab;
    Dialogs &m_dialogs;
    QStatusBar *m_statusBar;
    RecoveryStore m_store;
    QTimer m_quiet;
    QTimer m_longest;
    bool m_documentDirty = false;
    bool m_listsDirty = false;
    QString m_failureShown;
};
