#pragma once

#include "compose/composition_state.h"

#include <QList>
#include <QObject>

class Composition;
class QTextEdit;

// Edit > Undo and Redo, one action of the user's at a time: a word or mark
// click, a click that transforms a word, a run of typed letters, an editing
// button or key. The text changes themselves are the editor's own undo
// history, which keeps formatting exactly; this class groups them by
// action and puts back the caret and the composition state of before the
// action (Undo) or after it (Redo), which the editor's history knows
// nothing of.
//
// An action is what the program does for one key press or click: every
// change made before the event loop runs again belongs to it.
class ActionUndo : public QObject
{
public:
    ActionUndo(QTextEdit *editor, Composition &composition, QObject *parent = nullptr);

    void undo();
    void redo();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Snapshot
    {
        CompositionState state;
        int anchor = 0;
        int position = 0;
    };
    // The editor's history entries one action made, and the snapshots
    // around it.
    struct Step
    {
        int entries = 0;
        Snapshot before;
        Snapshot after;
    };

    Snapshot snapshot() const;
    void restore(const Snapshot &snapshot);
    void entryAdded();
    // Marks the start of an action; its end comes when the event loop runs.
    void startTurn();
    void endTurn();

    QTextEdit *m_editor;
    Composition &m_c;
    QList<Step> m_undo;
    QList<Step> m_redo;
    // The state the next action starts from.
    Snapshot m_before;
    bool m_turnOpen = false;
    bool m_stepOpen = false;
    // Set while Undo or Redo goes through the editor's history.
    bool m_busy = false;
};
