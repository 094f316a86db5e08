#include "shell/ui/dialog_zoom.h"

#include "controls/zoom_scale.h"
#include "prefs/view_settings.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

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
    if (event->type() == QEvent::Polish) {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (dialog && dialog->parentWidget() && dialog->parentWidget()->window() == m_window &&
            m_view.zoom() != ViewSettings::kMinZoom)
            dialog->setFont(zoomedBy(QApplication::font(dialog), m_view.zoom()));
    }
    return QObject::eventFilter(watched, event);
}
