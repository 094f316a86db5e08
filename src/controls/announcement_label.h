#pragma once

#include <QLabel>

// A line of the status bar that assistive technology hears each time it is
// given a text: a screen reader speaks it as it speaks a desktop
// notification, while the focus stays on the board. A label's changed name
// alone is not spoken, because a screen reader follows only the focus.
class AnnouncementLabel : public QLabel
{
    Q_OBJECT
public:
    explicit AnnouncementLabel(QWidget *parent = nullptr);

    // Shows text and tells assistive technology that a notification with
    // it has appeared.
    void announce(const QString &text);
};
