#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QWidget>

// A solid outline width pixels thick just inside rect: the rings that mark
// focus, an armed state or a panel's edge, in whole pixels whatever the
// pen would make of them.
inline void fillFrame(QPainter &painter, const QRect &rect, int width, const QColor &color)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), width), color);
    painter.fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), color);
    painter.fillRect(QRect(rect.left(), rect.top(), width, rect.height()), color);
    painter.fillRect(QRect(rect.right() - width + 1, rect.top(), width, rect.height()), color);
}

// Sets widget up as a mark drawn over other controls: hidden until placed,
// deaf to the mouse and never focused, so the control under it still takes
// the click and the keys.
inline void makeOverlay(QWidget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setAttribute(Qt::WA_NoSystemBackground);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->hide();
}
