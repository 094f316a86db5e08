#include "panels/ui/board_keys.h"

#include "controls/color_button.h"
#include "panels/button_rows.h"
#include "panels/ui/board.h"
#include "panels/ui/right_column.h"
#include "panels/ui/word_list_clicks.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTextEdit>

namespace {

// Where a covered widget keeps the focus policy it goes back to.
const char kCoveredPolicy[] = "coveredFocusPolicy";

bool isShiftF10(const QKeyEvent *event)
{
    return event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
}

bool isTab(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Backtab ||
           (event->key() == Qt::Key_Tab && !(event->modifiers() & ~Qt::ShiftModifier));
}

bool showsIn(const QWidget *widget, const QWidget *panel)
{
    return widget && panel && (widget == panel || panel->isAncestorOf(widget)) &&
           widget->isVisibleTo(panel);
}

// The panel's own way out, so that closing by key does what its button
// does: Cancel where there is one, else EXIT.
QAbstractButton *exitControl(QWidget *panel)
{
    QAbstractButton *exit = nullptr;
    for (QAbstractButton *b : panel->findChildren<QAbstractButton *>()) {
        if (!b->isEnabled() || !b->isVisibleTo(panel))
            continue;
        if (b->objectName().contains(QLatin1String("cancel"), Qt::CaseInsensitive))
            return b;
        if (!exit && b->objectName().contains(QLatin1String("exit"), Qt::CaseInsensitive))
            exit = b;
    }
    return exit;
}

} // namespace

BoardKeys::BoardKeys(Board &board, QWidget *document, RightColumn *rightColumn, QObject *parent)
    : QObject(parent)
    , m_board(board)
    , m_document(document)
    , m_rightColumn(rightColumn)
    , m_list(rightColumn ? rightColumn->findChild<QListWidget *>(QStringLiteral("lbRight"))
                         : nullptr)
{
    // Keys go to whichever widget has the focus, and panels are shown by
    // many owners: the application sees them all first.
    qApp->installEventFilter(this);
}

bool BoardKeys::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Keys the board uses win over menu shortcuts bound to the same key.
        if (ownsKey(watched, static_cast<QKeyEvent *>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (ownsKey(watched, static_cast<QKeyEvent *>(event))) {
            m_taken.insert(static_cast<QKeyEvent *>(event)->key());
            return handleKey(watched, static_cast<QKeyEvent *>(event));
        }
        break;
    case QEvent::KeyRelease:
        // The release of a key taken here may reach the document (the focus
        // moved meanwhile), which must not take it for typing.
        if (auto *key = static_cast<QKeyEvent *>(event);
            !key->isAutoRepeat() && m_taken.remove(key->key()))
            return true;
        break;
    case QEvent::MouseButtonPress:
        if (auto *b = qobject_cast<TColorButton *>(watched); b && m_board.holds(b)) {
            syncPanels();
            m_lastPressed = b;
        } else if (m_list && watched == m_list->viewport()) {
            syncPanels();
            m_lastPressed = m_list;
        }
        break;
    case QEvent::FocusIn:
        if (auto *b = qobject_cast<TColorButton *>(watched); b && m_board.holds(b))
            m_lastFocused = b;
        break;
    case QEvent::Show:
    case QEvent::Hide:
        if (watched->property("boardPanel").toBool() &&
            m_board.holds(static_cast<QWidget *>(watched)))
            syncPanels();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool BoardKeys::ownsKey(QObject *watched, const QKeyEvent *event) const
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_board.window())
        return false;
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_F6 && (mods == Qt::NoModifier || mods == Qt::ShiftModifier))
        return true;
    // Esc is someone else's while no panel is up.
    if (key == Qt::Key_Escape && mods == Qt::NoModifier)
        return m_board.panelUp() != m_board.mainPanel();
    // Tab goes round the panel up, never out of it into the document: a
    // box that takes Tab as text keeps it.
    if (isTab(event) && m_board.isAncestorOf(widget)) {
        const auto *edit = qobject_cast<QTextEdit *>(widget);
        return !edit || edit->tabChangesFocus() || edit->isReadOnly();
    }
    const bool onBoard = qobject_cast<TColorButton *>(widget) && m_board.holds(widget);
    if (!onBoard && !wordList(widget))
        return false;
    if (isShiftF10(event) || (mods & ~Qt::ShiftModifier) != Qt::NoModifier)
        return isShiftF10(event);
    // Typed letters jump to the button whose caption starts with them; a
    // list does that itself.
    if (onBoard && !event->text().isEmpty() && event->text().at(0).isPrint() &&
        !event->text().at(0).isSpace())
        return true;
    if (mods != Qt::NoModifier)
        return false;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Menu:
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        // The list moves along its own rows.
        return onBoard;
    default:
        return false;
    }
}

bool BoardKeys::handleKey(QObject *watched, const QKeyEvent *event)
{
    if (event->key() == Qt::Key_F6) {
        cycle(!(event->modifiers() & Qt::ShiftModifier));
        return true;
    }
    if (event->key() == Qt::Key_Escape)
        return closePanelUp();
    if (isTab(event)) {
        tabWithinPanel(static_cast<QWidget *>(watched),
                       event->key() == Qt::Key_Tab && event->modifiers() == Qt::NoModifier);
        return true;
    }
    if (QListWidget *list = wordList(static_cast<QWidget *>(watched)))
        return listKey(list, event);
    return boardKey(static_cast<TColorButton *>(watched), event);
}

bool BoardKeys::boardKey(TColorButton *button, const QKeyEvent *event)
{
    syncPanels();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat() && button->isEnabled())
            act(button, [button] { button->click(); });
        return true;
    case Qt::Key_Menu:
    case Qt::Key_F10:
        if (button->isEnabled())
            act(button, [button] { Q_EMIT button->rightClicked(); });
        return true;
    default:
        break;
    }
    if (!event->text().isEmpty() && event->text().at(0).isPrint()) {
        typeAhead(button, event->text());
        return true;
    }
    const QList<QList<TColorButton *>> rows = m_board.rowsUp();
    QList<TColorButton *> buttons;
    QList<QRect> places;
    int from = -1;
    for (const QList<TColorButton *> &row : rows) {
        if (row.contains(button)) {
            if (event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
                TColorButton *end = event->key() == Qt::Key_Home ? row.first() : row.last();
                end->setFocus(Qt::OtherFocusReason);
                return true;
            }
            from = int(buttons.size() + row.indexOf(button));
        }
        for (TColorButton *b : row) {
            buttons.append(b);
            places.append(QRect(m_board.mapFromGlobal(b->mapToGlobal(QPoint(0, 0))), b->size()));
        }
    }
    if (from < 0) {
        // A button the panel up covers: back to that panel.
        focusFirstUp();
        return true;
    }
    static const QHash<int, StepDirection> kDirections = {{Qt::Key_Left, StepDirection::Left},
                                                          {Qt::Key_Right, StepDirection::Right},
                                                          {Qt::Key_Up, StepDirection::Up},
                                                          {Qt::Key_Down, StepDirection::Down}};
    if (kDirections.contains(event->key())) {
        const int to = nearestInDirection(places, from, kDirections.value(event->key()));
        if (to >= 0)
            buttons[to]->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

QListWidget *BoardKeys::wordList(QWidget *widget) const
{
    auto *list = qobject_cast<QListWidget *>(widget);
    return list && (list == m_list || m_board.isAncestorOf(list)) ? list : nullptr;
}

bool BoardKeys::listKey(QListWidget *list, const QKeyEvent *event)
{
    const int row = list->currentRow();
    if (row < 0 || event->isAutoRepeat())
        return true;
    // What the mouse does on the row: the right button offers the list's
    // choices, a click inserts.
    if (event->key() == Qt::Key_Menu || isShiftF10(event))
        act(list, [list, row] { WordListClicks::rightClick(list, row); });
    else
        act(list, [list, row] { WordListClicks::click(list, row); });
    return true;
}

void BoardKeys::typeAhead(TColorButton *from, const QString &text)
{
    // Letters typed in quick succession make one word, as in a list.
    if (!m_typedAt.isValid() || m_typedAt.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_typedAt.start();
    const QString typed = m_typed + text;
    QList<TColorButton *> buttons;
    for (const QList<TColorButton *> &row : m_board.rowsUp())
        for (TColorButton *b : row)
            if (b->isEnabled())
                buttons.append(b);
    const auto starts = [](TColorButton *b, const QString &prefix) {
        return b->spokenName().trimmed().startsWith(prefix, Qt::CaseInsensitive);
    };
    const qsizetype at = buttons.indexOf(from);
    // A further letter narrows the search from the button found so far; a
    // first letter (or the same one again) goes on to the next button.
    const bool further = typed.size() > 1 && typed != QString(typed.size(), typed.at(0));
    const QString prefix = further ? typed : text;
    for (qsizetype i = further ? 0 : 1; i <= buttons.size(); ++i) {
        TColorButton *b = buttons.at((at + i + buttons.size()) % buttons.size());
        if (starts(b, prefix)) {
            b->setFocus(Qt::OtherFocusReason);
            m_typed = typed;
            return;
        }
    }
    // Nothing starts so: the letter alone starts a new search.
    m_typed.clear();
    if (further)
        typeAhead(from, text);
}

void BoardKeys::tabWithinPanel(QWidget *from, bool forward)
{
    syncPanels();
    QWidget *panel = m_board.panelUp();
    QWidget *w = from;
    // The window's focus chain is a ring: walking it from here meets the
    // panel's next widget, or comes round to this one.
    for (int guard = 0; guard < 10000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == from)
            return;
        if (panel->isAncestorOf(w) && w->isVisible() && w->isEnabled() && !w->focusProxy() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

bool BoardKeys::rightColumnReachable() const
{
    return m_list && m_list->isVisible() && m_list->width() > 0 && m_list->height() > 0 &&
           m_list->count() > 0;
}

void BoardKeys::cycle(bool forward)
{
    QWidget *focus = QApplication::focusWidget();
    const bool onBoard = focus && m_board.holds(focus);
    const bool onList = focus && focus == m_list;
    if (onBoard) {
        if (forward && rightColumnReachable())
            focusList();
        else if (m_document)
            m_document->setFocus(Qt::OtherFocusReason);
    } else if (onList) {
        if (!forward)
            focusBoard();
        else if (m_document)
            m_document->setFocus(Qt::OtherFocusReason);
    } else if (!forward && rightColumnReachable()) {
        focusList();
    } else {
        focusBoard();
    }
}

void BoardKeys::focusBoard()
{
    syncPanels();
    if (m_lastFocused && showsIn(m_lastFocused, m_board.panelUp()) && m_lastFocused->isEnabled())
        m_lastFocused->setFocus(Qt::OtherFocusReason);
    else
        focusFirstUp();
}

void BoardKeys::focusList()
{
    if (!m_list->currentIndex().isValid())
        m_list->setCurrentRow(0);
    m_list->setFocus(Qt::OtherFocusReason);
}

void BoardKeys::focusFirstUp()
{
    // A panel of words opens on its words.
    QWidget *up = m_board.panelUp();
    for (QListWidget *list : up->findChildren<QListWidget *>())
        if (list->isVisibleTo(up) && list->isEnabled() && list->count() > 0) {
            if (list->currentRow() < 0)
                list->setCurrentRow(0);
            list->setFocus(Qt::OtherFocusReason);
            return;
        }
    const QList<QList<TColorButton *>> rows = m_board.rowsUp();
    for (const QList<TColorButton *> &row : rows)
        for (TColorButton *b : row)
            if (b->isEnabled()) {
                b->setFocus(Qt::OtherFocusReason);
                return;
            }
}

void BoardKeys::act(QWidget *source, const std::function<void()> &run)
{
    syncPanels();
    QWidget *before = m_board.panelUp();
    // Closing the panel forgets who opened it.
    const QPointer<QWidget> beforeOpener = m_openers.value(before);
    QPointer<QWidget> from(source);
    m_lastPressed = source;
    run();
    syncPanels();
    QWidget *after = m_board.panelUp();
    QWidget *focus = QApplication::focusWidget();
    // A panel that put the focus on a box of its own keeps it.
    if (focus && focus != m_document && focus != from && showsIn(focus, after))
        return;
    if (after == before) {
        // A button its own click disabled (nothing left to delete) cannot
        // hold the focus.
        if (canTakeFocusBack(from, after) && from->isEnabled())
            from->setFocus(Qt::OtherFocusReason);
        else
            focusFirstUp();
    } else if (showsIn(before, &m_board) || before == m_board.mainPanel()) {
        focusFirstUp(); // a panel opened
    } else if (canTakeFocusBack(beforeOpener, after)) {
        beforeOpener->setFocus(Qt::OtherFocusReason);
    } else {
        focusFirstUp();
    }
}

bool BoardKeys::canTakeFocusBack(const QWidget *widget, const QWidget *up) const
{
    return widget && widget->isVisible() && (widget == m_list || showsIn(widget, up));
}

bool BoardKeys::closePanelUp()
{
    syncPanels();
    QWidget *up = m_board.panelUp();
    if (up == m_board.mainPanel())
        return false;
    const QPointer<QWidget> opener = m_openers.value(up);
    QWidget *focus = QApplication::focusWidget();
    const bool wasOnBoard = focus && (m_board.holds(focus) || focus == m_list);
    if (QAbstractButton *exit = exitControl(up))
        exit->click();
    else
        up->hide();
    // A panel may refuse to close (a check that failed): it keeps the focus.
    if (showsIn(up, &m_board))
        return true;
    syncPanels();
    if (canTakeFocusBack(opener, m_board.panelUp()))
        opener->setFocus(Qt::OtherFocusReason);
    else if (wasOnBoard)
        focusFirstUp();
    return true;
}

void BoardKeys::syncPanels()
{
    QWidget *up = m_board.panelUp();
    if (up == m_lastUp)
        return;
    m_lastUp = up;
    for (auto it = m_openers.begin(); it != m_openers.end();)
        it = showsIn(it.key(), &m_board) ? std::next(it) : m_openers.erase(it);
    if (up != m_board.mainPanel() && !m_openers.contains(up) && m_lastPressed &&
        !up->isAncestorOf(m_lastPressed))
        m_openers.insert(up, m_lastPressed);
    setCovered(up);
}

void BoardKeys::setCovered(QWidget *up)
{
    // Tab must not walk onto buttons a panel hides, nor Enter press them.
    const bool overlay = up != m_board.mainPanel();
    for (QWidget *w : m_board.findChildren<QWidget *>()) {
        const bool covered = overlay && !up->isAncestorOf(w) && w != up;
        const QVariant saved = w->property(kCoveredPolicy);
        if (covered && !saved.isValid() && w->focusPolicy() != Qt::NoFocus) {
            w->setProperty(kCoveredPolicy, int(w->focusPolicy()));
            w->setFocusPolicy(Qt::NoFocus);
        } else if (!covered && saved.isValid()) {
            w->setFocusPolicy(Qt::FocusPolicy(saved.toInt()));
            w->setProperty(kCoveredPolicy, QVariant());
        }
    }
}
