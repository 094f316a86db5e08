#include "controls/combo_accessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

namespace {

QAccessibleInterface *comboFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new ComboAccessible(static_cast<QComboBox *>(object));
    return nullptr;
}

} // namespace

ComboAccessible::ComboAccessible(QComboBox *box)
    : QAccessibleWidget(box, QAccessible::ComboBox)
{}

void ComboAccessible::install()
{
    // Once: factories are asked in the order they were installed.
    static const bool installed = [] {
        QAccessible::installFactory(comboFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QComboBox *ComboAccessible::box() const
{
    return static_cast<QComboBox *>(widget());
}

QString ComboAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
    QString text = QAccessibleWidget::text(t);
    // The widget's own name, else its label's caption: "Voice:" is read as
    // "Voice".
    if (t == QAccessible::Name && text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

QAccessible::State ComboAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = box()->view()->isVisible();
    s.editable = box()->isEditable();
    return s;
}

int ComboAccessible::childCount() const
{
    return box()->isEditable() ? 2 : 1;
}

QAccessibleInterface *ComboAccessible::child(int index) const
{
    if (index == 0)
        return QAccessible::queryAccessibleInterface(box()->view());
    if (index == 1 && box()->isEditable())
        return QAccessible::queryAccessibleInterface(box()->lineEdit());
    return nullptr;
}

int ComboAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    if (child->object() == box()->view())
        return 0;
    if (box()->isEditable() && child->object() == box()->lineEdit())
        return 1;
    return -1;
}

QStringList ComboAccessible::actionNames() const
{
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void ComboAccessible::doAction(const QString &actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction()) {
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

void *ComboAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void ComboAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString ComboAccessible::text(int startOffset, int endOffset) const
{
    const QString value = text(QAccessible::Value);
    if (endOffset < 0 || endOffset > value.size())
        endOffset = int(value.size());
    startOffset = std::clamp(startOffset, 0, endOffset);
    return value.mid(startOffset, endOffset - startOffset);
}

int ComboAccessible::characterCount() const
{
    return int(text(QAccessible::Value).size());
}

QString ComboAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return QString();
}
