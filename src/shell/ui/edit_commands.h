#pragma once

#include <QFont>
#include <QObject>
#include <functional>

class QAction;
class QTextEdit;
struct CompositionState;

// Cut, Copy and Paste of the Edit menu and the tool bar, and keeping them
// available only when they can act (ActionList2Update).
class EditCommands : public QObject
{
    Q_OBJECT
public:
    EditCommands(QTextEdit *editor, CompositionState *state, QObject *parent);

    // The actions this enables and disables; they trigger the commands.
    void setActions(QAction *cut, QAction *copy, QAction *paste);

    // The font pasted text takes (the document font chosen in the
    // preferences); the editor's default font when not set.
    std::function<QFont()> pasteFont;
    // True when documents are plain text: pasted text then takes the
    // font's style as well.
    std::function<bool()> plainText;

    void EditCut();
    void EditCopy();
    // Pastes at the caret, gives the pasted text the document font and
    // drops one line break that ends it; the caret ends after the text.
    void EditPaste();
    void ActionList2Update();

private:
    QTextEdit *m_editor;
    CompositionState *m_state;
    QAction *m_cut = nullptr;
    QAction *m_copy = nullptr;
    QAction *m_paste = nullptr;
};
