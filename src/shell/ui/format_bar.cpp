#include "shell/ui/format_bar.h"

#include "shell/ui/ruler.h"
#include "shell/ui/tool_icons.h"

#include <QAction>
#include <QActionGroup>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <cmath>

namespace {

// Qt's block margins are in pixels of 1/96 inch: 4/3 to the point.
int pointsOf(qreal pixels)
{
    return int(std::lround(pixels * 3.0 / 4.0));
}

qreal pixelsOf(int points)
{
    return points * 4.0 / 3.0;
}

Qt::Alignment horizontal(Qt::Alignment a)
{
    return a & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify);
}

} // namespace

FormatBar::FormatBar(QTextEdit *editor, QToolBar *bar, QAction *before, Ruler *ruler)
    : QObject(editor)
    , m_editor(editor)
    , m_ruler(ruler)
{
    using ToolIcons::Kind;
    BoldButton = addButton(bar, before, "BoldButton", tr("Bold"), int(Kind::Bold));
    ItalicButton = addButton(bar, before, "ItalicButton", tr("Italic"), int(Kind::Italic));
    UnderlineButton =
        addButton(bar, before, "UnderlineButton", tr("Underline"), int(Kind::Underline));
    bar->insertSeparator(before);
    LeftAlign = addButton(bar, before, "LeftAlign", tr("Align Left"), int(Kind::AlignLeft));
    CenterAlign = addButton(bar, before, "CenterAlign", tr("Center"), int(Kind::AlignCenter));
    RightAlign = addButton(bar, before, "RightAlign", tr("Align Right"), int(Kind::AlignRight));
    bar->insertSeparator(before);
    // One alignment button is down at a time; none for a justified paragraph.
    auto *group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction *a : {LeftAlign, CenterAlign, RightAlign})
        group->addAction(a);

    connect(BoldButton, &QAction::triggered, this, &FormatBar::BoldButtonClick);
    connect(ItalicButton, &QAction::triggered, this, &FormatBar::ItalicButtonClick);
    connect(UnderlineButton, &QAction::triggered, this, &FormatBar::UnderlineButtonClick);
    connect(LeftAlign, &QAction::triggered, this, [this] { alignClick(Qt::AlignLeft); });
    connect(CenterAlign, &QAction::triggered, this, [this] { alignClick(Qt::AlignHCenter); });
    connect(RightAlign, &QAction::triggered, this, [this] { alignClick(Qt::AlignRight); });

    connect(m_editor, &QTextEdit::cursorPositionChanged, this, &FormatBar::SelectionChange);
    connect(m_editor, &QTextEdit::selectionChanged, this, &FormatBar::SelectionChange);
    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, &FormatBar::SelectionChange);
    // Opening a file or a ruler drag changes paragraph formats in place.
    connect(m_editor->document(), &QTextDocument::contentsChanged, this,
            &FormatBar::SelectionChange);
    connect(m_ruler, &Ruler::indentsReleased, this, &FormatBar::rulerReleased);
    SelectionChange();
}

QAction *FormatBar::addButton(QToolBar *bar, QAction *before, const char *name, const QString &text,
                              int icon)
{
    auto *action = new QAction(ToolIcons::icon(ToolIcons::Kind(icon)), text, bar);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    action->setStatusTip(text);
    bar->insertAction(before, action);
    return action;
}

RulerScale::Indents FormatBar::indentsOf(const QTextBlockFormat &format)
{
    // The first line starts at margin + indent, the others at the margin.
    RulerScale::Indents in;
    in.first = pointsOf(format.leftMargin() + format.textIndent());
    in.left = pointsOf(format.leftMargin()) - in.first;
    in.right = pointsOf(format.rightMargin());
    return in;
}

void FormatBar::setIndents(QTextBlockFormat *format, const RulerScale::Indents &indents)
{
    format->setLeftMargin(pixelsOf(indents.first + indents.left));
    format->setTextIndent(pixelsOf(-indents.left));
    format->setRightMargin(pixelsOf(indents.right));
}

void FormatBar::SelectionChange()
{
    // While a marker is dragged the ruler keeps it under the mouse.
    UpdatingFormat = true;
    const QTextCursor cursor = m_editor->textCursor();
    m_ruler->setIndents(indentsOf(cursor.blockFormat()));
    const QTextCharFormat chars = m_editor->currentCharFormat();
    BoldButton->setChecked(chars.fontWeight() >= QFont::Bold);
    ItalicButton->setChecked(chars.fontItalic());
    UnderlineButton->setChecked(chars.fontUnderline());
    const Qt::Alignment align = horizontal(cursor.blockFormat().alignment());
    LeftAlign->setChecked(align == Qt::AlignLeft || align == 0);
    CenterAlign->setChecked(align == Qt::AlignHCenter);
    RightAlign->setChecked(align == Qt::AlignRight);
    UpdatingFormat = false;
}

void FormatBar::BoldButtonClick(bool down)
{
    if (UpdatingFormat)
        return;
    QTextCharFormat f;
    f.setFontWeight(down ? QFont::Bold : QFont::Normal);
    m_editor->mergeCurrentCharFormat(f);
    SelectionChange();
}

void FormatBar::ItalicButtonClick(bool down)
{
    if (UpdatingFormat)
        return;
    QTextCharFormat f;
    f.setFontItalic(down);
    m_editor->mergeCurrentCharFormat(f);
    SelectionChange();
}

void FormatBar::UnderlineButtonClick(bool down)
{
    if (UpdatingFormat)
        return;
    QTextCharFormat f;
    f.setFontUnderline(down);
    m_editor->mergeCurrentCharFormat(f);
    SelectionChange();
}

void FormatBar::alignClick(Qt::Alignment alignment)
{
    if (UpdatingFormat)
        return;
    m_editor->setAlignment(alignment);
    SelectionChange();
}

void FormatBar::rulerReleased(const RulerScale::Indents &indents)
{
    QTextCursor cursor = m_editor->textCursor();
    QTextBlockFormat f;
    setIndents(&f, indents);
    cursor.mergeBlockFormat(f);
    SelectionChange();
}

void FormatBar::setPlainTextMode(bool plain)
{
    m_plain = plain;
    for (QAction *a : {BoldButton, ItalicButton, UnderlineButton, CenterAlign, RightAlign})
        a->setEnabled(!plain);
    m_editor->setAcceptRichText(!plain);
    if (plain)
        m_editor->setAlignment(Qt::AlignLeft);
    SelectionChange();
}
