#pragma once

#include "compose/ui/action_undo.h"

#include <QObject>
#include <functional>

class Board;
class ComposeEngine;
class DocumentEditor;
class QPoint;
class QWidget;

// Connects the punctuation, article and editing buttons of the board, the
// sub-panels pA, pThe and pApostrophe, and the editor's key and mouse
// events to the composition rules. The rules live in the engine; this class
// only does what is visibly the window's, such as lighting "Repeat OK" and
// "GRAB" as the composition arms them.
class ComposeButtons : public QObject
{
    Q_OBJECT
public:
    ComposeButtons(Board *board, DocumentEditor *editor, ComposeEngine &engine,
                   QObject *parent = nullptr);

    // Edit > Undo and Redo: the last action taken back or put back, with
    // the caret and the composition state (ActionUndo).
    void EditUndo() { m_undo.undo(); }
    void EditRedo() { m_undo.redo(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectButton(const char *name, const std::function<void()> &handler);
    void connectPanelButton(const char *name, QWidget *panel, const std::function<void()> &handler);
    void buildPanels();
    // The items of pA, pThe or pApostrophe, once the panel is built.
    void connectPanelItems(QWidget *panel);
    // Whether a click at a viewport point lies below the last line of text.
    bool isBelowText(const QPoint &viewportPoint) const;
    void keyUp(int key);
    // "Repeat OK" and "GRAB" lit or idle as the composition says.
    void updateIndicators();

    Board *m_board;
    DocumentEditor *m_editor;
    ComposeEngine &m_engine;
    ActionUndo m_undo;
    // The modifiers held when the key now being released was let go.
    Qt::KeyboardModifiers m_releaseModifiers;
};
