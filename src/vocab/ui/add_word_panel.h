#pragma once

#include "vocab/word_list_editor.h"

#include <QObject>

class Board;
class Dialogs;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;
class TColorButton;

// The Add Word panel pAddWord over the board: one radio button per word
// list, a copy of the chosen list, the word being typed and Accept, Delete
// Word and Exit. Changes stay in the vocabulary until the close question.
class AddWordPanel : public QObject
{
    Q_OBJECT
public:
    // document takes the focus back when the panel closes.
    AddWordPanel(Board *board, Vocabulary &vocabulary, Dialogs &dialogs, QWidget *document,
                 QObject *parent = nullptr);

    // Built the first time the panel is opened (or the board builds its
    // pending panels).
    QWidget *panel()
    {
        ensureBuilt();
        return m_panel;
    }

    // Edit > Word Lists (the caller closes the Add Verb panel first).
    void miWordListsClick();
    void btnExitWordClick();

private:
    // Someone else (the word pick list) changed list: show it afresh if it is
    // the one on view, and forget the chosen row, which may have moved.
    void listChanged(Vocabulary::List list);
    void ensureBuilt();
    void buildWidgets(Board *board);
    void rbClick(Vocabulary::List list);
    void lbWordListClick(int row);
    void btnAcceptWordClick();
    void btnDeleteWordClick();
    // Shows the list again, scrolled to row, with no row selected.
    void refreshList(qsizetype row);
    void afterChange(qsizetype row);
    bool eventFilter(QObject *watched, QEvent *event) override;

    WordListEditor m_editor;
    // While this panel changes a list itself it already shows the result.
    bool m_changing = false;
    Board *m_board;
    Dialogs &m_dialogs;
    QWidget *m_document;
    QWidget *m_panel = nullptr;
    QListWidget *lbWordList = nullptr;
    QLineEdit *editWord = nullptr;
    TColorButton *btnAcceptWord = nullptr;
    TColorButton *btnDeleteWord = nullptr;
    TColorButton *btnExitWord = nullptr;
};
