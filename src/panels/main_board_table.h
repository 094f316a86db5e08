#pragma once

#include "button_desc.h"

#include <span>

// The buttons of the board's resting face, row by row. A width of 0 means
// "up to the next button of the row" (or to the board's right edge).
std::span<const ButtonDesc> mainBoardButtons();

inline constexpr int kBoardWidth = 640;
inline constexpr int kBoardHeight = 186;
inline constexpr int kBoardButtonHeight = 24;
