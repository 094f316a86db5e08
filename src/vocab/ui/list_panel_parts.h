#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <functional>

class QLabel;
class QListWidget;
class QObject;
class QWidget;

// The widgets the add-word and add-verb panels are both made of, so the two
// look and answer alike.
namespace ListPanelParts {

QFont panelFont(bool bold = false);

QLabel *addLabel(QWidget *panel, const QString &text, const QRect &rect, bool bold = false,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

// The list of entries to edit or delete, under the two lines that say so, at
// left with the given width and height. pick gets the row a click chooses,
// and the row the arrow keys move to while the list has the focus, so the
// keyboard chooses an entry as a click does. context ends the connections.
QListWidget *addPickList(QObject *context, QWidget *panel, const QString &name,
                         const QString &line1, const QString &line2, int left, int width,
                         int height, const std::function<void(int)> &pick);

} // namespace ListPanelParts
