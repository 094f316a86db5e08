#pragma once

#include <QAccessibleWidget>

class QComboBox;

// What a screen reader is told about a combo box: its label as the name
// ("tense", "Voice") and the current choice as the value, so that both are
// read. Qt's own combo box on this desktop gives the choice as the name too,
// and the label is lost.
class ComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ComboAccessible(QComboBox *box);

    // Makes every combo box of the program described this way; combo boxes
    // described before are not changed, so this comes before any is shown.
    static void install();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    // The list that drops down, and the edit field of an editable box.
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    // The value again as read-only text: screen readers on this desktop
    // read a combo box's value through its text.
    void selection(int, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override;

private:
    QComboBox *box() const;
};
