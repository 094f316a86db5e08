#include "word_undo.h"

#include "composition.h"
#include "editing_keys.h"

#include <algorithm>

WordUndo::WordUndo(Composition &composition, EditingKeys &keys)
    : m_c(composition)
    , m_keys(keys)
{}

void WordUndo::undoWord()
{
    TextSurface &t = m_c.surface();
    const QString before = t.text();
    const CompositionState state = m_c.state;
    const int caret = t.caret();
    m_keys.btnRemoveClick();
    const QString after = t.text();
    if (after == before)
        return;
    // The changed stretch: what the two texts do not share at either end.
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    m_redo.append({int(head), before.mid(head, before.size() - head - tail),
                   int(after.size() - head - tail), state, caret});
}

bool WordUndo::redoWord()
{
    if (m_redo.isEmpty())
        return false;
    const Step step = m_redo.takeLast();
    TextSurface &t = m_c.surface();
    t.select(step.at, step.insertedLength);
    t.replaceSelection(step.removed);
    m_c.state = step.state;
    // GRAB's light went out with the Undo; it stays out.
    m_c.state.GrabArmed = false;
    t.setCaret(step.caret);
    return true;
}
