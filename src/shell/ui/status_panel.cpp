#include "shell/ui/status_panel.h"

#include "controls/zoom_scale.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>

StatusPanel::StatusPanel(QTextEdit *editor, QStatusBar *bar)
    : QObject(bar)
    , m_editor(editor)
    , m_bar(bar)
{
    bar->setObjectName(QStringLiteral("StatusBar"));
    m_position = new QLabel(bar);
    m_position->setObjectName(QStringLiteral("StatusPos"));
    m_modified = new QLabel(bar);
    m_modified->setObjectName(QStringLiteral("StatusModified"));
    m_spare = new QLabel(bar);
    setZoom(100);
    // Normal widgets, so a hint shown in the bar takes the place of all three.
    bar->addWidget(m_position);
    bar->addWidget(m_modified);
    bar->addWidget(m_spare);

    connect(m_editor, &QTextEdit::textChanged, this, &StatusPanel::RichEditChange);
    // Saving clears the flag without changing the text.
    connect(m_editor->document(), &QTextDocument::modificationChanged, this,
            &StatusPanel::RichEditChange);
    connect(m_editor, &QTextEdit::cursorPositionChanged, this, &StatusPanel::updateCaretPosition);
    RichEditChange();
    updateCaretPosition();
}

QString StatusPanel::caretText(int line, int column)
{
    return QString::asprintf("Line: %3d   Col: %3d", line, column);
}

void StatusPanel::RichEditChange()
{
    m_modified->setText(m_editor->document()->isModified() ? tr("Modified") : QString());
}

void StatusPanel::updateCaretPosition()
{
    const QTextCursor c = m_editor->textCursor();
    const QTextBlock block = c.block();
    m_position->setText(caretText(block.blockNumber() + 1, c.position() - block.position() + 1));
}

void StatusPanel::setZoom(int percent)
{
    m_position->setFixedWidth(zoomedBy(120, percent));
    m_modified->setFixedWidth(zoomedBy(60, percent));
    m_spare->setFixedWidth(zoomedBy(50, percent));
    // Messages shown in the bar take the bar's font too.
    m_bar->setFont(zoomedBy(QApplication::font(m_bar), percent));
    // The bar lays its panels out again for the new font, and its layout
    // shows them once the event loop comes round, over a message that hid
    // them. Laid out now, the panels are hidden again after that, the way
    // the bar hides them for a message, so they come back when it goes.
    QCoreApplication::sendPostedEvents(m_bar, QEvent::LayoutRequest);
    QMetaObject::invokeMethod(this, &StatusPanel::keepMessageOnTop, Qt::QueuedConnection);
}

void StatusPanel::keepMessageOnTop()
{
    if (m_bar->currentMessage().isEmpty())
        return;
    for (QLabel *panel : {m_position, m_modified, m_spare}) {
        panel->hide();
        panel->setAttribute(Qt::WA_WState_ExplicitShowHide, false);
    }
}
