#pragma once

#include <QList>
#include <QRect>

// The rows of a panel as a person sees them, for moving along them with the
// keyboard or a switch. Rows on the board are not all the same height and a
// tall button can sit beside two short ones, so a row is not "the same top":
// a button belongs to the row whose first button its vertical middle falls
// within.
//
// rects are the buttons' places; the result holds their indices, rows from
// top to bottom and each row from left to right.
QList<QList<int>> buttonRows(const QList<QRect> &rects);
