#pragma once

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

    // Edit > Undo: the editor's own undo where it has one (typed text);
    // word insertions are outside it, so otherwise Remove takes back the
    // last inserted word.
    void EditUndo();
    // Edit > Redo: puts back what Undo took, word by word; the editor's own
    // redo for typed text.
    void EditRedo();

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
    // Set while Undo or Redo changes the text, which keeps the words to redo.
    bool m_undoing = false;
    // The modifiers held when the key now being released was let go.
    Qt::KeyboardModifiers m_releaseModifiers;
};
