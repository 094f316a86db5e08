#pragma once

#include "compose/composition.h"
#include "vocab/vocabulary.h"

#include <QString>

#include <optional>

// Noun plurals: the ending rules backed by the twelve exception lists, and
// the pluralize button that turns the current word into its plural and steps
// through plural, alternate plural and singular on repeated clicks.
class Plurals
{
public:
    struct Forms
    {
        QString SingularForm;
        QString PluralForm;
        QString AlternatePlural; // empty when the noun has no second plural
    };

    Plurals(Composition &composition, const Vocabulary::ExceptionLists &exceptions);

    // The three forms of word. Forms built from the lower-cased word (plain
    // "s", list rows, the "man" rule) are lower case; "es" and "ies" keep the
    // word's letters. An empty word gives the bare suffix "-s".
    static Forms PluralizeWord(const QString &word, const Vocabulary::ExceptionLists &exceptions);

    // btnPluralize, click and double click alike. The caller does nothing
    // visible besides what the composition's indicators report.
    void btnPluralizeClick();

    const Forms &forms() const { return m_forms; }

private:
    // The forms of a compound whose head stands before a linking word
    // (mothers-in-law, passers-by); nothing when the last word is the head.
    static std::optional<Forms> pluralizeHead(const QString &lowerWord,
                                              const Vocabulary::ExceptionLists &exceptions);
    // Drops the "a"/"an" in agreement with the noun when it becomes plural
    // (form number 2 or 3) and puts it back when the cycle comes back to the
    // singular (number 1).
    void followArticle(int number);

    Composition &m_composition;
    const Vocabulary::ExceptionLists &m_exceptions;
    Forms m_forms;
    QString m_droppedArticle; // as it stood in the text, "A" or "an"
};
