#include "controls/announcement_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// Described as a notification rather than a label: that role is what a
// screen reader speaks when it appears, wherever the focus is.
class AnnouncementAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncementAccessible(AnnouncementLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *announcementFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("AnnouncementLabel") && object && object->isWidgetType())
        return new AnnouncementAccessible(static_cast<AnnouncementLabel *>(object));
    return nullptr;
}

} // namespace

AnnouncementLabel::AnnouncementLabel(QWidget *parent)
    : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(announcementFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setTextFormat(Qt::PlainText);
}

void AnnouncementLabel::announce(const QString &text)
{
    setText(text);
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    // Each announcement is a notification that appears anew, even when the
    // same word is inserted twice.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
