#include "atomic_file_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes are gathered into blocks of this size: callers such as the RTF
// writer hand over many small pieces.
constexpr qsizetype kBlock = 256 * 1024;

// The temporary files of a target all start with this: hidden, beside the
// target, and never longer than the file system allows with the suffix,
// whatever the length of the target's name.
constexpr int kRandomLetters = 8;
constexpr int kSuffixLength = 2 + kRandomLetters; // ".~" and the letters
const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";

QByteArray temporaryPrefix(const QByteArray &dir, const QByteArray &name)
{
    long max = ::pathconf(dir.isEmpty() ? "." : dir.constData(), _PC_NAME_MAX);
    if (max <= 0)
        max = 255;
    QString base = QFile::decodeName(name);
    QByteArray out;
    for (;;) {
        out = "." + QFile::encodeName(base);
        if (out.size() + kSuffixLength <= max || base.isEmpty())
            break;
        base.chop(base.size() > 1 && base.at(base.size() - 1).isLowSurrogate() ? 2 : 1);
    }
    return out;
}

QByteArray temporaryName(const QByteArray &dir, const QByteArray &prefix)
{
    QByteArray suffix = ".~";
    for (int i = 0; i < kRandomLetters; ++i)
        suffix.append(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
    return dir.isEmpty() ? prefix + suffix : dir + '/' + prefix + suffix;
}

// Whether entry is one of the temporaries named from prefix.
bool isTemporaryOf(const char *entry, const QByteArray &prefix)
{
    const QByteArray name(entry);
    if (name.size() != prefix.size() + kSuffixLength || !name.startsWith(prefix) ||
        name.mid(prefix.size(), 2) != ".~")
        return false;
    for (const char c : name.right(kRandomLetters))
        if ((c < 'a' || c > 'z') && (c < '0' || c > '9'))
            return false;
    return true;
}

// Removes the temporaries of earlier saves that died before their rename.
void removeStaleTemporaries(const QByteArray &dir, const QByteArray &prefix)
{
    DIR *entries = ::opendir(dir.isEmpty() ? "." : dir.constData());
    if (!entries)
        return;
    while (const dirent *entry = ::readdir(entries)) {
        if (!isTemporaryOf(entry->d_name, prefix))
            continue;
        const QByteArray path =
            dir.isEmpty() ? QByteArray(entry->d_name) : dir + '/' + QByteArray(entry->d_name);
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st;
        // Only a regular file nobody holds: a live save of the same file in
        // another window keeps its lock.
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
    ::closedir(entries);
}

bool writeAll(int fd, const char *data, qint64 size, int *error)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = errno;
            return false;
        }
        if (n == 0) {
            *error = EIO;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

AtomicFileWriter::AtomicFileWriter(const QString &path)
    : m_path(path)
{}

AtomicFileWriter::~AtomicFileWriter()
{
    discard();
}

QString AtomicFileWriter::reasonFor(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("the disk is full");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("the disk quota is used up");
#endif
    case EFBIG:
        return QStringLiteral("the file would be larger than this system allows");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission to write there was denied");
    case EROFS:
        return QStringLiteral("the disk can only be read");
    case ENAMETOOLONG:
        return QStringLiteral("the file name is too long for this file system");
    case ENOENT:
        return QStringLiteral("the folder does not exist");
    case ENOTDIR:
        return QStringLiteral("part of the path is not a folder");
    case EISDIR:
        return QStringLiteral("it is a folder");
    case EIO:
        return QStringLiteral("the disk reported an input/output error");
    default:
        break;
    }
    QString text = qt_error_string(error);
    if (!text.isEmpty())
        text[0] = text.at(0).toLower();
    return text;
}

bool AtomicFileWriter::fail(int error)
{
    return fail(reasonFor(error));
}

bool AtomicFileWriter::fail(const QString &reason)
{
    // The first failure is the one to report; later ones follow from it.
    if (!m_failed) {
        m_failed = true;
        m_reason = reason;
        setErrorString(reason);
    }
    return false;
}

bool AtomicFileWriter::open(OpenMode mode)
{
    if (isOpen() || (mode & ~(WriteOnly | Truncate | Unbuffered)) || !(mode & WriteOnly))
        return fail(QStringLiteral("the file cannot be opened that way"));
    m_failed = false;
    m_reason.clear();
    m_written = 0;
    m_buffer.clear();

    // A link is followed, so the link stays and the file it names is saved.
    const QFileInfo info(m_path);
    QString target = m_path;
    if (info.isSymLink() && info.exists())
        target = info.canonicalFilePath();
    m_target = QFile::encodeName(target);

    struct stat st;
    if (::stat(m_target.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return fail(QStringLiteral("it is a folder"));
        if (!S_ISREG(st.st_mode))
            return fail(QStringLiteral("it is not a regular file"));
        // Root may write anything, so the mode is asked as well as access().
        const bool readOnly = ::access(m_target.constData(), W_OK) != 0 || (st.st_mode & 0222) == 0;
        if (readOnly && !m_replaceReadOnly)
            return fail(QStringLiteral("the file is read-only"));
        m_replaces = true;
        m_mode = st.st_mode & 07777;
        m_owner = st.st_uid;
        m_group = st.st_gid;
        if (readOnly) {
            // The new file is the user's own and writable by them, so the
            // next save does not meet the same wall.
            m_mode |= S_IRUSR | S_IWUSR;
            m_owner = ::geteuid();
            m_group = ::getegid();
        }
    } else if (errno != ENOENT) {
        return fail(errno);
    } else {
        m_replaces = false;
    }

    const qsizetype slash = m_target.lastIndexOf('/');
    const QByteArray dir = slash < 0 ? QByteArray() : m_target.left(qMax<qsizetype>(slash, 1));
    const QByteArray name = slash < 0 ? m_target : m_target.mid(slash + 1);
    const QByteArray prefix = temporaryPrefix(dir, name);
    // Before the new temporary is made: the room a dead one took may be
    // what this save needs.
    removeStaleTemporaries(dir, prefix);
    for (int attempt = 0; attempt < 16; ++attempt) {
        m_temp = temporaryName(dir, prefix);
        m_fd = ::open(m_temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd >= 0 || errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        const int error = errno;
        m_temp.clear();
        return fail(error);
    }
    // Held until the temporary is renamed or removed; the kernel lets go
    // of it when the process dies, which is what marks a leftover.
    ::flock(m_fd, LOCK_EX | LOCK_NB);
    return QIODevice::open(WriteOnly | Unbuffered);
}

qint64 AtomicFileWriter::writeData(const char *data, qint64 size)
{
    if (m_failed || m_fd < 0)
        return -1;
    if (m_buffer.size() + size < kBlock) {
        m_buffer.append(data, qsizetype(size));
        return size;
    }
    if (!flushBuffer())
        return -1;
    int error = 0;
    if (!writeAll(m_fd, data, size, &error)) {
        fail(error);
        return -1;
    }
    m_written += size;
    return size;
}

bool AtomicFileWriter::flushBuffer()
{
    int error = 0;
    if (!writeAll(m_fd, m_buffer.constData(), m_buffer.size(), &error))
        return fail(error);
    m_written += m_buffer.size();
    m_buffer.clear();
    return true;
}

bool AtomicFileWriter::commit()
{
    if (m_fd < 0) {
        discard();
        return fail(QStringLiteral("the file was not opened"));
    }
    if (!m_failed && flushBuffer() && m_replaces) {
        // The new file takes the old one's mode, and as far as allowed its
        // owner, so saving as root does not take a user's file from them.
        if (::fchmod(m_fd, m_mode) != 0)
            fail(errno);
        else if (::geteuid() == 0 && ::fchown(m_fd, m_owner, m_group) != 0)
            fail(errno);
    }
    if (!m_failed && ::fsync(m_fd) != 0)
        fail(errno);
    struct stat st;
    if (!m_failed && (::fstat(m_fd, &st) != 0 || st.st_size != m_written))
        fail(QStringLiteral("the file on disk came out shorter than what was written"));
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (!m_failed && closed != 0)
        fail(errno);
    if (!m_failed && ::rename(m_temp.constData(), m_target.constData()) != 0)
        fail(errno);
    if (m_failed) {
        discard();
        return false;
    }
    m_temp.clear();
    QIODevice::close();
    // The rename itself reaches the disk with the folder.
    const qsizetype slash = m_target.lastIndexOf('/');
    const QByteArray dir = slash < 0 ? QByteArray(".") : m_target.left(qMax<qsizetype>(slash, 1));
    const int dirFd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

void AtomicFileWriter::cancel()
{
    discard();
}

void AtomicFileWriter::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temp.isEmpty()) {
        ::unlink(m_temp.constData());
        m_temp.clear();
    }
    m_buffer.clear();
    if (isOpen())
        QIODevice::close();
}

bool AtomicFileWriter::writeFile(const QString &path, const QByteArray &bytes, QString *reason,
                                 bool replaceReadOnly)
{
    AtomicFileWriter file(path);
    file.setReplaceReadOnly(replaceReadOnly);
    const bool ok =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok && reason)
        *reason = file.reason();
    return ok;
}
