#pragma once

#include "composition_state.h"

#include <QList>
#include <QString>

class Composition;
class EditingKeys;

// Undo and Redo of inserted words. Words are put into the text outside the
// editor's own undo history, so Undo takes the last word back as Remove
// does and keeps what it took, and Redo puts it back, word by word. A change
// of the text made any other way makes the kept words stale: forget() them.
class WordUndo
{
public:
    WordUndo(Composition &composition, EditingKeys &keys);

    void undoWord();
    // Returns false when there is nothing to put back.
    bool redoWord();
    void forget() { m_redo.clear(); }

private:
    // What one Undo changed: at `at`, `removed` gave way to insertedLength
    // characters (spacing put right); the state and caret before it.
    struct Step
    {
        int at;
        QString removed;
        int insertedLength;
        CompositionState state;
        int caret;
    };

    Composition &m_c;
    EditingKeys &m_keys;
    QList<Step> m_redo;
};
