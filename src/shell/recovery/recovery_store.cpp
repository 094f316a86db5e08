#include "shell/recovery/recovery_store.h"

#include "files/atomic_file_writer.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>

namespace {

const QByteArray kMagic = QByteArrayLiteral("Wordloom recovery 1");

// Copies are read whole; a document at the size limit makes far less than
// this, so anything bigger is not one of ours.
constexpr qint64 kLargestCopy = 512LL * 1024 * 1024;

QString suffix(RecoveryStore::Kind kind)
{
    return kind == RecoveryStore::Kind::Document ? QStringLiteral(".document")
                                                 : QStringLiteral(".wordlists");
}

QByteArray checksum(const QByteArray &body)
{
    return QCryptographicHash::hash(body, QCryptographicHash::Md5).toHex();
}

} // namespace

QByteArray RecoveryStore::escapeLine(const QString &value)
{
    QByteArray out;
    const QByteArray utf8 = value.toUtf8();
    out.reserve(utf8.size());
    for (const char c : utf8) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

QString RecoveryStore::unescapeLine(const QByteArray &value)
{
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value.at(i);
        if (c != '\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const char n = value.at(++i);
        out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
    }
    return QString::fromUtf8(out);
}

namespace {

std::unique_ptr<QLockFile> makeLock(const QString &folder, const QString &run)
{
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(run + QStringLiteral(".lock")));
    // A run may last for days: only a dead process or a restart makes its
    // lock stale, never its age.
    lock->setStaleLockTime(0);
    return lock;
}

// A dead run's lock, taken; null while its run is alive. A lock file that
// names no process (a power cut before it reached the disk leaves it empty)
// cannot be proved alive: once it is older than writing a lock takes, it is
// stale too.
std::unique_ptr<QLockFile> takeDeadLock(const QString &folder, const QString &run)
{
    auto lock = makeLock(folder, run);
    if (lock->tryLock(0))
        return lock;
    constexpr qint64 kWritingALockSecs = 10;
    qint64 pid = 0;
    QString host;
    QString app;
    const QFileInfo file(lock->fileName());
    if (lock->error() == QLockFile::LockFailedError && !lock->getLockInfo(&pid, &host, &app) &&
        file.lastModified().secsTo(QDateTime::currentDateTime()) > kWritingALockSecs &&
        lock->removeStaleLockFile() && lock->tryLock(0))
        return lock;
    return nullptr;
}

} // namespace

RecoveryStore::RecoveryStore(const QString &folder)
    : m_folder(folder)
{}

RecoveryStore::~RecoveryStore()
{
    remove(Kind::Document);
    remove(Kind::WordLists);
    if (m_lock)
        m_lock->unlock();
    releaseAbandoned();
}

QString RecoveryStore::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

QString RecoveryStore::path(Kind kind) const
{
    if (m_run.isEmpty())
        return {};
    return QDir(m_folder).filePath(m_run + suffix(kind));
}

bool RecoveryStore::lockRun(QString *error)
{
    if (m_lock)
        return true;
    const bool made = !QFileInfo::exists(m_folder);
    if (!QDir().mkpath(m_folder)) {
        const QFileInfo info(m_folder);
        *error = QStringLiteral("the folder %1 cannot be made")
                     .arg(QDir::toNativeSeparators(info.exists() ? m_folder : info.absolutePath()));
        return false;
    }
    // Unsaved text is as private as the user's documents: a folder made
    // here is the user's alone.
    if (made)
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString base = QStringLiteral("%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QDateTime::currentMSecsSinceEpoch(), 0, 36);
    for (int attempt = 0; attempt < 10; ++attempt) {
        const QString run =
            attempt == 0 ? base : base + QLatin1Char('-') + QString::number(attempt);
        // A name some earlier run left files under is not taken.
        if (QFileInfo::exists(QDir(m_folder).filePath(run + suffix(Kind::Document))) ||
            QFileInfo::exists(QDir(m_folder).filePath(run + suffix(Kind::WordLists))))
            continue;
        auto lock = makeLock(m_folder, run);
        errno = 0;
        if (lock->tryLock(0)) {
            m_run = run;
            m_lock = std::move(lock);
            return true;
        }
        // Taken by a run of the same name is the one failure worth another
        // name; any other is the folder's, and the failed creation of the
        // lock file left its cause in errno.
        const int cause = errno;
        if (lock->error() != QLockFile::LockFailedError) {
            *error = AtomicFileWriter::reasonFor(
                lock->error() == QLockFile::PermissionError || cause == 0 ? EACCES : cause);
            return false;
        }
    }
    *error = QStringLiteral("no lock could be taken in %1").arg(QDir::toNativeSeparators(m_folder));
    return false;
}

QByteArray RecoveryStore::encode(const Record &record)
{
    QByteArray out = kMagic + '\n';
    for (auto it = record.fields.cbegin(); it != record.fields.cend(); ++it)
        out += it.key().toUtf8() + '=' + escapeLine(it.value()) + '\n';
    out += "size=" + QByteArray::number(record.body.size()) + '\n';
    out += "md5=" + checksum(record.body) + "\n\n";
    return out;
}

bool RecoveryStore::write(Kind kind, const Record &record, QString *error)
{
    if (!lockRun(error))
        return false;
    // The header and the body go out as two writes, so a large body is not
    // copied once more only to be joined to a few lines.
    AtomicFileWriter file(path(kind));
    const QByteArray header = encode(record);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(header) == header.size() &&
                    file.write(record.body) == record.body.size() && file.commit();
    if (!ok) {
        *error = file.reason();
        return false;
    }
    m_has[kind] = true;
    return true;
}

void RecoveryStore::remove(Kind kind)
{
    if (!m_has.at(kind))
        return;
    QFile::remove(path(kind));
    m_has[kind] = false;
}

QList<RecoveryStore::Abandoned> RecoveryStore::takeOverAbandoned()
{
    const QDir dir(m_folder);
    QList<Abandoned> found;
    // The runs that have copies: a lock alone is a run that has written
    // nothing yet.
    const QFileInfoList entries =
        dir.entryInfoList({QStringLiteral("*.document"), QStringLiteral("*.wordlists")},
                          QDir::Files | QDir::System, QDir::Time | QDir::Reversed);
    for (const QFileInfo &entry : entries) {
        const QString run = entry.completeBaseName();
        if (run == m_run)
            continue;
        if (m_adopted.find(run) == m_adopted.end()) {
            auto lock = takeDeadLock(m_folder, run);
            if (!lock)
                continue; // alive, or not ours to take
            m_adopted.emplace(run, std::move(lock));
        }
        const Kind kind =
            entry.fileName().endsWith(suffix(Kind::Document)) ? Kind::Document : Kind::WordLists;
        found.append({run, kind, entry.absoluteFilePath()});
    }
    // The lock of a dead run with no copies (it had saved its work, or had
    // written nothing yet) has nothing to offer; it would only pile up.
    const QStringList locks = dir.entryList({QStringLiteral("*.lock")}, QDir::Files);
    for (const QString &name : locks) {
        const QString run = QFileInfo(name).completeBaseName();
        if (run != m_run && m_adopted.find(run) == m_adopted.end())
            if (auto lock = takeDeadLock(m_folder, run))
                lock->unlock();
    }
    std::stable_partition(found.begin(), found.end(),
                          [](const Abandoned &a) { return a.kind == Kind::Document; });
    return found;
}

bool RecoveryStore::read(const QString &path, Record *record, QString *error)
{
    const QFileInfo info(path);
    // A pipe or a device named like a copy would block or never end.
    if (!info.isFile()) {
        *error = QStringLiteral("it is not a regular file");
        return false;
    }
    if (info.size() > kLargestCopy) {
        *error = QStringLiteral("it is too large to be a recovery copy");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    const qsizetype end = bytes.indexOf("\n\n");
    if (!bytes.startsWith(kMagic + '\n') || end < 0) {
        *error = QStringLiteral("it is not a whole recovery copy");
        return false;
    }
    Record out;
    qint64 size = -1;
    QByteArray sum;
    const QList<QByteArray> lines =
        bytes.mid(kMagic.size() + 1, end - kMagic.size() - 1).split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0) {
            *error = QStringLiteral("its header is damaged");
            return false;
        }
        const QByteArray key = line.left(eq);
        if (key == "size")
            size = line.mid(eq + 1).toLongLong();
        else if (key == "md5")
            sum = line.mid(eq + 1);
        else
            out.fields.insert(QString::fromUtf8(key), unescapeLine(line.mid(eq + 1)));
    }
    out.body = bytes.mid(end + 2);
    if (size != out.body.size()) {
        *error = QStringLiteral("it is cut short");
        return false;
    }
    if (sum != checksum(out.body)) {
        *error = QStringLiteral("its content does not match its checksum");
        return false;
    }
    *record = std::move(out);
    return true;
}

void RecoveryStore::discard(const Abandoned &copy)
{
    QFile::remove(copy.path);
}

void RecoveryStore::releaseRun(const QString &run, QLockFile *lock)
{
    const QDir dir(m_folder);
    // A write cut off by the crash leaves its hidden temporary file behind.
    const QStringList temporaries = dir.entryList({QLatin1Char('.') + run + QStringLiteral(".*")},
                                                  QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : temporaries)
        QFile::remove(dir.filePath(name));
    lock->unlock();
}

void RecoveryStore::releaseAbandoned()
{
    for (auto &[run, lock] : m_adopted)
        releaseRun(run, lock.get());
    m_adopted.clear();
}
