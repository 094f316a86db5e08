#pragma once

#include "shell/ui/ruler_scale.h"

#include <QObject>

class QAction;
class QTextBlockFormat;
class QTextEdit;
class QToolBar;
class Ruler;

// Character and paragraph formatting of the editor: the bold, italic and
// underline buttons, the three alignment buttons and the ruler's indents.
// The controls follow the selection (SelectionChange); a control changed by
// the user changes the selection's format.
class FormatBar : public QObject
{
    Q_OBJECT
public:
    // Adds the six buttons to bar before the action before (at the end when
    // null) and takes over the ruler's markers.
    FormatBar(QTextEdit *editor, QToolBar *bar, QAction *before, Ruler *ruler);

    // Plain-text documents have no character formats and are left aligned:
    // bold, italic, underline, centre and right are unavailable.
    void setPlainTextMode(bool plain);
    bool plainTextMode() const { return m_plain; }

    // Refreshes the buttons and the ruler from the editor.
    void SelectionChange();

    bool UpdatingFormat = false;

    // Indents of a paragraph in points, and back. The ruler's "left" indent
    // is the other lines' indent relative to the first line's.
    static RulerScale::Indents indentsOf(const QTextBlockFormat &format);
    static void setIndents(QTextBlockFormat *format, const RulerScale::Indents &indents);

private:
    QAction *addButton(QToolBar *bar, QAction *before, const char *name, const QString &text,
                       int icon);
    void BoldButtonClick(bool down);
    void ItalicButtonClick(bool down);
    void UnderlineButtonClick(bool down);
    void alignClick(Qt::Alignment alignment);
    void rulerReleased(const RulerScale::Indents &indents);

    QTextEdit *m_editor;
    Ruler *m_ruler;
    QAction *BoldButton;
    QAction *ItalicButton;
    QAction *UnderlineButton;
    QAction *LeftAlign;
    QAction *CenterAlign;
    QAction *RightAlign;
    bool m_plain = false;
};
