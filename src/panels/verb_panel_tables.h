#pragma once

#include "button_desc.h"

#include <span>

// The sub-panels of the pronoun and helping-verb buttons, shown by a right
// click on the button: every form of the word, the contractions that join
// the word before them, and EXIT.
namespace VerbPanelTables {

struct VerbPanel
{
    const char *panel;                 // the overlay's object name
    const char *opener;                // the board button whose right click shows it
    const char *tag;                   // ActionTag of every item
    std::span<const ButtonDesc> items; // word: the text inserted
    std::span<const int> numbers;      // the form number of each item
    ButtonDesc exit;
};

std::span<const VerbPanel> verbPanels();

} // namespace VerbPanelTables
