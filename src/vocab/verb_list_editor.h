#pragma once

#include "vocabulary.h"

#include <QStringList>
#include <functional>

class Composition;

// The rules of the Add Verb panel: the table being edited, the row the next
// Accept replaces, the forms proposed for a new infinitive, and what Accept
// and Delete do to the table, its modified flags and (for a verb added from
// the word pick list) the text.
class VerbListEditor
{
public:
    VerbListEditor(Vocabulary &vocabulary, Composition &composition,
                   std::function<bool()> pastTense);

    static QString blankConjugationMessage();

    // The five forms (To, S, Ing, Ed, En) simple spelling rules give an
    // infinitive, and whether its last consonant may need doubling before
    // "-ing" and "-ed" (stop: stopping), which the rules leave to the user.
    struct Proposal
    {
        QStringList forms;
        bool doublingCandidate = false;
    };
    static Proposal propose(const QString &infinitive);

    // "verb", "go" or "say": the tag the table's words are inserted with.
    static QString tag(Vocabulary::List table);

    // A radio button: the table to edit; forgets the verb chosen in another.
    void selectTable(Vocabulary::List table);
    Vocabulary::List table() const { return m_table; }
    QStringList infinitives() const;

    // A click on row: its five forms; the next Accept replaces it.
    QStringList chooseRow(int row);
    void forget() { EditIndex = -1; }

    // Enter on an infinitive: the stored forms when the table holds it (the
    // next Accept then replaces that verb), otherwise the proposal.
    Proposal enterInfinitive(const QString &infinitive);

    struct Outcome
    {
        enum Kind { Changed, Blank, TooFew, Unchanged };
        Kind kind = Unchanged;
        qsizetype row = -1; // where to scroll
    };

    // Stores the five forms (replacing the chosen verb); when insertIntoText,
    // the verb also goes into the text in the form the context needs.
    Outcome accept(const QStringList &forms, bool insertIntoText);
    Outcome deleteVerb();

    // The row the next Accept replaces, or -1.
    int EditIndex = -1;

private:
    void insertVerb(qsizetype row);

    Vocabulary &m_vocabulary;
    Composition &m_composition;
    std::function<bool()> m_pastTense;
    Vocabulary::List m_table = Vocabulary::List::VerbTable;
};
