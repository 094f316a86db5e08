#include "panels/ui/dwell_selector.h"

#include "controls/color_button.h"
#include "controls/frame_paint.h"
#include "panels/ui/board.h"
#include "prefs/view_settings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>

namespace {

// How often the pointer is looked at while dwell is on: often enough for
// a countdown that moves smoothly, seldom enough to cost nothing.
constexpr int kTickMs = 30;
// The countdown band's width at 100 %: it grows with the zoom.
constexpr int kBandWidth = 4;

// The countdown: a black band round the target, edged in white inside and
// out so that it shows on the board, on every face and on white, which
// fills with yellow clockwise from the top left corner as the time runs.
// It lies outside the target, so the caption stays readable.
class CountdownFrame : public QWidget
{
public:
    explicit CountdownFrame(QWidget *window)
        : QWidget(window)
    {
        makeOverlay(this, "dwellCountdown");
    }

    static int margin(int band) { return band + 2; }

    void place(const QRect &inner, int band, double progress)
    {
        const int m = margin(band);
        const QRect outer = inner.adjusted(-m, -m, m, m);
        if (geometry() != outer)
            setGeometry(outer);
        if (isHidden())
            show();
        raise();
        if (band != m_band || progress != m_progress) {
            m_band = band;
            m_progress = progress;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect r = rect();
        const int w = m_band;
        fillFrame(painter, r, 1, Qt::white);
        const QRect band = r.adjusted(1, 1, -1, -1);
        fillFrame(painter, band, w, Qt::black);
        fillFrame(painter, band.adjusted(w, w, -w, -w), 1, Qt::white);
        // The four sides in the order the fill goes round, each as the
        // rectangle it fills and the way it grows.
        const int side = band.height() - 2 * w;
        const QRect top(band.left(), band.top(), band.width(), w);
        const QRect right(band.right() - w + 1, band.top() + w, w, side);
        const QRect bottom(band.left(), band.bottom() - w + 1, band.width(), w);
        const QRect left(band.left(), band.top() + w, w, side);
        int length = qRound(m_progress * 2 * (band.width() + side));
        const QColor fill(255, 214, 0);
        auto take = [&length](int of) {
            const int taken = std::clamp(length, 0, of);
            length -= taken;
            return taken;
        };
        int n = take(top.width());
        painter.fillRect(QRect(top.left(), top.top(), n, w), fill);
        n = take(right.height());
        painter.fillRect(QRect(right.left(), right.top(), w, n), fill);
        n = take(bottom.width());
        painter.fillRect(QRect(bottom.right() - n + 1, bottom.top(), n, w), fill);
        n = take(left.height());
        painter.fillRect(QRect(left.left(), left.bottom() - n + 1, w, n), fill);
    }

private:
    int m_band = kBandWidth;
    double m_progress = 0;
};

// What a mouse button does there: the press gives the focus where a click
// would, then the press and the release reach the widget's own handlers.
void clickAt(QWidget *widget, Qt::MouseButton button, QPoint pos)
{
    QPointer<QWidget> target(widget);
    if ((widget->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus)
        widget->setFocus(Qt::MouseFocusReason);
    const QPointF global = widget->mapToGlobal(QPointF(pos));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(pos), global, button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    if (!target)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(pos), global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

} // namespace

DwellSelector::DwellSelector(Board *board, QWidget *window, const ViewSettings *view)
    : QObject(window)
    , m_board(board)
    , m_window(window)
    , m_view(view)
    , m_countdown(new CountdownFrame(window))
{
    m_tick.setTimerType(Qt::PreciseTimer);
    m_tick.setInterval(kTickMs);
    connect(&m_tick, &QTimer::timeout, this, &DwellSelector::tick);
    // A zoom moves every button from under the pointer.
    connect(m_view, &ViewSettings::changed, this, [this](ViewSettings::Aspect aspect) {
        if (aspect == ViewSettings::Aspect::Dwell)
            settingsChanged();
        else if (aspect == ViewSettings::Aspect::Zoom)
            cancel();
    });
    m_clock.start();
    settingsChanged();
}

void DwellSelector::addRowTarget(QAbstractItemView *list)
{
    if (list)
        m_lists.append(list);
}

QWidget *DwellSelector::countingOn() const
{
    return m_countdown->isVisible() ? m_resting.widget.data() : nullptr;
}

int DwellSelector::tolerance() const
{
    return qRound(m_view->dwell().tolerance * m_view->scale());
}

void DwellSelector::settingsChanged()
{
    const DwellSettings &dwell = m_view->dwell();
    const bool marks = dwell.on && dwell.rightClick == DwellSettings::RightClick::CornerMark;
    if (marks != m_marks) {
        m_marks = marks;
        m_window->setProperty(TColorButton::kCornerMarkProperty, marks);
        for (TColorButton *button : m_window->findChildren<TColorButton *>())
            if (button->hasRightClick())
                button->update();
    }
    if (dwell.on == isOn())
        return;
    m_on = dwell.on;
    cancel();
    m_spent = {};
    if (dwell.on) {
        // Turned on under a resting pointer, dwell waits for it to move:
        // the button under it was not chosen by resting there.
        m_waitForMove = true;
        m_stillPoint = QCursor::pos();
        m_panelUp = m_board->panelUp();
        m_tick.start();
        qApp->installEventFilter(this);
    } else {
        m_tick.stop();
        qApp->removeEventFilter(this);
    }
}

QAbstractItemView *DwellSelector::listOf(const QWidget *viewport) const
{
    for (const QPointer<QAbstractItemView> &list : m_lists)
        if (list && list->viewport() == viewport)
            return list;
    return nullptr;
}

DwellSelector::Target DwellSelector::targetAt(const QPoint &global) const
{
    // Nothing behind an open menu or a dialog that holds the window.
    QWidget *modal = QApplication::activeModalWidget();
    if (QApplication::activePopupWidget() || (modal && modal != m_window))
        return {};
    QWidget *widget = QApplication::widgetAt(global);
    if (!widget || widget->window() != m_window || !widget->isEnabled())
        return {};
    if (QAbstractItemView *list = listOf(widget)) {
        const QModelIndex index = list->indexAt(widget->mapFromGlobal(global));
        if (!index.isValid() || !(index.flags() & Qt::ItemIsEnabled))
            return {};
        return {widget, index.row(), false};
    }
    if (auto *button = qobject_cast<TColorButton *>(widget)) {
        const bool corner = m_marks && button->hasRightClick() &&
                            button->cornerMarkRect().contains(button->mapFromGlobal(global));
        return {button, -1, corner};
    }
    if (qobject_cast<QAbstractButton *>(widget) && m_board->isAncestorOf(widget))
        return {widget, -1, false};
    return {};
}

QRect DwellSelector::rectOf(const Target &target) const
{
    if (target.row >= 0) {
        QAbstractItemView *list = listOf(target.widget);
        return list ? list->visualRect(list->model()->index(target.row, 0)) : QRect();
    }
    if (target.corner)
        return static_cast<TColorButton *>(target.widget.data())->cornerMarkRect();
    return target.widget->rect();
}

QString DwellSelector::nameOf(const Target &target) const
{
    if (target.row >= 0) {
        QAbstractItemView *list = listOf(target.widget);
        return list ? list->model()->index(target.row, 0).data().toString() : QString();
    }
    QString name;
    if (auto *button = qobject_cast<TColorButton *>(target.widget))
        name = button->spokenName();
    else if (!target.widget->accessibleName().isEmpty())
        name = target.widget->accessibleName();
    else if (auto *button = qobject_cast<QAbstractButton *>(target.widget))
        name = TColorButton::strippedCaption(button->text());
    return target.corner ? tr("%1, right click").arg(name) : name;
}

bool DwellSelector::eventFilter(QObject *watched, QEvent *event)
{
    // A pointer can leave a button and come back between two ticks (a
    // quick flick of the head); seen here, that counts as having left.
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::Enter || type == QEvent::Leave)
        follow(QCursor::pos());
    return QObject::eventFilter(watched, event);
}

DwellSelector::Target DwellSelector::follow(const QPoint &pointer)
{
    if (m_waitForMove) {
        if (QLineF(pointer, m_stillPoint).length() <= tolerance())
            return {};
        m_waitForMove = false;
    }
    const Target target = targetAt(pointer);
    if (!(target == m_spent))
        m_spent = {};
    if (target.isNull() || target == m_spent) {
        cancel();
        return {};
    }
    if (!(target == m_resting) || QLineF(pointer, m_restPoint).length() > tolerance())
        restFrom(target, pointer, m_clock.elapsed());
    return target;
}

void DwellSelector::tick()
{
    const qint64 now = m_clock.elapsed();
    // A panel that came or went has put other buttons under the pointer.
    if (QWidget *up = m_board->panelUp(); up != m_panelUp) {
        m_panelUp = up;
        m_pauseUntil = std::max(m_pauseUntil, now + m_view->dwell().pause);
    }
    const QPoint pointer = QCursor::pos();
    const Target target = follow(pointer);
    if (target.isNull() || now < m_pauseUntil) {
        cancel();
        return;
    }
    const DwellSettings &dwell = m_view->dwell();
    const qint64 rested = now - m_restSince;
    if (rested < dwell.lockOn)
        return;
    const bool first = m_countdown->isHidden();
    m_progress = std::min(1.0, double(rested - dwell.lockOn) / dwell.dwellTime);
    showCountdown(target);
    if (first)
        Q_EMIT hoverSpoken(nameOf(target));
    if (rested >= dwell.lockOn + dwell.dwellTime)
        choose(target, pointer);
}

void DwellSelector::restFrom(const Target &target, const QPoint &global, qint64 now)
{
    cancel();
    m_resting = target;
    m_restPoint = global;
    m_restSince = now;
}

void DwellSelector::showCountdown(const Target &target)
{
    const QRect inner = rectOf(target);
    if (inner.isEmpty()) {
        cancel();
        return;
    }
    m_shownRect = inner;
    const QRect placed(target.widget->mapTo(m_window, inner.topLeft()), inner.size());
    const int band = std::max(2, qRound(kBandWidth * m_view->scale()));
    static_cast<CountdownFrame *>(m_countdown)->place(placed, band, m_progress);
}

void DwellSelector::choose(const Target &target, const QPoint &global)
{
    m_spent = target;
    m_waitForMove = true;
    m_stillPoint = global;
    cancel();
    // A click may run a dialog, whose own event loop would tick here again.
    m_tick.stop();
    QPointer<DwellSelector> self(this);
    QWidget *widget = target.widget;
    clickAt(widget, target.corner ? Qt::RightButton : Qt::LeftButton,
            widget->mapFromGlobal(global));
    if (!self)
        return;
    m_pauseUntil = m_clock.elapsed() + m_view->dwell().pause;
    if (m_on)
        m_tick.start();
}

void DwellSelector::cancel()
{
    m_resting = {};
    m_progress = 0;
    m_shownRect = QRect();
    m_countdown->hide();
}
