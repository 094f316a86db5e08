#pragma once

#include "button_desc.h"
#include "label_desc.h"

#include <QRect>

#include <span>

// The modal panel pModal: the true modals, the verbal auxiliaries and the
// contractions "-'ll" and "-'d", under their group labels.
namespace ModalTable {

// pModal lies inside pMain, not over the whole board.
inline constexpr QRect kModalPanelRect{189, 2, 382, 156};

inline constexpr quint32 kModalColor = 0x00AA764A;
inline constexpr quint32 kSupposedToColor = 0x009A1BA5;
inline constexpr quint32 kUsedToColor = 0x00855C3A;

std::span<const ButtonDesc> modalButtons();
const ButtonDesc &exitModalButton();
std::span<const LabelDesc> modalLabels();

} // namespace ModalTable
