#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Replaces a file only once its whole new content is safely on disk: the
// bytes go to a temporary file beside it, every write, the final flush, the
// sync and the close are checked, and only then is the temporary renamed
// over the file. On any failure the old file stays byte for byte, the
// temporary is removed and reason() says why in plain words ("the disk is
// full").
//
// QSaveFile is not used: it can report success after its final flush
// failed, its temporary name is longer than the file's (so a name near the
// file system's limit cannot be saved), and as root it silently replaces a
// read-only file with a writable one. This writer refuses a read-only file,
// a folder or any other non-regular file, and keeps the replaced file's mode
// and owner.
//
// A save killed half way leaves its hidden temporary behind. Each open
// removes such leftovers of the same file: every writer holds a lock on its
// temporary while it writes, so a temporary nobody holds is known dead.
class AtomicFileWriter : public QIODevice
{
public:
    explicit AtomicFileWriter(const QString &path);
    ~AtomicFileWriter() override;

    // A read-only file (or one of another owner) in a folder the program
    // may write in is replaced by a writable one of the program's user,
    // instead of being refused. For the program's own settings, which a
    // start as another user or a copy from read-only media leaves
    // unwritable; never for documents, where read-only is the user's word.
    void setReplaceReadOnly(bool on) { m_replaceReadOnly = on; }

    // Only QIODevice::WriteOnly: checks the target and creates the
    // temporary file.
    bool open(OpenMode mode) override;
    bool isSequential() const override { return true; }
    // The new content replaces the file; false (and the old file kept) when
    // anything failed since open().
    bool commit();
    // Drops what was written; the file stays as it was.
    void cancel();

    QString path() const { return m_path; }
    // Why the last step failed, as a phrase: "the disk is full".
    QString reason() const { return m_reason; }

    // The whole of bytes as the file's new content; *reason as above.
    static bool writeFile(const QString &path, const QByteArray &bytes, QString *reason,
                          bool replaceReadOnly = false);
    // A plain phrase for an errno value.
    static QString reasonFor(int error);

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool fail(int error);
    bool fail(const QString &reason);
    bool flushBuffer();
    void discard();

    QString m_path;
    QByteArray m_target; // the file replaced, links resolved, local encoding
    QByteArray m_temp;
    QByteArray m_buffer;
    QString m_reason;
    int m_fd = -1;
    bool m_failed = false;
    bool m_replaces = false;
    bool m_replaceReadOnly = false;
    unsigned m_mode = 0;
    unsigned m_owner = 0;
    unsigned m_group = 0;
    qint64 m_written = 0;
};
