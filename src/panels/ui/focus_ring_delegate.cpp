#include "panels/ui/focus_ring_delegate.h"

#include "controls/frame_paint.h"

#include <QAbstractItemView>

void FocusRingDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    QStyleOptionViewItem plain = option;
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    if (!view || !view->hasFocus() || view->currentIndex() != index)
        return;
    const int width = ringWidth(option.fontMetrics.height());
    const int half = width / 2;
    // Outer band yellow, inner black: one of the two stands out on any face.
    fillFrame(*painter, option.rect, width - half, QColor(255, 214, 0));
    const int inset = width - half;
    fillFrame(*painter, option.rect.adjusted(inset, inset, -inset, -inset), half, Qt::black);
}
