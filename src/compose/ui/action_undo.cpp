#include "compose/ui/action_undo.h"

#include "compose/composition.h"

#include <QApplication>
#include <QEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>

ActionUndo::ActionUndo(QTextEdit *editor, Composition &composition, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_c(composition)
{
    QTextDocument *doc = m_editor->document();
    connect(doc, &QTextDocument::undoCommandAdded, this, &ActionUndo::entryAdded);
    // The history emptied (a new or opened document): the steps with it.
    connect(doc, &QTextDocument::undoAvailable, this, [this](bool available) {
        if (!available && !m_busy)
            m_undo.clear();
    });
    connect(doc, &QTextDocument::redoAvailable, this, [this](bool available) {
        if (!available && !m_busy)
            m_redo.clear();
    });
    // Clicks and keys anywhere in the program start actions; the filter
    // only looks.
    qApp->installEventFilter(this);
    m_before = snapshot();
}

ActionUndo::Snapshot ActionUndo::snapshot() const
{
    const QTextCursor c = m_editor->textCursor();
    return {m_c.state, c.anchor(), c.position()};
}

void ActionUndo::restore(const Snapshot &s)
{
    const int end = m_editor->document()->characterCount() - 1;
    QTextCursor c = m_editor->textCursor();
    c.setPosition(std::clamp(s.anchor, 0, end));
    c.setPosition(std::clamp(s.position, 0, end), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(c);
    m_editor->ensureCursorVisible();
    // After the caret: moving it may reset the state.
    m_c.state = s.state;
    // GRAB and Repeat OK go out, as after any edit: what they were armed
    // for is gone.
    m_c.state.GrabArmed = false;
    m_c.setIndicators(false, false);
    m_stepOpen = false;
    m_before = snapshot();
}

bool ActionUndo::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A person's own key or click always starts an action; one the
        // program sends (a button that sends Enter to the editor) belongs
        // to the action under way.
        if (event->spontaneous()) {
            m_stepOpen = false;
            m_turnOpen = false;
        }
        if (!m_turnOpen) {
            m_before = snapshot();
            startTurn();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ActionUndo::startTurn()
{
    if (m_turnOpen)
        return;
    m_turnOpen = true;
    QTimer::singleShot(0, this, &ActionUndo::endTurn);
}

void ActionUndo::endTurn()
{
    m_turnOpen = false;
    m_stepOpen = false;
    m_before = snapshot();
}

void ActionUndo::entryAdded()
{
    if (m_busy)
        return;
    if (m_stepOpen && !m_undo.isEmpty()) {
        ++m_undo.last().entries;
        return;
    }
    m_undo.append({1, m_before, {}});
    m_redo.clear();
    m_stepOpen = true;
    startTurn();
}

void ActionUndo::undo()
{
    QTextDocument *doc = m_editor->document();
    if (m_undo.isEmpty() || !doc->isUndoAvailable())
        return;
    Step step = m_undo.takeLast();
    step.after = snapshot();
    m_busy = true;
    for (int i = 0; i < step.entries && doc->isUndoAvailable(); ++i)
        doc->undo();
    m_busy = false;
    restore(step.before);
    m_redo.append(step);
    m_editor->setFocus();
}

void ActionUndo::redo()
{
    QTextDocument *doc = m_editor->document();
    if (m_redo.isEmpty() || !doc->isRedoAvailable())
        return;
    const Step step = m_redo.takeLast();
    m_busy = true;
    for (int i = 0; i < step.entries && doc->isRedoAvailable(); ++i)
        doc->redo();
    m_busy = false;
    restore(step.after);
    m_undo.append(step);
    m_editor->setFocus();
}
