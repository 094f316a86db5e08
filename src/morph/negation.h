#pragma once

#include "compose/composition.h"

#include <QString>

// The "not" button: after a modal or helping verb it offers the contraction
// first ("can't", "isn't", "won't") and the full forms on further clicks;
// after any other word it adds " not". The forms are kept between clicks,
// together with what stood there before, which REMOVE puts back.
class Negation
{
public:
    struct Forms
    {
        QString form1;
        QString form2; // empty when the word has no contraction
        QString form3;
        // What REMOVE inserts again in place of the negation.
        QString before;
    };

    explicit Negation(Composition &composition);

    // The negation forms of word. A sentence mark may come with the spaces
    // that follow it in the text (".  "); they are kept between the mark and
    // "Not".
    static Forms negationForms(const QString &word);

    void btnNotClick();
    const Forms &forms() const { return m_forms; }

    // Called by REMOVE after it has deleted the last span: when that span was
    // a negation, inserts the word that stood there before and returns true.
    // REMOVE then sets LastAction and ReplaceMode as usual.
    bool restoreBeforeNegation();

private:
    Composition &m_composition;
    Forms m_forms;
};
