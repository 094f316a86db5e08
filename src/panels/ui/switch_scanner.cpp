#include "panels/ui/switch_scanner.h"

#include "controls/color_button.h"
#include "controls/frame_paint.h"
#include "panels/ui/board.h"
#include "panels/ui/word_list_clicks.h"
#include "panels/word_groups.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The outline the highlight draws: a thick yellow line between two thin
// black ones reads on the light board, on every face colour and on white.
// The "back to rows" step draws it dashed, so it differs from the row.
class HighlightFrame : public QWidget
{
public:
    static constexpr int kWidth = 4;

    explicit HighlightFrame(QWidget *parent)
        : QWidget(parent)
    {
        makeOverlay(this, "scanHighlight");
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

QString spokenName(const QAbstractButton *button)
{
    if (const auto *b = qobject_cast<const TColorButton *>(button))
        return b->spokenName();
    if (!button->accessibleName().isEmpty())
        return button->accessibleName();
    return TColorButton::strippedCaption(button->text());
}

// A press this close after a release of the same key is the desktop's
// auto-repeat, not a person pressing again.
constexpr quint64 kRepeatGap = 1;
constexpr int kReleaseWait = 40;

const QColor kMarkFace(255, 214, 0);

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
    m_releaseTimer.setSingleShot(true);
    m_releaseTimer.setInterval(kReleaseWait);
    connect(&m_releaseTimer, &QTimer::timeout, this, [this] {
        const Switch released = std::exchange(m_released, Switch::None);
        switchUp(released);
    });
    connect(m_view, &ViewSettings::changed, this, [this](ViewSettings::Aspect aspect) {
        if (aspect == ViewSettings::Aspect::Scan && m_scanning)
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
    m_levels.clear();
    m_down = Switch::None;
    m_released = Switch::None;
    m_holdTimer.stop();
    m_releaseTimer.stop();
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

void SwitchScanner::addLeadingRow(const QString &name,
                                  const std::function<QList<TColorButton *>()> &buttons)
{
    m_leadingRows.append({name, buttons});
}

void SwitchScanner::addSideList(QListWidget *list)
{
    m_sideLists.append(list);
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

QWidget *SwitchScanner::scannedSurface() const
{
    // A question or message asks before anything else can go on.
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != m_window)
        return modal;
    return m_board->panelUp();
}

bool SwitchScanner::ownsWindow(const QWidget *widget) const
{
    const QWidget *window = widget->window();
    return window == m_window || (window == QApplication::activeModalWidget() && window != nullptr);
}

SwitchScanner::Node SwitchScanner::listNode(QListWidget *list) const
{
    QStringList words;
    for (int i = 0; i < list->count(); ++i)
        words.append(list->item(i)->text());
    const std::function<QList<Node>(const QList<WordGroup> &)> parts = [&](const QList<WordGroup>
                                                                               &groups) {
        QList<Node> nodes;
        for (const WordGroup &group : groups)
            nodes.append(Node{group.name, {}, list, group.first, group.count, parts(group.parts)});
        return nodes;
    };
    const QString name = list->accessibleName().isEmpty() ? tr("words") : list->accessibleName();
    return Node{name, {}, list, 0, int(list->count()), parts(wordGroups(words))};
}

QList<SwitchScanner::Node> SwitchScanner::topNodes() const
{
    QList<Node> nodes;
    QWidget *surface = m_surface;
    if (!surface)
        return nodes;
    auto rowNode = [](const QString &name, const QList<QAbstractButton *> &buttons) {
        Node row{name, {}, nullptr, 0, 0, {}};
        for (QAbstractButton *b : buttons) {
            row.buttons.append(b);
            row.parts.append(Node{spokenName(b), {b}, nullptr, 0, 0, {}});
        }
        return row;
    };
    if (surface->window() != m_window) {
        // A box's buttons, one by one.
        for (QAbstractButton *b : surface->findChildren<QAbstractButton *>())
            if (b->isVisible() && b->isEnabled())
                nodes.append(Node{spokenName(b), {b}, nullptr, 0, 0, {}});
        return nodes;
    }
    const bool resting = surface == m_board->mainPanel();
    for (const auto &[name, buttons] : m_leadingRows) {
        QList<QAbstractButton *> kept;
        for (TColorButton *b : resting ? buttons() : QList<TColorButton *>())
            if (b->isVisible() && b->isEnabled() && !b->caption().trimmed().isEmpty())
                kept.append(b);
        if (!kept.isEmpty())
            nodes.append(rowNode(name, kept));
    }
    // The words are what a panel with a list is for: they come first.
    for (QListWidget *list : surface->findChildren<QListWidget *>())
        if (list->isVisibleTo(surface) && list->isEnabled() && list->count() > 0)
            nodes.append(listNode(list));
    int number = 0;
    for (const QList<TColorButton *> &row : scanRows()) {
        const QString name = tr("row %1, %2").arg(++number).arg(row.constFirst()->spokenName());
        nodes.append(rowNode(name, QList<QAbstractButton *>(row.begin(), row.end())));
    }
    for (QListWidget *list : m_sideLists)
        if (resting && list && list->isVisible() && list->isEnabled() && list->width() > 0 &&
            list->count() > 0)
            nodes.append(listNode(list));
    return nodes;
}

bool SwitchScanner::stillValid() const
{
    for (const Level &level : m_levels)
        for (const Node &node : level.nodes) {
            if (node.buttons.contains(nullptr))
                return false;
            if (node.count > 0 && (!node.list || node.first + node.count > node.list->count()))
                return false;
        }
    return true;
}

const SwitchScanner::Node *SwitchScanner::current() const
{
    if (m_levels.isEmpty())
        return nullptr;
    const Level &level = m_levels.last();
    return level.index < level.nodes.size() ? &level.nodes.at(level.index) : nullptr;
}

const SwitchScanner::Node *SwitchScanner::parentNode() const
{
    if (m_levels.size() < 2)
        return nullptr;
    const Level &level = m_levels.at(m_levels.size() - 2);
    return &level.nodes.at(level.index);
}

SwitchScanner::Phase SwitchScanner::phase() const
{
    if (m_levels.isEmpty())
        return Phase::Waiting;
    return m_levels.size() == 1 ? Phase::Rows : Phase::Buttons;
}

QList<TColorButton *> SwitchScanner::highlightedRow() const
{
    QList<TColorButton *> row;
    const Node *node = m_levels.size() == 1 ? current() : parentNode();
    if (node)
        for (const QPointer<QAbstractButton> &b : node->buttons)
            if (auto *button = qobject_cast<TColorButton *>(b.data()))
                row.append(button);
    return row;
}

TColorButton *SwitchScanner::highlightedButton() const
{
    const Node *node = m_levels.size() >= 2 ? current() : nullptr;
    if (!node || node->buttons.size() != 1)
        return nullptr;
    return qobject_cast<TColorButton *>(node->buttons.constFirst().data());
}

QListWidget *SwitchScanner::highlightedList(int *first, int *count) const
{
    const Node *node = current();
    if (!node || !node->list)
        return nullptr;
    if (first)
        *first = node->first;
    if (count)
        *count = node->count;
    return node->list;
}

bool SwitchScanner::onBackStep() const
{
    return !m_levels.isEmpty() && !current();
}

void SwitchScanner::step()
{
    if (!m_scanning)
        return;
    // A choice may have opened or closed a panel or a box since the last
    // step: the groups of what is up now are scanned, from the top.
    QWidget *surface = scannedSurface();
    if (m_levels.isEmpty() || surface != m_surface || !stillValid()) {
        m_surface = surface;
        m_levels.clear();
        const QList<Node> top = topNodes();
        if (!top.isEmpty())
            m_levels.append(Level{top, 0});
    } else {
        Level &level = m_levels.last();
        const int span = int(level.nodes.size()) + (m_levels.size() > 1 ? 1 : 0);
        level.index = (level.index + 1) % span;
    }
    showHighlight();
}

void SwitchScanner::choose()
{
    if (!m_scanning)
        return;
    if (m_levels.isEmpty() || scannedSurface() != m_surface || !stillValid()) {
        // Nothing is highlighted yet: the switch shows where scanning starts.
        m_levels.clear();
        step();
        restartSteps();
        return;
    }
    Level &level = m_levels.last();
    if (level.index >= level.nodes.size()) {
        rowsAgain();
        return;
    }
    const Node node = level.nodes.at(level.index);
    if (!node.parts.isEmpty()) {
        m_levels.append(Level{node.parts, 0});
        showHighlight();
        restartSteps();
        return;
    }
    m_levels.clear();
    showHighlight();
    restartSteps();
    act(node, false);
}

void SwitchScanner::chooseHeld()
{
    const Node *node = m_down == Switch::Choose ? current() : nullptr;
    if (!node || !node->parts.isEmpty() || m_levels.size() < 2)
        return;
    const Node held = *node;
    m_heldOut = true;
    m_levels.clear();
    showHighlight();
    act(held, true);
}

void SwitchScanner::act(const Node &node, bool held)
{
    if (node.list) {
        if (held)
            WordListClicks::rightClick(node.list, node.first);
        else
            WordListClicks::click(node.list, node.first);
        return;
    }
    if (node.buttons.isEmpty() || !node.buttons.constFirst())
        return;
    QAbstractButton *button = node.buttons.constFirst();
    auto *colour = qobject_cast<TColorButton *>(button);
    if (held && colour)
        Q_EMIT colour->rightClicked();
    else
        button->click();
}

void SwitchScanner::rowsAgain()
{
    m_levels.removeLast();
    showHighlight();
    restartSteps();
}

void SwitchScanner::clearMarks()
{
    QListWidget *list = m_markedList;
    m_markedList = nullptr;
    if (!list)
        return;
    for (int i = 0; i < list->count(); ++i) {
        list->item(i)->setData(Qt::BackgroundRole, QVariant());
        list->item(i)->setData(Qt::ForegroundRole, QVariant());
    }
}

void SwitchScanner::markWords(QListWidget *list, int first, int count)
{
    m_markedList = list;
    for (int i = first; i < first + count && i < list->count(); ++i) {
        list->item(i)->setBackground(kMarkFace);
        list->item(i)->setForeground(Qt::black);
    }
    list->scrollToItem(list->item(first));
    if (count == 1) {
        list->setCurrentRow(first);
        list->setFocus(Qt::TabFocusReason);
    }
}

void SwitchScanner::frame(const QList<QWidget *> &widgets, bool dashed)
{
    QWidget *first = widgets.isEmpty() ? nullptr : widgets.constFirst();
    if (!first) {
        if (m_frame)
            m_frame->hide();
        return;
    }
    // Drawn on whatever holds the widgets: the board, the box asking, or
    // the column beside the board.
    QWidget *host = m_board->isAncestorOf(first)  ? static_cast<QWidget *>(m_board)
                    : first->window() != m_window ? first->window()
                                                  : first->parentWidget();
    if (!m_frame)
        m_frame = new HighlightFrame(host);
    else if (m_frame->parentWidget() != host)
        m_frame->setParent(host);
    QRect place;
    for (QWidget *w : widgets)
        place |= QRect(w->mapTo(host, QPoint(0, 0)), w->size());
    static_cast<HighlightFrame *>(m_frame.data())->frame(place, dashed);
}

void SwitchScanner::showHighlight()
{
    clearMarks();
    if (!m_scanning || m_levels.isEmpty()) {
        frame({}, false);
        return;
    }
    auto widgetsOf = [](const Node &node) {
        QList<QWidget *> widgets;
        if (node.list)
            widgets.append(node.list);
        for (const QPointer<QAbstractButton> &b : node.buttons)
            if (b)
                widgets.append(b);
        return widgets;
    };
    const Node *node = current();
    if (!node) {
        const Node *parent = parentNode();
        frame(widgetsOf(*parent), true);
        if (parent->list && parent->count < parent->list->count())
            markWords(parent->list, parent->first, parent->count);
        Q_EMIT highlightSpoken(m_levels.size() == 2 ? tr("back to rows") : tr("back"));
        return;
    }
    const bool wholeList = node->list && node->count == node->list->count() && m_levels.size() == 1;
    if (node->list && !wholeList) {
        frame({}, false);
        markWords(node->list, node->first, node->count);
    } else {
        frame(widgetsOf(*node), false);
        if (m_levels.size() >= 2 && node->buttons.size() == 1)
            node->buttons.constFirst()->setFocus(Qt::TabFocusReason);
    }
    Q_EMIT highlightSpoken(node->name);
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
    if (!widget || !ownsWindow(widget))
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto *key = static_cast<QKeyEvent *>(event);
        const Switch which = switchOf(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier &&
            widget->window() == m_window) {
            if (event->type() == QEvent::KeyPress)
                setScanning(false);
        } else if (which == Switch::None) {
            return false;
        } else if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
            // A press straight after the release of the same switch is the
            // desktop repeating a held key: the switch is still down.
            const bool repeat = m_releaseTimer.isActive() && m_released == which &&
                                key->timestamp() - m_releasedAt <= kRepeatGap;
            m_releaseTimer.stop();
            if (!repeat) {
                if (m_released != Switch::None)
                    switchUp(std::exchange(m_released, Switch::None));
                switchDown(which);
            }
            m_released = Switch::None;
        } else if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat()) {
            if (key->timestamp() == 0) {
                // Made by a program, not the desktop: nothing repeats.
                switchUp(which);
            } else {
                m_released = which;
                m_releasedAt = key->timestamp();
                m_releaseTimer.start();
            }
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
