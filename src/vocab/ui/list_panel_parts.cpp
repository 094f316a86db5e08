#include "vocab/ui/list_panel_parts.h"

#include <QLabel>
#include <QListWidget>

namespace ListPanelParts {

QFont panelFont(bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(bold);
    return font;
}

QLabel *addLabel(QWidget *panel, const QString &text, const QRect &rect, bool bold,
                 Qt::Alignment align)
{
    auto *label = new QLabel(text, panel);
    label->setTextFormat(Qt::PlainText);
    label->setFont(panelFont(bold));
    label->setAlignment(align);
    label->setGeometry(rect);
    return label;
}

QListWidget *addPickList(QObject *context, QWidget *panel, const QString &name,
                         const QString &line1, const QString &line2, int left, int width,
                         int height, const std::function<void(int)> &pick)
{
    addLabel(panel, line1, QRect(left, 1, width, 16));
    addLabel(panel, line2, QRect(left, 15, width, 16));
    auto *list = new QListWidget(panel);
    list->setObjectName(name);
    list->setFont(panelFont());
    list->setGeometry(left, 32, width, height);
    QObject::connect(list, &QListWidget::itemClicked, context,
                     [list, pick](QListWidgetItem *item) { pick(list->row(item)); });
    QObject::connect(list, &QListWidget::currentRowChanged, context, [list, pick](int row) {
        if (list->hasFocus() && row >= 0)
            pick(row);
    });
    return list;
}

} // namespace ListPanelParts
