#include "shell/ui/dialog_zoom.h"

#include "controls/zoom_scale.h"
#include "prefs/view_settings.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMenu>

DialogZoom::DialogZoom(QWidget *window, const ViewSettings &view)
    : QObject(window)
    , m_window(window)
    , m_view(view)
{
    qApp->installEventFilter(this);
}

bool DialogZoom::eventFilter(QObject *watched, QEvent *event)
{
    // Polished before it is first laid out and sized: the dialog comes up
    // at its zoomed size at once. Every dialog here is made for one
    // question, so the zoom cannot change under it.
    // The menus that pop up over the editor and the boxes (their own
    // copy, cut and paste) are made afresh each time, as the dialogs are;
    // one whose font the program set itself is left as it is.
    if (event->type() == QEvent::Polish &&
        (qobject_cast<QDialog *>(watched) || qobject_cast<QMenu *>(watched))) {
        auto *top = static_cast<QWidget *>(watched);
        if (top->parentWidget() && top->parentWidget()->window() == m_window &&
            !top->testAttribute(Qt::WA_SetFont) && m_view.zoom() != ViewSettings::kMinZoom)
            top->setFont(zoomedBy(QApplication::font(top), m_view.zoom()));
    }
    return QObject::eventFilter(watched, event);
}
