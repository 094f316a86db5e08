#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QTimer>

class Board;
class QAbstractItemView;
class QWidget;
class ViewSettings;

// Dwell selection, for people who steer the pointer with the head, the eyes
// or a joystick and cannot press a mouse button: resting the pointer on a
// button of the window for the dwell time clicks it, as the mouse button
// would. After a lock-on time a countdown frame fills round the button;
// moving off it, or further than the tolerance, starts again. Resting on a
// button's corner mark gives its right click instead.
//
// The colour buttons anywhere in the window (the board, its panels, the
// indicators and whatever bar of them joins later), the other buttons of
// the board's panels and the rows of the lists handed in are targets.
// Menus, dialogs, edit boxes and the document are not: a rest on the
// document would move the caret under a reader's eyes.
//
// What a resting pointer does not do: choose again. After a choice
// nothing is chosen until the pointer has moved, and the button chosen not
// until the pointer has left it and come back. After a choice, and when a
// panel comes or goes, a pause lets the eyes find the new board first.
class DwellSelector : public QObject
{
    Q_OBJECT
public:
    DwellSelector(Board *board, QWidget *window, const ViewSettings *view);

    // The rows of list are targets too; a rest on one clicks it.
    void addRowTarget(QAbstractItemView *list);

    bool isOn() const { return m_on; }
    // What the countdown shows on: the widget (a button, or a list's
    // viewport) and its rectangle there; null before the lock-on time.
    QWidget *countingOn() const;
    QRect countingRect() const { return m_shownRect; }
    // How far the countdown is, 0 to 1.
    double progress() const { return m_progress; }

Q_SIGNALS:
    // The lock-on time passed on a target: its name, as speech says it.
    void hoverSpoken(const QString &text);

private:
    // What the pointer can rest on.
    struct Target
    {
        QPointer<QWidget> widget;
        int row = -1;        // a list's row, or -1 for a button
        bool corner = false; // a button's corner mark: its right click
        bool operator==(const Target &other) const
        {
            return widget == other.widget && row == other.row && corner == other.corner;
        }
        bool isNull() const { return !widget; }
    };

    bool eventFilter(QObject *watched, QEvent *event) override;
    void settingsChanged();
    // Follows the pointer: what it rests on now, null when nothing may be
    // chosen there.
    Target follow(const QPoint &pointer);
    void tick();
    Target targetAt(const QPoint &global) const;
    QAbstractItemView *listOf(const QWidget *viewport) const;
    // The target's rectangle in its widget.
    QRect rectOf(const Target &target) const;
    QString nameOf(const Target &target) const;
    void showCountdown(const Target &target);
    void restFrom(const Target &target, const QPoint &global, qint64 now);
    void choose(const Target &target, const QPoint &global);
    void cancel();
    int tolerance() const;

    Board *m_board;
    QWidget *m_window;
    const ViewSettings *m_view;
    QList<QPointer<QAbstractItemView>> m_lists;
    bool m_on = false;
    QTimer m_tick;
    QElapsedTimer m_clock;

    Target m_resting;       // what the pointer rests on now
    QPoint m_restPoint;     // where that rest began
    qint64 m_restSince = 0; // and when
    Target m_spent;         // chosen, and not left since
    bool m_waitForMove = false;
    QPoint m_stillPoint; // where the pointer must move away from
    qint64 m_pauseUntil = 0;
    QPointer<QWidget> m_panelUp;
    bool m_marks = false; // the buttons show their corner marks

    QRect m_shownRect;
    double m_progress = 0;
    QWidget *m_countdown;
};
