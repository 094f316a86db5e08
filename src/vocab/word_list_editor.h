#pragma once

#include "vocabulary.h"

#include <QStringList>
#include <optional>

// The rules of the Add Word panel: which word list is being edited, which of
// its entries the next Accept replaces, and what Accept and Delete do to the
// list and its modified flags. The panel only shows the outcome.
class WordListEditor
{
public:
    explicit WordListEditor(Vocabulary &vocabulary);

    static QString blankWordMessage();
    static QString tooFewMessage();

    // A radio button: the list to edit. Forgets the entry chosen in another
    // list, so Accept never replaces a row of the wrong list.
    void selectList(Vocabulary::List list);
    std::optional<Vocabulary::List> list() const { return m_list; }
    // The entries to show; empty while no list is chosen.
    QStringList entries() const;

    // A click on row: the next Accept replaces it. Returns the entry, or an
    // empty text when the row is not in the list.
    QString chooseRow(int row);
    // Exit, or after Accept and Delete: nothing is being replaced.
    void forget() { EditIndex = -1; }

    struct Outcome
    {
        enum Kind {
            Changed,  // the list changed; row is where to scroll
            Blank,    // empty word: blankWordMessage
            TooFew,   // delete refused: tooFewMessage
            Unchanged // no list chosen, or no entry chosen to delete
        };
        Kind kind = Unchanged;
        qsizetype row = -1;
    };

    // Files the word (replacing the chosen entry) in the chosen list.
    Outcome accept(const QString &word);
    // Removes the chosen entry. Every list but the right-hand column keeps at
    // least two entries.
    Outcome deleteEntry();

    // The row the next Accept replaces, or -1.
    int EditIndex = -1;

private:
    Vocabulary &m_vocabulary;
    std::optional<Vocabulary::List> m_list;
};
