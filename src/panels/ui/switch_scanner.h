#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "prefs/view_settings.h"

class Board;
class QAbstractButton;
class QListWidget;
class TColorButton;
class QWidget;

// Row-column scanning of the panel that is up, for people who work the
// board with one or two switches instead of a keyboard or mouse. A highlight
// steps over the groups of the panel (its rows of buttons, and a list of
// words as one group), then over what the group chosen holds, then over a
// "back" step; a long list is cut into stretches of the alphabet, and those
// again, so that any word is a few steps away. Choosing a button or a word
// clicks it, and scanning starts again at the groups of whatever panel is up
// then. A question or message box that is up is scanned instead, its buttons
// one by one.
//
// While scanning runs, the switch keys and (with one switch) mouse clicks in
// the window are the scanner's: they never reach the editor or a button.
// Key auto-repeat while a switch is held is not a second press.
class SwitchScanner : public QObject
{
    Q_OBJECT
public:
    enum class Phase { Waiting, Rows, Buttons };

    SwitchScanner(Board *board, QWidget *window, const ViewSettings *view);
    ~SwitchScanner() override;

    bool isScanning() const { return m_scanning; }
    void setScanning(bool on);

    // A row scanned first while the board's resting face is up, outside
    // the board's own panels (a row of suggested words): its short name and
    // its buttons, asked for at each round.
    void addLeadingRow(const QString &name, const std::function<QList<TColorButton *>()> &buttons);
    // A list of words beside the board, scanned after the rows of the
    // resting face while it shows words (the right-hand column).
    void addSideList(QListWidget *list);

    // Where the highlight is: on no group while Waiting; on a group while
    // Rows; inside the group chosen while Buttons (on button(), or a word or
    // a stretch of a list, or on the "back" step).
    Phase phase() const;
    // The buttons of the row highlighted (Rows) or chosen (Buttons).
    QList<TColorButton *> highlightedRow() const;
    TColorButton *highlightedButton() const;
    // The list whose words are highlighted, and which: first and count
    // (count 1 for a single word).
    QListWidget *highlightedList(int *first = nullptr, int *count = nullptr) const;
    // Whether the highlight is on the "back" step.
    bool onBackStep() const;

    // What the switches do, callable without key events.
    void step();
    void choose();
    // The choose switch held for the right-click time on a button.
    void chooseHeld();

    // The buttons that can be chosen, row by row: the showing rows of the
    // panel up, without disabled and empty buttons and rows left empty.
    QList<QList<TColorButton *>> scanRows() const;

Q_SIGNALS:
    void scanningChanged(bool on);
    // What the highlight says at each step: a row's short name ("row 2,
    // more"), a button's name, a word or a stretch of words, or "back".
    void highlightSpoken(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One thing the highlight stands on: a row of buttons, one button, a
    // list or a stretch of its words, or one word.
    struct Node
    {
        QString name;
        QList<QPointer<QAbstractButton>> buttons;
        QPointer<QListWidget> list;
        int first = 0;
        int count = 0;
        QList<Node> parts; // empty: chosen, it acts
    };
    struct Level
    {
        QList<Node> nodes;
        int index = 0; // nodes.size() is the "back" step
    };

    enum class Switch { None, Move, Choose };
    Switch switchOf(QEvent *event) const;
    void switchDown(Switch which);
    void switchUp(Switch which);
    void restartSteps();
    void rowsAgain();
    void showHighlight();
    bool oneSwitch() const;
    bool ownsWindow(const QWidget *widget) const;
    QWidget *scannedSurface() const;
    QList<Node> topNodes() const;
    Node listNode(QListWidget *list) const;
    bool stillValid() const;
    const Node *current() const;
    const Node *parentNode() const;
    void markWords(QListWidget *list, int first, int count);
    void clearMarks();
    void frame(const QList<QWidget *> &widgets, bool dashed);
    void act(const Node &node, bool held);

    Board *m_board;
    QWidget *m_window;
    const ViewSettings *m_view;
    bool m_scanning = false;
    QList<Level> m_levels;       // empty while Waiting
    QPointer<QWidget> m_surface; // the panel or box the groups were read from
    QList<std::pair<QString, std::function<QList<TColorButton *>()>>> m_leadingRows;
    QList<QPointer<QListWidget>> m_sideLists;
    QPointer<QListWidget> m_markedList;
    QTimer m_stepTimer;
    QTimer m_holdTimer;
    // A release waits this long for a press of the same key: the desktop's
    // auto-repeat while a switch is held sends release and press pairs.
    QTimer m_releaseTimer;
    Switch m_released = Switch::None;
    quint64 m_releasedAt = 0;
    Switch m_down = Switch::None;
    bool m_heldOut = false; // the hold acted, so the release does not choose
    QPointer<QWidget> m_frame;
};
