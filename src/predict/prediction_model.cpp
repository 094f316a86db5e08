#include "predict/prediction_model.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace {

const char kMagic[] = "WLPRED1\n";
constexpr int kMagicSize = 8;

// Reads little-endian fields and says when the bytes run out.
class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_data(reinterpret_cast<const uchar *>(bytes.constData()))
        , m_size(bytes.size())
    {}
    bool has(qsizetype n) const { return m_size - m_pos >= n; }
    quint8 u8() { return m_data[m_pos++]; }
    quint32 u32()
    {
        const uchar *p = m_data + m_pos;
        m_pos += 4;
        return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
    }
    QString utf8(int n)
    {
        const QString s =
            QString::fromUtf8(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(n));
        m_pos += n;
        return s;
    }
    qsizetype left() const { return m_size - m_pos; }

private:
    const uchar *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

quint64 pairKey(quint32 a, quint32 b)
{
    return quint64(a) << 32 | b;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("PredictionModel", text);
}

} // namespace

void PredictionModel::clear()
{
    m_words.clear();
    m_index.clear();
    m_byKey.clear();
    m_bigrams.clear();
    m_bigramStart.clear();
    m_bigramTotal.clear();
    m_trigrams.clear();
    m_trigramRanges.clear();
    m_forms.clear();
    m_total = 0;
}

bool PredictionModel::load(const QString &path, QString *error)
{
    clear();
    QFile file(path);
    if (!file.exists()) {
        *error = tr("the file %1 is missing").arg(path);
        return false;
    }
    // A pipe or a device would hold the program up or never end.
    if (!QFileInfo(path).isFile()) {
        *error = tr("%1 is not a file").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("the file %1 cannot be read (%2)").arg(path, file.errorString());
        return false;
    }
    // A device or a pipe has no size to trust: read at most one byte past
    // the limit, which is enough to refuse it.
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize) {
        *error = tr("the file %1 is larger than %2 MB, too large for a model")
                     .arg(path)
                     .arg(kMaxFileSize / (1024 * 1024));
        return false;
    }
    if (!loadBytes(bytes, error)) {
        *error = tr("the file %1 is damaged (%2)").arg(path, *error);
        return false;
    }
    return true;
}

bool PredictionModel::loadBytes(const QByteArray &bytes, QString *error)
{
    clear();
    auto fail = [&](const char *why) {
        clear();
        *error = tr(why);
        return false;
    };
    Reader r(bytes);
    if (!r.has(kMagicSize + 12) || std::memcmp(bytes.constData(), kMagic, kMagicSize) != 0)
        return fail("not a prediction model");
    for (int i = 0; i < kMagicSize; ++i)
        r.u8();
    const quint32 wordCount = r.u32();
    const quint32 bigramCount = r.u32();
    const quint32 trigramCount = r.u32();
    // Each word takes at least 10 bytes, each pair 12, each triple 16: the
    // counts cannot promise more than the file holds.
    if (wordCount < 2 || qint64(wordCount) * 10 > r.left() ||
        qint64(bigramCount) * 12 + qint64(trigramCount) * 16 > r.left())
        return fail("its counts do not fit its size");

    m_words.resize(wordCount);
    m_index.reserve(wordCount);
    for (quint32 i = 0; i < wordCount; ++i) {
        if (!r.has(2))
            return fail("it ends in the middle of its words");
        Word &w = m_words[i];
        const quint8 cls = r.u8();
        const quint8 length = r.u8();
        if (cls > quint8(Class::Marker) || length == 0 || !r.has(length + 8))
            return fail("a word in it is not readable");
        w.cls = Class(cls);
        w.text = r.utf8(length);
        w.key = w.text.toLower();
        w.count = r.u32();
        w.base = r.u32();
        if (w.base >= wordCount)
            return fail("a word in it points past its words");
        m_total += w.count;
        m_index.insert(w.key, i);
    }

    if (!r.has(qint64(bigramCount) * 12 + qint64(trigramCount) * 16))
        return fail("it ends in the middle of its word pairs");
    m_bigrams.reserve(bigramCount);
    m_bigramStart.assign(wordCount + 1, 0);
    m_bigramTotal.assign(wordCount, 0);
    quint32 previous = 0;
    for (quint32 i = 0; i < bigramCount; ++i) {
        const quint32 a = r.u32(), b = r.u32(), n = r.u32();
        if (a >= wordCount || b >= wordCount || a < previous)
            return fail("its word pairs are out of range or out of order");
        previous = a;
        m_bigrams.push_back({b, n});
        ++m_bigramStart[a + 1];
        m_bigramTotal[a] += n;
    }
    for (quint32 i = 0; i < wordCount; ++i)
        m_bigramStart[i + 1] += m_bigramStart[i];

    m_trigrams.reserve(trigramCount);
    quint64 previousPair = 0;
    for (quint32 i = 0; i < trigramCount; ++i) {
        const quint32 a = r.u32(), b = r.u32(), c = r.u32(), n = r.u32();
        if (a >= wordCount || b >= wordCount || c >= wordCount)
            return fail("its word triples are out of range");
        const quint64 pair = pairKey(a, b);
        if (pair < previousPair)
            return fail("its word triples are out of order");
        previousPair = pair;
        Range &range = m_trigramRanges[pair];
        if (range.end == 0)
            range.begin = range.end = i;
        ++range.end;
        range.total += n;
        m_trigrams.push_back({c, n});
    }

    // Most frequent first, so the first form seen of a class is kept.
    for (quint32 i = 0; i < wordCount; ++i) {
        const Word &w = m_words[i];
        if (w.base != i)
            m_forms.insert(pairKey(w.base, quint32(w.cls)), i);
    }
    return true;
}

quint32 PredictionModel::find(QStringView key) const
{
    return m_index.value(key.toString(), kNone);
}

PredictionModel::Span PredictionModel::after(quint32 w) const
{
    if (w + 1 >= m_bigramStart.size())
        return {};
    const Follower *base = m_bigrams.data();
    return {base + m_bigramStart[w], base + m_bigramStart[w + 1], m_bigramTotal[w]};
}

PredictionModel::Span PredictionModel::after(quint32 w1, quint32 w2) const
{
    const auto it = m_trigramRanges.constFind(pairKey(w1, w2));
    if (it == m_trigramRanges.constEnd())
        return {};
    const Follower *base = m_trigrams.data();
    return {base + it->begin, base + it->end, it->total};
}

std::vector<quint32> PredictionModel::startingWith(QStringView prefix, int limit) const
{
    // Sorted at the first search rather than at load: the first row of
    // predictions needs no prefix, and the sort was a fifth of the load.
    if (m_byKey.size() != m_words.size()) {
        m_byKey.resize(m_words.size());
        for (quint32 i = 0; i < m_byKey.size(); ++i)
            m_byKey[i] = i;
        std::sort(m_byKey.begin(), m_byKey.end(),
                  [this](quint32 a, quint32 b) { return m_words[a].key < m_words[b].key; });
    }
    std::vector<quint32> found;
    auto first = std::lower_bound(m_byKey.begin(), m_byKey.end(), prefix,
                                  [this](quint32 w, QStringView p) { return m_words[w].key < p; });
    for (auto it = first; it != m_byKey.end() && m_words[*it].key.startsWith(prefix); ++it)
        found.push_back(*it);
    std::sort(found.begin(), found.end()); // indices are in order of frequency
    if (found.size() > size_t(limit))
        found.resize(size_t(limit));
    return found;
}

quint32 PredictionModel::formOf(quint32 base, Class cls) const
{
    if (base < m_words.size() && m_words[base].cls == cls)
        return base;
    return m_forms.value(pairKey(base, quint32(cls)), kNone);
}
