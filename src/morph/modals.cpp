#include "modals.h"

namespace {

const QString kModal = QStringLiteral("modal");

} // namespace

Modals::Modals(Composition &composition)
    : m_composition(composition)
{}

bool Modals::btnModalClick(LeftClick choice, const QStringList &modalList, RandomSource &random)
{
    if (choice == DisplaysScreen) {
        modalScreenClick();
        return true;
    }
    modalRandomClick(modalList, random);
    return false;
}

void Modals::modalScreenClick()
{
    CompositionState &s = m_composition.state;
    s.GrabArmed = false;
    s.ReplaceMode = s.LastAction == kModal ? 1 : 0;
}

bool Modals::modalRandomClick(const QStringList &modalList, RandomSource &random)
{
    CompositionState &s = m_composition.state;
    s.GrabArmed = false;
    const int count = int(modalList.size());
    if (count == 0)
        return false;
    // A repeated click replaces the modal with another row, so the word changes.
    const bool repeated = s.LastAction == kModal;
    const int row = drawIndex(count, repeated, s.FormIndex, random);
    s.ReplaceMode = repeated ? 1 : 0;
    insertModal(modalList.at(row));
    s.FormIndex = row;
    return true;
}

void Modals::modalPanelItemClick(const QString &word)
{
    CompositionState &s = m_composition.state;
    s.ReplaceMode = s.LastAction == kModal ? 1 : 0;
    insertModal(word);
}

void Modals::insertModal(const QString &word)
{
    CompositionState &s = m_composition.state;
    // A contraction is joined to the word before it, and a modal that
    // replaces one stands apart from that word again: the span goes first
    // and the text before the caret decides spacing and capitals, as in the
    // apostrophe cycle.
    if (s.ReplaceMode == 1 &&
        (word.startsWith(QLatin1String("-'")) || s.CurrentWord.startsWith(QLatin1String("-'"))))
        m_composition.ReadContextBeforeCaret();
    m_composition.insert(kModal, word);
    s.VerbForm = 1;
}
