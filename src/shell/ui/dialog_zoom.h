#pragma once

#include <QObject>

class QWidget;
class ViewSettings;

// Shows every dialog the window opens (message boxes, questions, input
// boxes, file choosers, the about box, the print dialog) and every menu
// that pops up in it at the window's zoom: the font grows from the
// desktop's, and the layout with it.
class DialogZoom : public QObject
{
    Q_OBJECT
public:
    // Watches the whole application for dialogs that belong to window.
    DialogZoom(QWidget *window, const ViewSettings &view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    const ViewSettings &m_view;
};
