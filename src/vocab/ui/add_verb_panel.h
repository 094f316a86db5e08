#pragma once

#include "vocab/verb_list_editor.h"

#include <QObject>
#include <array>

class Board;
class ComposeEngine;
class Dialogs;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;
class TColorButton;

// The Add Verb panel pAddVerb over the board: the three verb tables, the
// five forms of the verb being entered with an example sentence start each,
// the chosen table's infinitives and Accept, Delete and Exit. Enter on a
// new infinitive proposes its other forms; on a stored one loads them.
class AddVerbPanel : public QObject
{
    Q_OBJECT
public:
    // document takes the focus back when the panel closes; a verb that goes
    // into the text takes the engine's tense.
    AddVerbPanel(Board *board, ComposeEngine &engine, QWidget *document, QObject *parent = nullptr);

    // Built the first time the panel is opened (or the board builds its
    // pending panels).
    QWidget *panel()
    {
        ensureBuilt();
        return m_panel;
    }

    // Edit > Verb Lists (the caller closes the Add Word panel first).
    void miVerbListsClick();
    // The word pick list's Add (editRow -1, insertAfterAccept true: the
    // accepted verb also goes into the text) or Edit (editRow the verb's
    // row) on the verb table table.
    void openFor(Vocabulary::List table, int editRow, bool insertAfterAccept);
    void btnExitVerbClick();

private:
    // Someone else (the word pick list) changed table: show it afresh if it
    // is the one on view, and forget the chosen row, which may have moved.
    void listChanged(Vocabulary::List table);
    enum Field { To, S, Ing, Ed, En };

    void ensureBuilt();
    void buildWidgets(Board *board);
    void show(Vocabulary::List table);
    void rbClick(Vocabulary::List table);
    void lbVerbPickClick(int row);
    void btnAcceptClick();
    void btnDeleteVerbClick();
    void enterInfinitive();
    void setFields(const QStringList &forms);
    void clearFields();
    QStringList fieldTexts() const;
    void refreshList(qsizetype row);
    // Focuses field with the caret fromEnd characters before its end.
    void focusField(Field field, int fromEnd);
    bool fieldKey(Field field, int key);
    bool eventFilter(QObject *watched, QEvent *event) override;

    VerbListEditor m_editor;
    // While this panel changes a table itself it already shows the result.
    bool m_changing = false;
    Board *m_board;
    Dialogs &m_dialogs;
    QWidget *m_document;
    // Opened by the pick list's Add: Accept also inserts the verb.
    bool m_insertAfterAccept = false;
    QWidget *m_panel = nullptr;
    QRadioButton *rbVerbs = nullptr;
    QRadioButton *rbGo = nullptr;
    QRadioButton *rbSay = nullptr;
    std::array<QLineEdit *, VerbTable::ColumnCount> m_fields{};
    QListWidget *lbVerbPick = nullptr;
    TColorButton *btnAccept = nullptr;
    TColorButton *btnDeleteVerb = nullptr;
    TColorButton *btnExitVerb = nullptr;
};
