#include "word_cycles.h"

namespace {

constexpr const char *kTo[] = {"to", "too", "two"};
constexpr const char *kI[] = {"I", "me", "my", "mine", "myself"};
constexpr const char *kYou[] = {"you", "your", "yours", "yourself", "yourselves"};
constexpr const char *kShe[] = {"she", "her", "hers", "herself"};
constexpr const char *kHe[] = {"he", "him", "his", "himself"};
constexpr const char *kIt[] = {"it", "its", "itself"};
constexpr const char *kMore[] = {"more", "most", "less", "least"};

const WordCycles::Cycle kCycles[] = {
    {"btnToMain", kTo}, {"btnImain", kI},   {"btnYouMain", kYou}, {"btnSheMain", kShe},
    {"btnHeMain", kHe}, {"btnItMain", kIt}, {"btnMore", kMore},
};

} // namespace

std::span<const WordCycles::Cycle> WordCycles::cycles()
{
    return kCycles;
}

const WordCycles::Cycle *WordCycles::find(const QString &button)
{
    for (const Cycle &cycle : kCycles)
        if (button == QLatin1String(cycle.button))
            return &cycle;
    return nullptr;
}

WordCycles::WordCycles(Composition &composition)
    : m_composition(composition)
{}

void WordCycles::cycleClick(const Cycle &cycle)
{
    CompositionState &s = m_composition.state;
    int number;
    if (s.LastAction != cycle.base()) {
        s.GrabArmed = false;
        number = 1;
        s.ReplaceMode = 0;
    } else {
        // A FormIndex left by some other button starts the cycle afresh.
        number = nextFormNumber(s.FormIndex, cycle.count());
        s.ReplaceMode = 1;
    }
    insertForm(cycle, number);
}

void WordCycles::formClick(const Cycle &cycle, int number)
{
    CompositionState &s = m_composition.state;
    s.ReplaceMode = s.LastAction == cycle.base() ? 1 : 0;
    insertForm(cycle, std::clamp(number, 1, cycle.count()));
}

void WordCycles::insertForm(const Cycle &cycle, int number)
{
    CompositionState &s = m_composition.state;
    const QString form = cycle.form(number);
    m_composition.insert(cycle.base(), form);
    s.FormIndex = number;
}
