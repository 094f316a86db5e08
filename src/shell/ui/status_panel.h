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

private:
    QTextEdit *m_editor;
    QLabel *m_position;
    QLabel *m_modified;
};
