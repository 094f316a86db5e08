#pragma once

#include "prefs/preferences.h"

#include <span>

// The main board's buttons that show a setting: the caption each takes from
// the preferences or from the noun categories, and the category button of
// each left-click group, whose bevel tells what its left click does. The
// word panels, which put them on, and the preferences panel, which edits
// them, both go by this one table.
class SettingButtons
{
public:
    struct Caption
    {
        const char *button;
        // The noun category whose caption it shows, or -1 ...
        int noun;
        // ... and then the preference that holds its caption.
        QString PreferenceValues::*caption;
    };
    static constexpr int CaptionCount = 15;
    // In the preferences panel's order: the buttons of the main panel, then
    // the nouns.
    static std::span<const Caption> captions();
    // The category button of a left-click group.
    static const char *leftClickButton(PreferenceValues::LeftClickGroup group);
};
