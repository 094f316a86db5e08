#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// What the user has written: the words of saved (and, when chosen, opened)
// documents and the word pairs and triples they form, kept in a small text
// file beside the preferences. Words the user asked never to be offered are
// kept too, so that neither this model nor the shipped one offers them.
class UserModel
{
public:
    // A bigger file is refused: learning never makes one, and reading it
    // could hold the program up.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    enum class LoadResult { Loaded, Missing, SetAside, Refused };
    // Reads path. A file that is not sound is renamed (*note says to what)
    // and learning starts afresh; one too large or unreadable is left
    // alone, *note says why, and saving is refused until the next start so
    // it is never overwritten.
    LoadResult load(const QString &path, QString *note);
    // Writes the model through the checked atomic writer.
    bool save(const QString &path, QString *error);
    bool isModified() const { return m_modified; }
    bool canSave() const { return !m_refused; }

    // Learns every word and sequence of text.
    void learn(const QString &text);
    // Takes back what learn(text) added.
    void unlearn(const QString &text);
    // The word is never offered again (until the model is emptied).
    void forget(const QString &word);
    void clear();
    bool isBlocked(const QString &key) const { return m_blocked.contains(key); }

    struct Word
    {
        QString text;
        quint32 count = 0;
    };
    const QHash<QString, Word> &words() const { return m_words; }
    // What followed key, or key1 key2: key -> count.
    const QHash<QString, quint32> *after(const QString &key) const;
    const QHash<QString, quint32> *after(const QString &key1, const QString &key2) const;
    quint64 totalWords() const { return m_total; }

private:
    static QString pair(const QString &a, const QString &b) { return a + QLatin1Char('\t') + b; }
    bool parse(const QString &text);
    void count(const QString &text, int step);

    QHash<QString, Word> m_words;
    QHash<QString, QHash<QString, quint32>> m_after1;
    QHash<QString, QHash<QString, quint32>> m_after2;
    QSet<QString> m_blocked;
    quint64 m_total = 0;
    bool m_modified = false;
    bool m_refused = false;
};
