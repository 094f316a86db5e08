#pragma once

#include <QObject>

class QLabel;
class QStatusBar;
class QTextEdit;

// The status bar's three panels: the caret's line and column, "Modified"
// while the document has unsaved changes, and a spare one. They follow the
// editor by themselves.
class StatusPanel : public QObject
{
    Q_OBJECT
public:
    StatusPanel(QTextEdit *editor, QStatusBar *bar);

    // "Line: %3d   Col: %3d", both counted from 1.
    static QString caretText(int line, int column);

    // Shows "Modified" or nothing, as the editor's flag says.
    void RichEditChange();
    void updateCaretPosition();
    // The bar's text and panels at a zoom in percent (100: the desktop's
    // own font).
    void setZoom(int percent);

private:
    void keepMessageOnTop();

    QTextEdit *m_editor;
    QStatusBar *m_bar;
    QLabel *m_position;
    QLabel *m_modified;
    QLabel *m_spare;
};
