#include "shell/ui/document_editor.h"

#include <QKeyEvent>
#include <QMouseEvent>

DocumentEditor::DocumentEditor(QWidget *parent)
    : QTextEdit(parent)
{
    setObjectName(QStringLiteral("RichEdit1"));
    setAcceptRichText(true);
    setTabChangesFocus(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Dropped files go to the window, which opens them as documents.
    setAcceptDrops(false);
}

int DocumentEditor::positionAt(const QPoint &viewportPoint) const
{
    return cursorForPosition(viewportPoint).position();
}

void DocumentEditor::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT keyDown(event->key());
    QTextEdit::keyPressEvent(event);
}

void DocumentEditor::keyReleaseEvent(QKeyEvent *event)
{
    QTextEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        Q_EMIT keyUp(event->key());
}

void DocumentEditor::mousePressEvent(QMouseEvent *event)
{
    QTextEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT mouseDown(event->position().toPoint());
}

void DocumentEditor::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT mouseUp(event->position().toPoint());
}
