#include "controls/document_editor.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <algorithm>

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

qsizetype DocumentEditor::longestParagraphWith(const QString &text) const
{
    const QTextCursor c = textCursor();
    const QTextBlock first = document()->findBlock(c.selectionStart());
    const QTextBlock last = document()->findBlock(c.selectionEnd());
    qsizetype longest = 0;
    qsizetype run = c.selectionStart() - first.position();
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\n') || ch == QLatin1Char('\r') || ch == QChar::ParagraphSeparator) {
            longest = std::max(longest, run);
            run = 0;
        } else {
            ++run;
        }
    }
    // The block's length counts its paragraph mark.
    run += last.position() + last.length() - 1 - c.selectionEnd();
    return std::max(longest, run);
}

void DocumentEditor::insertFromMimeData(const QMimeData *source)
{
    if (m_paragraphLimit >= 0 && source->hasText()) {
        const qsizetype longest = longestParagraphWith(source->text());
        if (longest > m_paragraphLimit) {
            Q_EMIT pasteRefused(longest, m_paragraphLimit);
            return;
        }
    }
    QTextEdit::insertFromMimeData(source);
}
