#include "predict/user_model.h"

#include "files/atomic_file_writer.h"
#include "predict/prediction_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kHeader = QStringLiteral("wordloom learnt words 1");

QString tr(const char *text)
{
    return QCoreApplication::translate("UserModel", text);
}

// A name beside path that no file has yet: "learnt-words.damaged.txt",
// then "learnt-words.damaged-2.txt" and on.
QString setAsideName(const QString &path)
{
    const QFileInfo info(path);
    const QString stem = info.completeBaseName() + QStringLiteral(".damaged");
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString name = info.dir().filePath(stem + suffix);
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = info.dir().filePath(stem + QLatin1Char('-') + QString::number(n) + suffix);
    return name;
}

bool validKey(const QString &key)
{
    return !key.isEmpty() && !key.contains(QLatin1Char('\t')) && !key.contains(QLatin1Char('\n'));
}

} // namespace

UserModel::LoadResult UserModel::load(const QString &path, QString *note)
{
    clear();
    m_modified = false;
    m_refused = false;
    QFile file(path);
    if (!file.exists())
        return LoadResult::Missing;
    // A pipe or a device would hold the program up: it is no learnt words.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        m_refused = true;
        *note = tr("The learnt words in %1 cannot be read (%2). Words are not learnt until "
                   "Wordloom starts again.")
                    .arg(QDir::toNativeSeparators(path), file.errorString());
        return LoadResult::Refused;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize) {
        m_refused = true;
        *note = tr("The learnt words in %1 are more than %2 MB, too many to hold; the file is "
                   "left as it is and words are not learnt. Remove or move it to start afresh.")
                    .arg(QDir::toNativeSeparators(path))
                    .arg(kMaxFileSize / (1024 * 1024));
        return LoadResult::Refused;
    }
    file.close();
    if (parse(QString::fromUtf8(bytes)))
        return LoadResult::Loaded;
    clear();
    const QString aside = setAsideName(path);
    if (!QFile::rename(path, aside)) {
        m_refused = true;
        *note = tr("The learnt words in %1 are damaged and could not be set aside; words are not "
                   "learnt until Wordloom starts again.")
                    .arg(QDir::toNativeSeparators(path));
        return LoadResult::Refused;
    }
    *note = tr("The learnt words in %1 were damaged. The file was kept as %2, and learning "
               "starts afresh.")
                .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside));
    return LoadResult::SetAside;
}

bool UserModel::parse(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.isEmpty() || lines.takeFirst().trimmed() != kHeader)
        return false;
    for (const QString &line : std::as_const(lines)) {
        if (line.isEmpty())
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        bool ok = false;
        const quint32 count = f.size() >= 3 ? f[1].toUInt(&ok) : 0;
        const QChar kind = f[0].size() == 1 ? f[0][0] : QChar();
        if (kind == QLatin1Char('x') && f.size() == 2 && validKey(f[1])) {
            m_blocked.insert(f[1]);
            continue;
        }
        if (!ok || count == 0)
            return false;
        if (kind == QLatin1Char('w') && f.size() == 3 && validKey(f[2])) {
            Word &w = m_words[PredictionText::keyOf(f[2])];
            w.text = f[2];
            w.count += count;
            m_total += count;
        } else if (kind == QLatin1Char('p') && f.size() == 4 && validKey(f[2]) && validKey(f[3])) {
            m_after1[f[2]][f[3]] += count;
        } else if (kind == QLatin1Char('t') && f.size() == 5 && validKey(f[2]) && validKey(f[3]) &&
                   validKey(f[4])) {
            m_after2[pair(f[2], f[3])][f[4]] += count;
        } else {
            return false;
        }
    }
    return true;
}

bool UserModel::save(const QString &path, QString *error)
{
    if (m_refused) {
        *error = tr("The learnt words were not saved: the file %1 was not read at start.")
                     .arg(QDir::toNativeSeparators(path));
        return false;
    }
    QString out = kHeader + QLatin1Char('\n');
    for (auto it = m_words.cbegin(); it != m_words.cend(); ++it)
        out += QStringLiteral("w\t%1\t%2\n").arg(it->count).arg(it->text);
    for (auto it = m_after1.cbegin(); it != m_after1.cend(); ++it)
        for (auto f = it->cbegin(); f != it->cend(); ++f)
            out += QStringLiteral("p\t%1\t%2\t%3\n").arg(f.value()).arg(it.key(), f.key());
    for (auto it = m_after2.cbegin(); it != m_after2.cend(); ++it)
        for (auto f = it->cbegin(); f != it->cend(); ++f)
            out += QStringLiteral("t\t%1\t%2\t%3\n").arg(f.value()).arg(it.key(), f.key());
    for (const QString &key : m_blocked)
        out += QStringLiteral("x\t%1\n").arg(key);
    QString reason;
    if (!AtomicFileWriter::writeFile(path, out.toUtf8(), &reason)) {
        *error = tr("The learnt words could not be saved in %1: %2.")
                     .arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    m_modified = false;
    return true;
}

void UserModel::learn(const QString &text)
{
    count(text, 1);
}

void UserModel::unlearn(const QString &text)
{
    count(text, -1);
}

void UserModel::count(const QString &text, int step)
{
    // Adds step to a count; a count taken to nothing goes.
    auto add = [step](auto &table, const QString &key) {
        auto it = table.find(key);
        if (step > 0) {
            if (it == table.end())
                it = table.insert(key, 0);
            ++*it;
        } else if (it != table.end() && --*it == 0) {
            table.erase(it);
        }
    };
    for (const QList<PredictionText::Token> &sentence : PredictionText::sentences(text)) {
        for (qsizetype i = 1; i < sentence.size(); ++i) {
            const PredictionText::Token &t = sentence[i];
            if (t.key == PredictionText::kPause || m_blocked.contains(t.key))
                continue;
            m_modified = true;
            auto w = m_words.find(t.key);
            if (step > 0) {
                if (w == m_words.end())
                    w = m_words.insert(t.key, Word{t.key, 0});
                // A capital at a sentence start says nothing about the word;
                // a name written with one mid-sentence is shown with it.
                if (i > 1)
                    w->text = t.text;
                ++w->count;
                ++m_total;
            } else if (w != m_words.end()) {
                --m_total;
                if (--w->count == 0)
                    m_words.erase(w);
            }
            add(m_after1[sentence[i - 1].key], t.key);
            if (i >= 2)
                add(m_after2[pair(sentence[i - 2].key, sentence[i - 1].key)], t.key);
        }
    }
}

void UserModel::forget(const QString &word)
{
    const QString key = PredictionText::keyOf(word);
    if (const auto it = m_words.constFind(key); it != m_words.cend()) {
        m_total -= it->count;
        m_words.erase(it);
    }
    for (auto *table : {&m_after1, &m_after2})
        for (auto it = table->begin(); it != table->end(); ++it)
            it->remove(key);
    m_blocked.insert(key);
    m_modified = true;
}

void UserModel::clear()
{
    if (!m_words.isEmpty() || !m_after1.isEmpty() || !m_after2.isEmpty() || !m_blocked.isEmpty())
        m_modified = true;
    m_words.clear();
    m_after1.clear();
    m_after2.clear();
    m_blocked.clear();
    m_total = 0;
}

const QHash<QString, quint32> *UserModel::after(const QString &key) const
{
    const auto it = m_after1.constFind(key);
    return it == m_after1.cend() ? nullptr : &*it;
}

const QHash<QString, quint32> *UserModel::after(const QString &key1, const QString &key2) const
{
    const auto it = m_after2.constFind(pair(key1, key2));
    return it == m_after2.cend() ? nullptr : &*it;
}
