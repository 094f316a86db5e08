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

enum class StepDirection { Left, Right, Up, Down };

// The index of the button a person means by an arrow key pressed on
// rects[from]: among those lying that way, one in line with it (overlapping
// it sideways) before one out of line, then the nearest, then the one its
// middle points at (Down from a wide button lands on the button below its
// middle, whatever the widths of the row below). -1 when none lies that way.
int nearestInDirection(const QList<QRect> &rects, int from, StepDirection direction);
