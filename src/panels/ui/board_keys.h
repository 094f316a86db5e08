#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <functional>

class Board;
class QKeyEvent;
class QListWidget;
class QWidget;
class RightColumn;
class TColorButton;

// The board without a mouse. F6 and Shift+F6 go round the document, the
// board and the right-hand column; on the board the arrows move to the
// nearest button that way, Home and End to the ends of its row, typed
// letters to the next button whose caption starts with them, Enter and
// Space click, the Menu key and Shift+F10 right-click, and Esc closes the
// panel that is up and goes back to the button that opened it. Tab goes
// round the panel up and never out of it; buttons a panel covers leave the
// Tab chain while it is up. A list of words on a panel (and the right-hand
// column) moves and jumps by typed letters as lists do; Enter and Space
// put in its current word, the Menu key does what its right button does,
// and a panel with such a list opens with the focus on it.
//
// A click made from here leaves the focus on the board (the word just put
// in moves the focus to the document, as a mouse click should), so the
// next word is one key away.
class BoardKeys : public QObject
{
    Q_OBJECT
public:
    BoardKeys(Board &board, QWidget *document, RightColumn *rightColumn, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool ownsKey(QObject *watched, const QKeyEvent *event) const;
    bool handleKey(QObject *watched, const QKeyEvent *event);
    bool boardKey(TColorButton *button, const QKeyEvent *event);
    // The list of words on the board or beside it that widget is, or null.
    QListWidget *wordList(QWidget *widget) const;
    bool listKey(QListWidget *list, const QKeyEvent *event);
    void typeAhead(TColorButton *from, const QString &text);
    void tabWithinPanel(QWidget *from, bool forward);
    void cycle(bool forward);
    bool rightColumnReachable() const;
    void focusBoard();
    void focusList();
    void focusFirstUp();
    // Runs act (a click of source) and puts the focus where the next key
    // is expected: on the panel it opened, back on the opener of the panel
    // it closed, or back on source.
    void act(QWidget *source, const std::function<void()> &act);
    bool closePanelUp();
    // Whether the focus can go back to widget: the right-hand list while it
    // shows, or a button showing on the panel up.
    bool canTakeFocusBack(const QWidget *widget, const QWidget *up) const;
    // Notes a change of the panel that is up: who opened it, and which
    // buttons it covers.
    void syncPanels();
    void setCovered(QWidget *up);

    Board &m_board;
    // The window takes its parts down one by one around the board.
    QPointer<QWidget> m_document;
    QPointer<RightColumn> m_rightColumn;
    QPointer<QListWidget> m_list;
    QWidget *m_lastUp = nullptr;
    QPointer<QWidget> m_lastPressed;
    QPointer<TColorButton> m_lastFocused;
    QHash<QWidget *, QPointer<QWidget>> m_openers;
    QSet<int> m_taken; // keys pressed and taken here, whose release is too
    QString m_typed;
    QElapsedTimer m_typedAt;
};
