#include "data_locations.h"

#include "files/atomic_file_writer.h"
#include "files/text_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>

namespace {

const QString kPrefs = QStringLiteral("prefs.ini");
const QString kWords = QStringLiteral("words");

bool holdsPrefs(const QString &dir)
{
    return QFileInfo(QDir(dir).filePath(kPrefs)).isFile();
}

// Whether a file can be made in dir at all; the directory's mode alone does
// not say (root, read-only mounts, immutable folders).
bool canWriteIn(const QString &dir)
{
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".wordloom-probe-XXXXXX")));
    return probe.open();
}

bool readWhole(const QString &path, QByteArray *bytes, QString *error)
{
    const QString notRegular = TextFile::notARegularFileMessage(path);
    if (!notRegular.isEmpty()) {
        *error = notRegular;
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Cannot read %1: %2.").arg(path, file.errorString());
        return false;
    }
    *bytes = file.readAll();
    return true;
}

bool writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QString reason;
    if (AtomicFileWriter::writeFile(path, bytes, &reason))
        return true;
    *error = QStringLiteral("Cannot write %1: %2.").arg(path, reason);
    return false;
}

bool makeDir(const QString &dir, QString *error)
{
    errno = 0;
    if (QDir().mkpath(dir) && QFileInfo(dir).isDir())
        return true;
    const int cause = QFileInfo::exists(dir) ? ENOTDIR : errno;
    *error = cause ? QStringLiteral("Cannot make the folder %1: %2.")
                         .arg(dir, AtomicFileWriter::reasonFor(cause))
                   : QStringLiteral("Cannot make the folder %1.").arg(dir);
    return false;
}

QByteArray digest(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// "name<TAB>digest" lines: what each shipped list held when it was copied.
QHash<QString, QByteArray> readDigests(const QString &path)
{
    QHash<QString, QByteArray> digests;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return digests;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            digests.insert(QString::fromUtf8(line.left(tab)), line.mid(tab + 1).trimmed());
    }
    return digests;
}

QByteArray writeDigests(const QHash<QString, QByteArray> &digests)
{
    QStringList names = digests.keys();
    names.sort();
    QByteArray text;
    for (const QString &name : names)
        text += name.toUtf8() + '\t' + digests.value(name) + '\n';
    return text;
}

} // namespace

QString DataLocations::findShippedDir(const QString &binaryDir, Layout *layout)
{
    *layout = Layout::Beside;
    if (holdsPrefs(binaryDir))
        return QDir(binaryDir).absolutePath();
    const QString installed =
        QDir::cleanPath(QDir(binaryDir).filePath(QStringLiteral("../share/wordloom")));
    if (holdsPrefs(installed)) {
        *layout = Layout::Installed;
        return installed;
    }
    return QDir(binaryDir).absolutePath();
}

DataLocations DataLocations::forProgram(const QString &shippedDir, Layout layout)
{
    if (layout == Layout::Beside && canWriteIn(shippedDir))
        return DataLocations(shippedDir);
    return DataLocations(shippedDir,
                         QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

DataLocations::DataLocations(const QString &programDir)
    : DataLocations(programDir, programDir, programDir)
{}

DataLocations::DataLocations(const QString &shippedDir, const QString &configDir,
                             const QString &dataDir)
    : m_shipped(shippedDir)
    , m_config(configDir)
    , m_data(dataDir)
{}

QString DataLocations::configFile(const QString &name) const
{
    return QDir(m_config).filePath(name);
}

QString DataLocations::dataFile(const QString &name) const
{
    return QDir(m_data).filePath(name);
}

QString DataLocations::vocabularyDir() const
{
    return dataFile(kWords);
}

QString DataLocations::shippedVocabularyDir() const
{
    return QDir(m_shipped).filePath(kWords);
}

QString DataLocations::exceptionsDir() const
{
    return QDir(m_shipped).filePath(QStringLiteral("exceptions"));
}

QString DataLocations::manualFile() const
{
    return QDir(m_shipped).filePath(QStringLiteral("manual.html"));
}

QString DataLocations::documentsDir() const
{
    if (!perUser())
        return {};
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

bool DataLocations::prepare(QString *error) const
{
    if (!perUser())
        return true;
    if (!makeDir(m_config, error) || !makeDir(m_data, error))
        return false;
    const QString prefs = configFile(kPrefs);
    const QString shippedPrefs = QDir(m_shipped).filePath(kPrefs);
    // Without shipped defaults start-up reports the installation as broken.
    if (!QFileInfo::exists(prefs) && QFileInfo(shippedPrefs).isFile()) {
        QByteArray bytes;
        if (!readWhole(shippedPrefs, &bytes, error) || !writeWhole(prefs, bytes, error))
            return false;
    }
    return fillVocabulary(error);
}

bool DataLocations::fillVocabulary(QString *error) const
{
    const QDir shipped(shippedVocabularyDir());
    if (!shipped.exists())
        return true;
    const QString words = vocabularyDir();
    if (!makeDir(words, error))
        return false;
    const QString digestsPath = dataFile(QLatin1String(ShippedListsFile));
    QHash<QString, QByteArray> digests = readDigests(digestsPath);
    bool changed = false;
    const QStringList names = shipped.entryList(QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QByteArray bytes;
        if (!readWhole(shipped.filePath(name), &bytes, error))
            return false;
        const QByteArray now = digest(bytes);
        const QString mine = QDir(words).filePath(name);
        if (QFileInfo::exists(mine)) {
            // Only a list still as it was shipped gives way to a newer one.
            const QByteArray copied = digests.value(name);
            QByteArray current;
            QString unused;
            if (copied.isEmpty() || copied == now || !readWhole(mine, &current, &unused) ||
                digest(current) != copied)
                continue;
        }
        if (!writeWhole(mine, bytes, error))
            return false;
        digests.insert(name, now);
        changed = true;
    }
    return !changed || writeWhole(digestsPath, writeDigests(digests), error);
}
