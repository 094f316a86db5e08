#include "shell/ui/edit_commands.h"

#include "compose/composition_state.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

EditCommands::EditCommands(QTextEdit *editor, CompositionState *state, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_state(state)
{
    connect(m_editor, &QTextEdit::selectionChanged, this, &EditCommands::ActionList2Update);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &EditCommands::ActionList2Update);
    connect(qApp, &QApplication::focusChanged, this, &EditCommands::ActionList2Update);
}

void EditCommands::setActions(QAction *cut, QAction *copy, QAction *paste)
{
    m_cut = cut;
    m_copy = copy;
    m_paste = paste;
    connect(cut, &QAction::triggered, this, &EditCommands::EditCut);
    connect(copy, &QAction::triggered, this, &EditCommands::EditCopy);
    connect(paste, &QAction::triggered, this, &EditCommands::EditPaste);
    m_paste->setEnabled(m_editor->canPaste());
    ActionList2Update();
}

void EditCommands::EditCut()
{
    m_editor->cut();
}

void EditCommands::EditCopy()
{
    m_editor->copy();
}

void EditCommands::EditPaste()
{
    QTextDocument *doc = m_editor->document();
    const int start = m_editor->textCursor().selectionStart();
    m_state->WordStart = start;
    m_editor->paste();
    const int end = m_editor->textCursor().position();
    if (end <= start)
        return; // nothing was pasted, so nothing before the caret is touched

    const QFont font = pasteFont ? pasteFont() : doc->defaultFont();
    QTextCharFormat format;
    format.setFontFamilies({font.family()});
    if (font.pointSizeF() > 0)
        format.setFontPointSize(font.pointSizeF());
    if (plainText && plainText()) {
        format.setFontWeight(font.weight());
        format.setFontItalic(font.italic());
        format.setFontUnderline(font.underline());
        format.setFontStrikeOut(font.strikeOut());
    }
    QTextCursor pasted(doc);
    pasted.setPosition(start);
    pasted.setPosition(end, QTextCursor::KeepAnchor);
    pasted.mergeCharFormat(format);

    QTextCursor caret(doc);
    caret.setPosition(end);
    const QChar last = doc->characterAt(end - 1);
    if (doc->characterCount() - 1 > 1 &&
        (last == QChar::ParagraphSeparator || last == QChar::LineSeparator)) {
        caret.deletePreviousChar();
    }
    m_editor->setTextCursor(caret);
}

void EditCommands::ActionList2Update()
{
    if (!m_cut)
        return;
    const bool selected = m_editor->textCursor().hasSelection();
    m_cut->setEnabled(selected);
    m_copy->setEnabled(selected);
    if (m_editor->hasFocus())
        m_paste->setEnabled(m_editor->canPaste());
}
