#pragma once

#include "compose/composition.h"

// How a transforming button (pluralize, the verb suffixes, infinitive) finds
// the word it works on before it computes the new form.
class WordCapture
{
public:
    // While GRAB is armed the caret counts as freshly placed, so the word
    // before it is captured; GRAB is then used up and its light goes out.
    // Returns whether GRAB was armed.
    static bool takeGrab(Composition &composition);

    // Captures the selection, or after a caret move the word before the
    // caret (otherwise the current word stays the word inserted last). A
    // selection becomes the span to replace and is let go, so the new form
    // takes its place while the capitals worked out for it still hold.
    static void captureWord(Composition &composition);

    // The word without the spaces that end a selection or a captured span.
    static QString trimmedTrailing(const QString &word);

    // form in the case of word, the word it replaces: all capitals when word
    // is in capitals (two letters or more), a first capital when word has
    // one, otherwise form as it is.
    static QString inCaseOf(const QString &word, const QString &form);
};
