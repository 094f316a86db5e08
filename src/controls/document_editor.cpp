#include "controls/document_editor.h"

#include "controls/zoomed_text_device.h"
#include "shell/formats/embedded_resources.h"

#include <QAbstractTextDocumentLayout>
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

DocumentEditor::~DocumentEditor()
{
    // The document outlives this part of the editor.
    document()->documentLayout()->setPaintDevice(nullptr);
}

void DocumentEditor::setDisplayScale(double scale)
{
    if (qFuzzyCompare(scale, m_displayScale))
        return;
    m_displayScale = scale;
    // The layout resolves point sizes and scales its lengths for the
    // resolution of its paint device: a screen of scale times the real
    // resolution lays out everything that many times larger, and the
    // editor, hit testing and scroll bars included, works on that layout.
    std::unique_ptr<ZoomedTextDevice> device;
    if (!qFuzzyCompare(scale, 1.0))
        device = std::make_unique<ZoomedTextDevice>(logicalDpiY(), scale);
    document()->documentLayout()->setPaintDevice(device.get());
    m_zoomedDevice = std::move(device);
    document()->markContentsDirty(0, document()->characterCount());
    ensureCursorVisible();
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
    if (acceptRichText() &&
        (source->hasHtml() || source->hasFormat(QStringLiteral("application/x-qrichtext")))) {
        // Qt lays out what is inserted at once, and a picture it cannot find
        // among the resources it loads from the file the HTML names: the
        // HTML is made into a document of its own first, whose look-ups
        // read no file, and what reaches the editor holds no such picture.
        QMimeData safe;
        safe.setHtml(EmbeddedResources::withoutForeignImages(
            source->hasFormat(QStringLiteral("application/x-qrichtext"))
                ? QString::fromUtf8(source->data(QStringLiteral("application/x-qrichtext")))
                : source->html()));
        if (source->hasText())
            safe.setText(source->text());
        QTextEdit::insertFromMimeData(&safe);
        return;
    }
    QTextEdit::insertFromMimeData(source);
}

QVariant DocumentEditor::loadResource(int, const QUrl &name)
{
    return EmbeddedResources::resource(name);
}
