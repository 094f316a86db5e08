#pragma once

#include <QFont>
#include <QtMath>

// Lengths and fonts at a zoom in percent, 100 being the tables' own size:
// the board and the right-hand column grow by the same rule.
inline int zoomedBy(int value, int percent)
{
    return qRound(value * percent / 100.0);
}

inline QFont zoomedBy(QFont font, int percent)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(zoomedBy(font.pixelSize(), percent));
    else
        font.setPointSizeF(font.pointSizeF() * percent / 100.0);
    return font;
}
