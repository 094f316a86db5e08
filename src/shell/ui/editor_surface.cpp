#include "shell/ui/editor_surface.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

namespace {

QChar plainChar(QChar c)
{
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
        return QLatin1Char('\n');
    if (c == QChar::Nbsp)
        return QLatin1Char(' ');
    return c;
}

// Ends the edit block of a change of the program's. The editor would join
// letters typed next to an insertion into it, as one step of its history;
// a last entry that is no insertion (the paragraph's format, set to what it
// is) keeps them apart, so Undo takes back the word and the typing one by
// one.
void endStep(QTextCursor &c)
{
    c.setBlockFormat(c.blockFormat());
    c.endEditBlock();
}

} // namespace

EditorSurface::EditorSurface(QTextEdit *editor)
    : m_editor(editor)
{}

int EditorSurface::length() const
{
    return m_editor->document()->characterCount() - 1;
}

int EditorSurface::selStart() const
{
    return m_editor->textCursor().selectionStart();
}

int EditorSurface::selLength() const
{
    const QTextCursor c = m_editor->textCursor();
    return c.selectionEnd() - c.selectionStart();
}

QString EditorSurface::selectedText() const
{
    QString text = m_editor->textCursor().selectedText();
    for (QChar &c : text)
        c = plainChar(c);
    return text;
}

void EditorSurface::select(int start, int length)
{
    const int total = this->length();
    start = std::clamp(start, 0, total);
    length = std::clamp(length, 0, total - start);
    QTextCursor c = m_editor->textCursor();
    c.setPosition(start);
    if (length > 0)
        c.setPosition(start + length, QTextCursor::KeepAnchor);
    m_editor->setTextCursor(c);
}

QChar EditorSurface::charAt(int pos) const
{
    if (pos < 0 || pos >= length())
        return QChar();
    return plainChar(m_editor->document()->characterAt(pos));
}

int EditorSurface::lineStart(int pos) const
{
    pos = std::clamp(pos, 0, length());
    return m_editor->document()->findBlock(pos).position();
}

void EditorSurface::replaceSelection(const QString &text)
{
    QTextDocument *doc = m_editor->document();
    QTextCursor c = m_editor->textCursor();
    if (!c.hasSelection() && text.isEmpty())
        return;
    // The same text again changes nothing, and makes no step for Undo.
    if (c.hasSelection() && selectedText() == text) {
        c.setPosition(c.selectionEnd());
        m_editor->setTextCursor(c);
        return;
    }
    // Into the editor's history, which Undo takes back action by action.
    c.beginEditBlock();
    c.insertText(text);
    endStep(c);
    m_editor->setTextCursor(c);
    doc->setModified(true);
}

void EditorSurface::sendKey(EditKey key)
{
    int code = Qt::Key_Space;
    QString text = QStringLiteral(" ");
    switch (key) {
    case EditKey::Space:
        break;
    case EditKey::Enter:
        code = Qt::Key_Return;
        text = QStringLiteral("\r");
        break;
    case EditKey::Delete:
        code = Qt::Key_Delete;
        text.clear();
        break;
    case EditKey::Backspace:
        code = Qt::Key_Backspace;
        text = QStringLiteral("\b");
        break;
    }
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    // Delete at the very end has nothing to take, yet the editor would
    // still make an entry of its history, which Undo would then take back
    // as an action that shows nothing.
    if (key == EditKey::Delete && !m_editor->textCursor().hasSelection() &&
        m_editor->textCursor().atEnd())
        return;
    QTextCursor c(m_editor->document());
    const int revision = m_editor->document()->revision();
    c.beginEditBlock();
    QApplication::sendEvent(m_editor, &press);
    QApplication::sendEvent(m_editor, &release);
    // A key that changed nothing (Delete at the end) makes no step.
    if (m_editor->document()->revision() == revision) {
        c.endEditBlock();
        return;
    }
    c.setPosition(m_editor->textCursor().position());
    endStep(c);
}

void EditorSurface::setFocus()
{
    m_editor->setFocus();
}

QString EditorSurface::text() const
{
    QString text = m_editor->toPlainText();
    for (QChar &c : text)
        c = plainChar(c);
    return text;
}
