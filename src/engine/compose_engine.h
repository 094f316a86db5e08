#pragma once

#include "compose/articles.h"
#include "compose/composition.h"
#include "compose/editing_keys.h"
#include "compose/punctuation.h"
#include "compose/word_undo.h"
#include "morph/derivation.h"
#include "morph/modals.h"
#include "morph/negation.h"
#include "morph/plurals.h"
#include "morph/verbs.h"
#include "panels/panel_word_rules.h"
#include "panels/word_cycles.h"
#include "vocab/category_words.h"
#include "vocab/word_pick.h"

#include <QObject>

class Dialogs;
class Preferences;
class RandomSource;
class TextSurface;
class Vocabulary;

// Every rule of composition in one place: the state of the text being
// composed and each button's rule, wired to one another here. The window,
// script mode, the tests and the benchmarks all build this one object over
// a text surface (the editor's or an in-memory one) and hand its rules to
// whoever shows their buttons.
//
// The engine reads the preferences (tense, poetry or prose) as they stand
// at each click, draws random words from the random source and asks its
// questions through the dialogs; none of them is owned.
class ComposeEngine : public QObject
{
    Q_OBJECT
public:
    ComposeEngine(TextSurface *surface, Vocabulary &vocabulary, Preferences &preferences,
                  RandomSource &random, Dialogs &dialogs, QObject *parent = nullptr);

    // The text, the caret and the state every button shares.
    Composition &composition() { return m_composition; }
    const Composition &composition() const { return m_composition; }

    // Full stop, comma, quotes, apostrophe, hyphen, parentheses, ...
    Punctuation &punctuation() { return m_punctuation; }
    // "a"/"an" and "the" with their sub-panels.
    Articles &articles() { return m_articles; }
    // REMOVE, Enter, the caret keys, GRAB, Repeat OK and the editor's keys.
    EditingKeys &editingKeys() { return m_keys; }
    // Edit > Undo and Redo of whole words.
    WordUndo &wordUndo() { return m_wordUndo; }
    // PLURALIZE.
    Plurals &plurals() { return m_plurals; }
    // The helping verbs, the verb lists, the suffixes, infinitive, tense.
    Verbs &verbs() { return m_verbs; }
    // Degree, -ly, -y, -ness and the other affix buttons.
    Derivation &derivation() { return m_derivation; }
    // "not" and the prefixes that negate.
    Negation &negation() { return m_negation; }
    // The modal button and panel.
    Modals &modals() { return m_modals; }
    // Buttons whose repeated click cycles a fixed set of words.
    WordCycles &cycles() { return m_cycles; }
    // Every button that inserts a word of its own, on a panel or the main
    // board, and the custom buttons.
    PanelWordRules &panelWords() { return m_panelWords; }
    // Category buttons that insert a random word of their list, "noun",
    // numbers and "oh".
    CategoryWords &categoryWords() { return m_categoryWords; }
    // The word pick list a right click opens.
    WordPick &wordPick() { return m_wordPick; }

    Vocabulary &vocabulary() { return m_vocabulary; }
    Preferences &preferences() { return m_preferences; }
    RandomSource &random() { return m_random; }
    Dialogs &dialogs() { return m_dialogs; }

    // The poetry/prose choice stands on "prose": Enter and line ends follow it.
    bool prose() const;
    // The tense setting stands on "past tense": verbs take their past forms.
    bool pastTense() const;

private:
    Vocabulary &m_vocabulary;
    Preferences &m_preferences;
    RandomSource &m_random;
    Dialogs &m_dialogs;

    Composition m_composition;
    Punctuation m_punctuation;
    Articles m_articles;
    EditingKeys m_keys;
    WordUndo m_wordUndo;
    Plurals m_plurals;
    Verbs m_verbs;
    Derivation m_derivation;
    Negation m_negation;
    Modals m_modals;
    WordCycles m_cycles;
    PanelWordRules m_panelWords;
    CategoryWords m_categoryWords;
    WordPick m_wordPick;
};
