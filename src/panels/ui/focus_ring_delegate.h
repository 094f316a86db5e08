#pragma once

#include <QStyledItemDelegate>

// Marks the current word of a list of words so that it shows at a glance,
// on a light or a dark list and at any zoom: black text on yellow inside a
// black band, the band half of a quarter of the row's text height and never
// under 2 pixels. A list that has no selection would otherwise mark it with
// the style's faint dotted line only.
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
