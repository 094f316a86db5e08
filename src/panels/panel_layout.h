#pragma once

#include "word_panel_desc.h"

#include <QList>
#include <QRect>
#include <QString>

// Places the items of a word panel: one row after another from the top, each
// row filling the panel's width with items as wide as their captions need
// (estimated from the caption's length, in the board's bold 16 px font), so a
// table only says which row an item is in.
namespace PanelLayout {

struct PlacedItem
{
    const WordButtonDesc *desc;
    QString name; // empty for a label
    QRect rect;
};

// The object name of a table item: its own, or "btn" + each word of the
// caption capitalised (letters and digits only) + suffix.
QString itemName(const WordButtonDesc &desc, const char *suffix);

// Rows of up to seven items fit the board's 24-pixel buttons; an eighth row
// makes every row a little lower.
QList<PlacedItem> layout(const WordPanelDesc &panel, int width, int height);

// The width an item asks for before its row is stretched or squeezed.
int naturalWidth(const WordButtonDesc &desc);

} // namespace PanelLayout
