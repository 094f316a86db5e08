#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The user's exceptions over the letter rule of the article, one a line: a
// word or a prefix ending in "*", then "a" or "an" (x-ray an, unin* an,
// 8* an). In a pattern "#" stands for any digit; a pattern with a capital
// letter is matched as written, one in lower case in any case. A word also
// matches when a mark follows it (f-stop matches f), a number when letters
// do (8th, 1800s match 8, 18##). The longest matching pattern wins; lines of
// any other shape (comments) are ignored.
class ArticleExceptions
{
public:
    void load(const QStringList &lines);
    bool isEmpty() const { return m_entries.isEmpty(); }
    // 1 for "an", 0 for "a", -1 when no entry matches.
    int lookUp(const QString &word) const;

private:
    struct Entry
    {
        QString pattern;
        bool prefix = false;
        bool matchCase = false;
        bool an = false;
    };
    QList<Entry> m_entries;
};

// True when word takes "an", false when it takes "a". Decided by the
// exceptions, then by the letters of an initialism read as letters (an FBI
// agent), then on the first letters, with the exceptions English spelling
// needs (hour, unicorn, ...).
bool ChooseArticle(const QString &word, const ArticleExceptions &exceptions);
