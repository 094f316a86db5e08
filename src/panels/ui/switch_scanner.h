#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "prefs/view_settings.h"

class Board;
class TColorButton;
class QWidget;

// Row-column scanning of the panel that is up, for people who work the
// board with one or two switches instead of a keyboard or mouse. A highlight
// steps over the rows, then over the buttons of the row chosen, then over a
// "back to rows" step; choosing a button clicks it and scanning starts again
// at the rows of whatever panel is up then.
//
// While scanning runs, the switch keys and (with one switch) mouse clicks in
// the window are the scanner's: they never reach the editor or a button.
class SwitchScanner : public QObject
{
    Q_OBJECT
public:
    enum class Phase { Waiting, Rows, Buttons };

    SwitchScanner(Board *board, QWidget *window, const ViewSettings *view);
    ~SwitchScanner() override;

    bool isScanning() const { return m_scanning; }
    void setScanning(bool on);

    // Where the highlight is: on no row while Waiting; on row() while Rows;
    // on button() of row() while Buttons, or on the "back to rows" step when
    // button() is null.
    Phase phase() const { return m_phase; }
    QList<TColorButton *> highlightedRow() const;
    TColorButton *highlightedButton() const;

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
    // What the highlight says at each step: a row's captions, a button's
    // name, or "back to rows".
    void highlightSpoken(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Switch { None, Move, Choose };
    Switch switchOf(QEvent *event) const;
    void switchDown(Switch which);
    void switchUp(Switch which);
    void restartSteps();
    void rowsAgain();
    void showHighlight();
    bool oneSwitch() const;

    Board *m_board;
    QWidget *m_window;
    const ViewSettings *m_view;
    bool m_scanning = false;
    Phase m_phase = Phase::Waiting;
    QPointer<QWidget> m_panel; // the panel the rows were read from
    int m_rowIndex = 0;
    QList<QPointer<TColorButton>> m_row;
    int m_button = 0; // into m_row; m_row.size() is "back to rows"
    QTimer m_stepTimer;
    QTimer m_holdTimer;
    Switch m_down = Switch::None;
    bool m_heldOut = false; // the hold acted, so the release does not choose
    QWidget *m_frame = nullptr;
};
