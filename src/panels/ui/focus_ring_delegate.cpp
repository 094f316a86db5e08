#include "panels/ui/focus_ring_delegate.h"

#include "controls/frame_paint.h"

#include <QAbstractItemView>
#include <QPainter>

void FocusRingDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    QStyleOptionViewItem plain = option;
    plain.state &= ~QStyle::State_HasFocus;
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    if (!view || !view->hasFocus() || view->currentIndex() != index) {
        QStyledItemDelegate::paint(painter, plain, index);
        return;
    }
    // Yellow under black text inside a black band: the word stays readable
    // and the mark shows on a light or a dark list alike.
    painter->fillRect(option.rect, QColor(255, 214, 0));
    fillFrame(*painter, option.rect, ringWidth(option.fontMetrics.height()) / 2, Qt::black);
    plain.palette.setColor(QPalette::Text, Qt::black);
    plain.backgroundBrush = Qt::NoBrush;
    QStyledItemDelegate::paint(painter, plain, index);
}
