#pragma once

#include "word_pick.h"

#include <QObject>
#include <functional>

class QListWidget;
class QWidget;
class TColorButton;
class TMainForm;

// The word pick panel pWordPick over the board: the list lbWordPick and the
// buttons Add, Delete, Edit and EXIT, driving a WordPick.
class WordPickPanel : public QObject
{
    Q_OBJECT
public:
    explicit WordPickPanel(TMainForm &form);

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

    // Opens the verb list editor: verbTag is "verb", "go" or
    // "say"; editIndex is the row to edit, or -1 to add a verb.
    std::function<void(const QString &verbTag, int editIndex)> openAddVerb;

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

    TMainForm &m_form;
    WordPick m_pick;
    QWidget *m_panel = nullptr;
    QListWidget *lbWordPick = nullptr;
    TColorButton *btnDeleteWordPick = nullptr;
    TColorButton *btnEditWordPick = nullptr;
};
