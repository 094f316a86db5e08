#pragma once

#include "vocab/verb_table.h"

#include <QString>
#include <QStringList>

#include <array>

// The three verb tables seen as one: a verb found by any of its forms, and a
// verb the tables do not hold that is built on one they do (reset on set,
// overthink on think), which takes that verb's irregular forms.
class TableVerbs
{
public:
    // Keeps references: the tables must outlive it.
    TableVerbs(const VerbTable &verbs, const VerbTable &goVerbs, const VerbTable &sayVerbs);

    struct Match
    {
        QStringList forms; // To, S, Ing, Ed, En, in lower case for a built verb
        QString tag;       // "verb", "go" or "say": the table of the head verb
        int row = -1;      // the head verb's row in that table
        bool built = false;
    };

    // Looks word up, without regard to case, in every column of the three
    // tables; the base form wins over the same spelling in another column,
    // so "found" is the verb found and "lay" the verb lay.
    bool find(const QString &word, Match *match = nullptr) const;
    // word is a prefix or a joined word ("over", "proof", "frost") before the
    // base form of an irregular verb of the tables: that verb's forms with
    // the same beginning. Regular verbs need no table to be re-formed.
    bool findBuilt(const QString &word, Match *match = nullptr) const;
    // find, then findBuilt.
    bool findAny(const QString &word, Match *match = nullptr) const;

    // The spellings of word + "ing" (VerbSpelling's), except that the e
    // stays where dropping it makes another verb's -ing form: singeing, not
    // singing.
    QStringList ingForms(const QString &word) const;

private:
    std::array<const VerbTable *, 3> m_tables;
};
