#include "modal_table.h"

namespace ModalTable {

namespace {

// Labels in a column on the left, the buttons of each group beside them,
// the contractions at the top right.
constexpr ButtonDesc kModalButtons[] = {
    {"btnCanModal", "can", 140, 2, 40, 24, kModalColor, "can"},
    {"btnCouldModal", "could", 182, 2, 55, 24, kModalColor, "could"},
    {"btnMay", "may", 239, 2, 44, 24, kModalColor, "may"},
    {"btnMight", "might", 140, 28, 55, 24, kModalColor, "might"},
    {"btnShall", "shall", 197, 28, 48, 24, kModalColor, "shall"},
    {"btnShould", "should", 247, 28, 65, 24, kModalColor, "should"},
    {"btnWill", "will", 140, 54, 36, 24, kModalColor, "will"},
    {"btnWould", "would", 178, 54, 58, 24, kModalColor, "would"},
    {"btnMust", "must", 238, 54, 50, 24, kModalColor, "must"},
    {"btnOught", "ought", 151, 80, 57, 24, kModalColor, "ought"},
    {"btnBetter", "better", 151, 106, 56, 24, kModalColor, "better"},
    {"btnSupposedTo", "supposed to", 151, 132, 108, 24, kSupposedToColor, "supposed to"},
    {"btnUsedTo", "used to", 261, 132, 69, 24, kUsedToColor, "used to"},
    {"btnLl", "-'ll", 326, 2, 54, 24, kModalColor, "-'ll"},
    {"btnD", "-'d", 326, 28, 54, 24, kModalColor, "-'d"},
};

constexpr ButtonDesc kModalExit = {"btnExitModal", "EXIT", 332, 132, 48, 24, kClBlack, nullptr};

constexpr LabelDesc kModalLabels[] = {
    {"The true modals:", 4, 6, 130, 16},
    {"Verbal auxilliaries:", 4, 84, 141, 16},
    {"Adjective phrase:", 4, 110, 135, 16},
    {"Verb phrase:", 4, 136, 100, 16},
};

} // namespace

std::span<const ButtonDesc> modalButtons()
{
    return kModalButtons;
}

const ButtonDesc &exitModalButton()
{
    return kModalExit;
}

std::span<const LabelDesc> modalLabels()
{
    return kModalLabels;
}

} // namespace ModalTable
