#pragma once

#include "vocab/word_pick.h"

#include <QObject>

class Board;
class QListWidget;
class QWidget;
class TColorButton;

// The word pick panel pWordPick over the board: the list lbWordPick and the
// buttons Add, Delete, Edit and EXIT, driving a WordPick.
class WordPickPanel : public QObject
{
    Q_OBJECT
public:
    // Shows and drives pick; document takes the focus back when the panel
    // closes.
    WordPickPanel(Board &board, WordPick &pick, QWidget *document, QObject *parent = nullptr);

    // Fills the list with the tag's words and shows the panel.
    void open(const QString &tag, bool clearGrab = true);

    WordPick &pick() { return m_pick; }
    // Built the first time the panel opens (or the board builds its pending
    // panels).
    QWidget *panel()
    {
        ensureBuilt();
        return m_panel;
    }

Q_SIGNALS:
    // Add or Edit on a verb list: verbTag is "verb", "go" or "say"; row is
    // the verb to edit, or -1 to add one. The verb list editor answers.
    void verbEditorRequested(const QString &verbTag, int row);

private:
    void ensureBuilt();
    void lbWordPickClick(int row);
    void btnAddWordClick();
    void btnDeleteWordPickClick();
    void btnEditWordPickClick();
    void btnExitWordPickClick();
    void showVerbEditor(int editIndex);
    void resetCursors();
    void hide();

    Board &m_board;
    QWidget *m_document;
    WordPick &m_pick;
    QWidget *m_panel = nullptr;
    QListWidget *lbWordPick = nullptr;
    TColorButton *btnDeleteWordPick = nullptr;
    TColorButton *btnEditWordPick = nullptr;
};
