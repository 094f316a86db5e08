#pragma once

#include "button_desc.h"

#include <QRect>
#include <QSize>

#include <span>

// The fixed buttons of the prefix panel pPrefix, the suffix panel pSuffix and
// the "more" sub-panel pMore. Each affix button's word is the text its
// handler hands on ("anti-", "self--", "-ness"); the custom buttons start
// with empty captions (the user fills them in) and the EXIT buttons only
// hide their panel.
namespace AffixTables {

// pPrefix and pSuffix cover the board.
inline constexpr QSize kAffixPanelSize{632, 185};
// pMore lies over pMain, just below btnMore.
inline constexpr QRect kMorePanelRect{2, 54, 202, 54};

inline constexpr quint32 kAffixColor = 0x00146AB8;
inline constexpr quint32 kCustomAffixColor = 0x003373A2;
inline constexpr quint32 kMoreColor = 0x007B3F81;

std::span<const ButtonDesc> prefixButtons();
std::span<const ButtonDesc> prefixCustomButtons();
const ButtonDesc &exitPrefixButton();

std::span<const ButtonDesc> suffixButtons();
std::span<const ButtonDesc> suffixCustomButtons();
const ButtonDesc &exitSuffixButton();

// "more" 1, "most" 2, "less" 3, "least" 4, in that order.
std::span<const ButtonDesc> moreButtons();
const ButtonDesc &moreExitButton();

} // namespace AffixTables
