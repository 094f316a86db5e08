#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <vector>

// The shipped word-prediction model: word counts, and the counts of the
// word pairs and triples seen in a corpus, in the compact file a tool in
// tools/predict builds. Read whole and checked: a file that is cut short,
// holds an index out of range or is out of order is refused with a reason,
// never half used.
class PredictionModel
{
public:
    // What a word is, as the corpus tagged it most often.
    enum class Class : quint8 {
        Other,
        Noun,
        PluralNoun,
        VerbBase,
        VerbS,
        VerbIng,
        VerbPast,
        VerbParticiple,
        Adjective,
        Comparative,
        Superlative,
        ProperName,
        Number,
        Marker,
    };
    static constexpr quint32 kStart = 0; // the start of a sentence
    static constexpr quint32 kPause = 1; // a comma, colon or semicolon
    static constexpr quint32 kNone = 0xffffffffu;
    // A bigger file is refused: it is not a model this program made.
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

    struct Word
    {
        QString text; // as shown: "York", "I", "house"
        QString key;  // lower case, as contexts are matched
        quint32 count = 0;
        quint32 base = 0; // the base form's index; its own when it has none
        Class cls = Class::Other;
    };
    // A word that follows a context, and how often it did.
    struct Follower
    {
        quint32 word;
        quint32 count;
    };
    struct Span
    {
        const Follower *begin = nullptr;
        const Follower *end = nullptr;
        quint32 total = 0; // the sum of their counts
    };

    // Replaces what the model held; false with *error in plain words when
    // the file cannot be read or is not a sound model (the model is then
    // empty).
    bool load(const QString &path, QString *error);
    bool loadBytes(const QByteArray &bytes, QString *error);
    bool isEmpty() const { return m_words.size() <= 2; }

    qsizetype wordCount() const { return qsizetype(m_words.size()); }
    const Word &word(quint32 index) const { return m_words[index]; }
    // The index of a lower-case key, or kNone.
    quint32 find(QStringView key) const;
    quint64 totalCount() const { return m_total; }

    // The words seen after w, or after w1 w2, most frequent first.
    Span after(quint32 w) const;
    Span after(quint32 w1, quint32 w2) const;
    // Words whose key begins with prefix (lower case), most frequent first,
    // at most limit of them.
    std::vector<quint32> startingWith(QStringView prefix, int limit) const;
    // The word of that class with base as its base form, or kNone.
    quint32 formOf(quint32 base, Class cls) const;

private:
    void clear();

    std::vector<Word> m_words;
    QHash<QString, quint32> m_index;
    mutable std::vector<quint32> m_byKey; // word indices sorted by key, at the first search
    std::vector<Follower> m_bigrams;
    std::vector<quint32> m_bigramStart; // per word, into m_bigrams; one extra at the end
    std::vector<quint32> m_bigramTotal;
    std::vector<Follower> m_trigrams;
    struct Range
    {
        quint32 begin, end, total;
    };
    QHash<quint64, Range> m_trigramRanges;
    QHash<quint64, quint32> m_forms; // (base, class) -> word
    quint64 m_total = 0;
};
