#pragma once

#include "compose/articles.h"
#include "compose/editing_keys.h"
#include "compose/punctuation.h"
#include "compose/ui/action_undo.h"

#include <QObject>
#include <functional>

class Board;
class DocumentEditor;
class QPoint;
class QWidget;

// Connects the punctuation, article and editing buttons of the board, the
// sub-panels pA, pThe and pApostrophe, and the editor's key and mouse
// events to the composition rules. The rules live in Punctuation, Articles
// and EditingKeys; this class only does what is visibly the window's.
class ComposeButtons : public QObject
{
    Q_OBJECT
public:
    // prose tells whether the poetry/prose choice is on "prose".
    ComposeButtons(Board *board, DocumentEditor *editor, Composition &composition,
                   std::function<bool()> prose, QObject *parent = nullptr);

    Punctuation &punctuation() { return m_punctuation; }
    Articles &articles() { return m_articles; }
    EditingKeys &editingKeys() { return m_keys; }

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

    Board *m_board;
    DocumentEditor *m_editor;
    std::function<bool()> m_prose;
    Punctuation m_punctuation;
    Articles m_articles;
    EditingKeys m_keys;
    ActionUndo m_undo;
    // The modifiers held when the key now being released was let go.
    Qt::KeyboardModifiers m_releaseModifiers;
};
