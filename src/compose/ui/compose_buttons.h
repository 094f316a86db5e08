#pragma once

#include "compose/articles.h"
#include "compose/editing_keys.h"
#include "compose/punctuation.h"
#include "compose/word_undo.h"

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

    Board *m_board;
    DocumentEditor *m_editor;
    std::function<bool()> m_prose;
    Punctuation m_punctuation;
    Articles m_articles;
    EditingKeys m_keys;
    WordUndo m_wordUndo;
    // Set while Undo or Redo changes the text, which keeps the words to redo.
    bool m_undoing = false;
    // The modifiers held when the key now being released was let go.
    Qt::KeyboardModifiers m_releaseModifiers;
};
