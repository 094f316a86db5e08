#include "panels/ui/switch_scanner.h"

#include "controls/color_button.h"
#include "panels/ui/board.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QPainter>

namespace {

// The outline the highlight draws: a thick yellow line between two thin
// black ones reads on the light board, on every face colour and on white.
// The "back to rows" step draws it dashed, so it differs from the row.
class HighlightFrame : public QWidget
{
public:
    static constexpr int kWidth = 3;

    explicit HighlightFrame(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("scanHighlight"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    void frame(const QRect &inner, bool dashed)
    {
        m_dashed = dashed;
        const int m = kWidth + 1;
        setGeometry(inner.adjusted(-m, -m, m, m).intersected(parentWidget()->rect()));
        show();
        raise();
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(r);
        painter.drawRect(r.adjusted(kWidth + 1, kWidth + 1, -kWidth - 1, -kWidth - 1));
        QPen pen(QColor(255, 214, 0), kWidth, m_dashed ? Qt::DashLine : Qt::SolidLine);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        const int mid = 1 + kWidth / 2;
        painter.drawRect(rect().adjusted(mid, mid, -mid - 1, -mid - 1));
    }

private:
    bool m_dashed = false;
};

Qt::Key keyNamed(const QString &name)
{
    const QKeySequence sequence = QKeySequence::fromString(name);
    return sequence.isEmpty() ? Qt::Key_unknown : sequence[0].key();
}

} // namespace

SwitchScanner::SwitchScanner(Board *board, QWidget *window, const ViewSettings *view)
    : QObject(window)
    , m_board(board)
    , m_window(window)
    , m_view(view)
    , m_frame(new HighlightFrame(board))
{
    m_stepTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_stepTimer, &QTimer::timeout, this, &SwitchScanner::step);
    m_holdTimer.setSingleShot(true);
    connect(&m_holdTimer, &QTimer::timeout, this, &SwitchScanner::chooseHeld);
    connect(m_view, &ViewSettings::scanChanged, this, [this] {
        if (m_scanning)
            restartSteps();
    });
}

SwitchScanner::~SwitchScanner()
{
    if (m_scanning)
        qApp->removeEventFilter(this);
}

void SwitchScanner::setScanning(bool on)
{
    if (on == m_scanning)
        return;
    m_scanning = on;
    m_phase = Phase::Waiting;
    m_row.clear();
    m_down = Switch::None;
    m_holdTimer.stop();
    if (on) {
        qApp->installEventFilter(this);
        restartSteps();
    } else {
        qApp->removeEventFilter(this);
        m_stepTimer.stop();
    }
    showHighlight();
    Q_EMIT scanningChanged(on);
}

bool SwitchScanner::oneSwitch() const
{
    return m_view->scan().mode == ScanSettings::Mode::OneSwitch;
}

void SwitchScanner::restartSteps()
{
    if (m_scanning && oneSwitch())
        m_stepTimer.start(m_view->scan().interval);
    else
        m_stepTimer.stop();
}

QList<QList<TColorButton *>> SwitchScanner::scanRows() const
{
    QList<QList<TColorButton *>> rows;
    for (const QList<TColorButton *> &row : m_board->rowsUp()) {
        QList<TColorButton *> kept;
        for (TColorButton *button : row) {
            const bool empty =
                TColorButton::strippedCaption(button->caption()).trimmed().isEmpty() &&
                button->picture().isNull();
            if (button->isEnabled() && !empty)
                kept.append(button);
        }
        if (!kept.isEmpty())
            rows.append(kept);
    }
    return rows;
}

QList<TColorButton *> SwitchScanner::highlightedRow() const
{
    QList<TColorButton *> row;
    if (m_phase != Phase::Waiting)
        for (const QPointer<TColorButton> &button : m_row)
            if (button)
                row.append(button);
    return row;
}

TColorButton *SwitchScanner::highlightedButton() const
{
    if (m_phase != Phase::Buttons || m_button >= m_row.size())
        return nullptr;
    return m_row.at(m_button);
}

void SwitchScanner::step()
{
    if (!m_scanning)
        return;
    const QList<QList<TColorButton *>> rows = scanRows();
    // A choice may have opened or closed an overlay since the last step: the
    // rows of the panel up now are the ones scanned, from the top.
    const bool samePanel = m_panel == m_board->panelUp();
    if (rows.isEmpty()) {
        m_phase = Phase::Waiting;
        m_row.clear();
    } else if (m_phase == Phase::Buttons && samePanel && !highlightedRow().isEmpty()) {
        m_button = (m_button + 1) % int(m_row.size() + 1);
    } else {
        m_rowIndex = m_phase == Phase::Rows && samePanel ? (m_rowIndex + 1) % int(rows.size()) : 0;
        m_phase = Phase::Rows;
        m_row.clear();
        for (TColorButton *button : rows.at(m_rowIndex))
            m_row.append(button);
    }
    m_panel = m_board->panelUp();
    showHighlight();
}

void SwitchScanner::choose()
{
    if (!m_scanning)
        return;
    if (m_phase == Phase::Waiting) {
        // Nothing is highlighted yet: the switch shows where scanning starts.
        step();
        restartSteps();
        return;
    }
    if (m_phase == Phase::Rows) {
        m_phase = Phase::Buttons;
        m_button = 0;
        showHighlight();
        restartSteps();
        return;
    }
    TColorButton *button = highlightedButton();
    if (!button) {
        rowsAgain();
        return;
    }
    m_phase = Phase::Waiting;
    m_row.clear();
    showHighlight();
    restartSteps();
    button->click();
}

void SwitchScanner::chooseHeld()
{
    TColorButton *button = m_down == Switch::Choose ? highlightedButton() : nullptr;
    if (!button)
        return;
    m_heldOut = true;
    m_phase = Phase::Waiting;
    m_row.clear();
    showHighlight();
    Q_EMIT button->rightClicked();
}

void SwitchScanner::rowsAgain()
{
    m_phase = Phase::Rows;
    showHighlight();
    restartSteps();
}

void SwitchScanner::showHighlight()
{
    auto *frame = static_cast<HighlightFrame *>(m_frame);
    const QList<TColorButton *> row = highlightedRow();
    if (!m_scanning || row.isEmpty()) {
        frame->hide();
        return;
    }
    TColorButton *button = highlightedButton();
    // A row outside the board (the lead row) is framed on its own widget.
    QWidget *host = m_board->isAncestorOf(row.first()) ? m_board : row.first()->parentWidget();
    if (frame->parentWidget() != host)
        frame->setParent(host);
    QRect place;
    for (TColorButton *b : button ? QList<TColorButton *>{button} : row)
        place |= QRect(b->mapTo(host, QPoint(0, 0)), b->size());
    frame->frame(place, m_phase == Phase::Buttons && !button);
    if (button) {
        button->setFocus(Qt::TabFocusReason);
        Q_EMIT highlightSpoken(button->spokenName());
    } else if (m_phase == Phase::Buttons) {
        Q_EMIT highlightSpoken(tr("back to rows"));
    } else {
        QStringList names;
        for (TColorButton *b : row)
            names.append(b->spokenName());
        Q_EMIT highlightSpoken(names.join(QStringLiteral(", ")));
    }
}

SwitchScanner::Switch SwitchScanner::switchOf(QEvent *event) const
{
    const ScanSettings &scan = m_view->scan();
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
        event->type() == QEvent::MouseButtonDblClick)
        return oneSwitch() ? Switch::Move : Switch::None;
    const int key = static_cast<QKeyEvent *>(event)->key();
    Qt::Key choose = keyNamed(scan.chooseKey);
    const auto is = [key](Qt::Key named) {
        // The keypad's Enter is the same switch as Return.
        return key == named || (named == Qt::Key_Return && key == Qt::Key_Enter);
    };
    if (is(keyNamed(scan.moveKey)))
        return Switch::Move;
    if (!oneSwitch() && is(choose))
        return Switch::Choose;
    return Switch::None;
}

void SwitchScanner::switchDown(Switch which)
{
    // With one switch, the one switch chooses.
    if (oneSwitch())
        which = Switch::Choose;
    m_down = which;
    m_heldOut = false;
    if (which == Switch::Move) {
        step();
        return;
    }
    // The highlight stands still while the switch is held.
    m_stepTimer.stop();
    m_holdTimer.start(m_view->scan().holdForRightClick);
}

void SwitchScanner::switchUp(Switch which)
{
    if (oneSwitch())
        which = Switch::Choose;
    if (which != m_down)
        return;
    m_down = Switch::None;
    if (which != Switch::Choose)
        return;
    m_holdTimer.stop();
    if (m_heldOut)
        restartSteps();
    else
        choose();
}

bool SwitchScanner::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto *key = static_cast<QKeyEvent *>(event);
        const Switch which = switchOf(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            if (event->type() == QEvent::KeyPress)
                setScanning(false);
        } else if (which == Switch::None) {
            return false;
        } else if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
            switchDown(which);
        } else if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat()) {
            switchUp(which);
        }
        // Accepting the override keeps the key from any shortcut, so it
        // comes as a key press, and that the scanner keeps.
        event->accept();
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // The menu bar stays the mouse's, so scanning can be left by it.
        if (qobject_cast<QMenuBar *>(widget) || switchOf(event) == Switch::None)
            return false;
        if (event->type() == QEvent::MouseButtonRelease)
            switchUp(Switch::Move);
        else if (event->type() == QEvent::MouseButtonPress)
            switchDown(Switch::Move);
        return true;
    }
    default:
        return false;
    }
}
