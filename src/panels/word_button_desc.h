#pragma once

#include <QtGlobal>

// What a button of a word panel does when clicked.
enum class WordShape : quint8 {
    Closing,          // inserts its word and hides its panel
    KeepOpen,         // inserts its word and leaves the panel up
    ClosingShowsMain, // closing, and puts the main panel back in view
    OneEnding,        // "-one": a separate "one" after "no", else joined
    Article,          // runs the main article button ("a" on pAdvTime)
    Custom,           // the caption is the user's word; the right button edits it
    Exit,             // only hides its panel
    Label,            // a caption on the panel, not a button
};

// One item of a word panel, as data. Panels are laid out in rows; widths
// follow the captions, so a table gives only the row and the order.
struct WordButtonDesc
{
    int row;
    // Object name; nullptr for "btn" + the caption's words capitalised +
    // the panel's name suffix ("btnEvenIfConj").
    const char *name;
    const char *caption;
    quint32 color;
    WordShape shape = WordShape::Closing;
    // The inserted text; nullptr for the caption, its double blanks made
    // single ("even  if" inserts "even if").
    const char *word = nullptr;
    // ActionTag; nullptr for the inserted text.
    const char *tag = nullptr;
    // Pronoun-panel buttons keep the ReplaceMode the category button left,
    // so a pick after a random pronoun replaces it.
    bool keepsReplaceMode = false;
};
