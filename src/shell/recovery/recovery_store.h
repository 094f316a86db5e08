#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <map>
#include <memory>

class QLockFile;

// Recovery copies of unsaved work in one folder, so that a crash, a kill or
// a power cut loses only the last few seconds of it.
//
// Each running copy of the program is one run: its files are named after
// the run ("<run>.document", "<run>.wordlists") and a lock file
// ("<run>.lock") says that the run is alive. A run's copies are offered to
// a later start only when its lock is stale (its process is gone, or the
// machine was restarted) or missing, so two copies of the program never
// offer or delete each other's work. Every copy is written through the
// checked atomic writer and carries its size and checksum, so a damaged one
// is known as damaged rather than read as text.
class RecoveryStore
{
public:
    enum class Kind { Document, WordLists };

    // One copy: named one-line fields and the content.
    struct Record
    {
        QMap<QString, QString> fields;
        QByteArray body;
    };

    // A copy left by a run that did not end cleanly. The store holds that
    // run's lock until releaseAbandoned(), so no other start offers it too.
    struct Abandoned
    {
        QString run;
        Kind kind;
        QString path;
    };

    // Nothing is made on disk until the first write.
    explicit RecoveryStore(const QString &folder);
    // A clean end: this run's copies and its lock go; copies taken over and
    // kept (Cancel, damaged) stay for the next start.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    // "recovery" in the user's data folder.
    static QString defaultFolder();
    const QString &folder() const { return m_folder; }
    // This run's file of that kind (it may not exist).
    QString path(Kind kind) const;
    bool has(Kind kind) const { return m_has.at(kind); }

    // Replaces this run's copy of that kind; false with *error (a phrase,
    // "the disk is full") when it could not be written.
    bool write(Kind kind, const Record &record, QString *error);
    // The work is saved or given up: its copy goes.
    void remove(Kind kind);

    // The copies of every run whose lock is stale or missing, documents
    // first, oldest run first.
    QList<Abandoned> takeOverAbandoned();
    // False with *error (a phrase) when the file is not a whole copy.
    static bool read(const QString &path, Record *record, QString *error);
    // Deletes a copy taken over.
    void discard(const Abandoned &copy);
    // Lets go of the runs taken over; what is left of them is offered at the
    // next start.
    void releaseAbandoned();

    // The header of a copy as written to disk, before its body.
    static QByteArray encode(const Record &record);
    // A text on one line: backslash, line feed and carriage return escaped.
    static QByteArray escapeLine(const QString &text);
    static QString unescapeLine(const QByteArray &line);

private:
    bool lockRun(QString *error);
    void releaseRun(const QString &run, QLockFile *lock);

    QString m_folder;
    QString m_run;
    std::unique_ptr<QLockFile> m_lock;
    std::map<QString, std::unique_ptr<QLockFile>> m_adopted;
    std::map<Kind, bool> m_has{{Kind::Document, false}, {Kind::WordLists, false}};
};
