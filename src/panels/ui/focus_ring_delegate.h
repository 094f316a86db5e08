#pragma once

#include <QStyledItemDelegate>

// Draws the current word of a list of words with a ring that shows at a
// glance, on a light or a dark list and at any zoom: a yellow band and a
// black one, together a quarter of the row's text height and never under 4
// pixels. A list that has no selection would otherwise mark it with the
// style's faint dotted line only.
class FocusRingDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The ring's width for text of that height.
    static int ringWidth(int textHeight) { return std::max(4, (textHeight + 2) / 4); }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
