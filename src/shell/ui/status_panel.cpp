#include "shell/ui/status_panel.h"

#include <QLabel>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>

StatusPanel::StatusPanel(QTextEdit *editor, QStatusBar *bar)
    : QObject(bar)
    , m_editor(editor)
{
    bar->setObjectName(QStringLiteral("StatusBar"));
    m_position = new QLabel(bar);
    m_position->setObjectName(QStringLiteral("StatusPos"));
    m_position->setFixedWidth(120);
    m_modified = new QLabel(bar);
    m_modified->setObjectName(QStringLiteral("StatusModified"));
    m_modified->setFixedWidth(60);
    auto *spare = new QLabel(bar);
    spare->setFixedWidth(50);
    // Normal widgets, so a hint shown in the bar takes the place of all three.
    bar->addWidget(m_position);
    bar->addWidget(m_modified);
    bar->addWidget(spare);

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
