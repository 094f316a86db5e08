#pragma once

#include "word_panel_desc.h"

#include <QPoint>
#include <QSize>

#include <span>

// The word panels that lie over the board (conjunctions, prepositions,
// pronouns, adverbs of time, place and degree), and the small pronoun
// sub-panels over pMain that list the forms of I, you, he, she and it.
namespace WordPanelTables {

inline constexpr QSize kWordPanelSize{632, 185};

inline constexpr quint32 kConjunctionColor = 0x00707038;
inline constexpr quint32 kConjunctionPhraseColor = 0x004E7236;
inline constexpr quint32 kAdverbColor = 0x007B3F81;
inline constexpr quint32 kPrepositionColor = 0x00436170;
inline constexpr quint32 kStemColor = 0x00454B74;
inline constexpr quint32 kUnderStemColor = 0x00437061;
inline constexpr quint32 kPhraseWordColor = 0x00BA7474;
inline constexpr quint32 kNounLikeColor = 0x00226718;
inline constexpr quint32 kPronounStemColor = 0x002E5A3C;
inline constexpr quint32 kPronounColor = 0x0043823E;
inline constexpr quint32 kIColor = 0x0025944F;
inline constexpr quint32 kYouColor = 0x003C6F84;
inline constexpr quint32 kHeColor = 0x00855C3A;
inline constexpr quint32 kSheColor = 0x007B3F81;
inline constexpr quint32 kWeColor = 0x003C3C84;
inline constexpr quint32 kTheyColor = 0x008F4D45;
inline constexpr quint32 kItColor = 0x0024549B;
inline constexpr quint32 kOneColor = 0x00516A6F;
inline constexpr quint32 kTimePlaceColor = 0x006A2073;
inline constexpr quint32 kCustomConjunctionColor = 0x00818141;
inline constexpr quint32 kCustomPrepositionColor = 0x00567C8F;
inline constexpr quint32 kCustomTimePlaceColor = 0x009F649B;
inline constexpr quint32 kCustomDegreeColor = 0x009E6CA4;

const WordPanelDesc &conjunctionPanel();
const WordPanelDesc &prepositionPanel();
const WordPanelDesc &pronounPanel();
const WordPanelDesc &advTimePanel();
const WordPanelDesc &advPlacePanel();
const WordPanelDesc &advDegreePanel();
// The six, in the order above.
std::span<const WordPanelDesc *const> wordPanels();

} // namespace WordPanelTables
