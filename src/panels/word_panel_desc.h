#pragma once

#include "word_button_desc.h"

#include <span>

// A word panel over the board: its object name, the suffix that completes
// the derived names of its buttons, its items row by row, and what its
// custom buttons ask for.
struct WordPanelDesc
{
    const char *name;
    const char *nameSuffix;
    std::span<const WordButtonDesc> items;
    // The prompt of the "Edit Custom Button" dialog; nullptr when the panel
    // has no custom buttons.
    const char *customPrompt;
    // Index in PreferenceValues::customCaptions of the first custom button, or -1
    // when their captions are not in prefs.ini.
    int customRun;
};
