#pragma once

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>

// What a mouse click does on a row of a list of words, for the keyboard and
// the switches: the lists insert on their clicked signal and offer their
// choices on the right button's release, so both are given as the mouse
// gives them.
namespace WordListClicks {

inline void click(QListWidget *list, int row)
{
    if (list && row >= 0 && row < list->count())
        Q_EMIT list->clicked(list->model()->index(row, 0));
}

inline void rightClick(QListWidget *list, int row)
{
    if (!list || row < 0 || row >= list->count())
        return;
    const QPointF at = list->visualItemRect(list->item(row)).center();
    QMouseEvent release(QEvent::MouseButtonRelease, at, list->viewport()->mapToGlobal(at),
                        Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &release);
}

} // namespace WordListClicks
