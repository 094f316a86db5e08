#include "panels/ui/board.h"

#include "controls/color_button.h"
#include "controls/frame_paint.h"
#include "panels/button_hints.h"
#include "panels/button_rows.h"
#include "panels/main_board_table.h"
#include "controls/zoom_scale.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Marks the widgets that are panels of the board, as against the buttons,
// labels and boxes on them.
const char kPanelProperty[] = "boardPanel";

QWidget *markedPanel(QWidget *panel)
{
    panel->setProperty(kPanelProperty, true);
    return panel;
}

// The panel child of parent that is up and on top, or null.
QWidget *topPanelOf(const QWidget *parent)
{
    const QObjectList &children = parent->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto *panel = qobject_cast<QWidget *>(*it);
        if (panel && panel->property(kPanelProperty).toBool() && panel->isVisibleTo(parent))
            return panel;
    }
    return nullptr;
}

// The outline of a sub-panel lying over part of another: without it the
// buttons it covers look cut rather than covered. Drawn over the panel's own
// edge, above its buttons, and deaf to the mouse.
class PanelFrame : public QWidget
{
public:
    explicit PanelFrame(QWidget *panel)
        : QWidget(panel)
    {
        setObjectName(QStringLiteral("panelFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(panel->rect());
        panel->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent()) {
            if (event->type() == QEvent::Resize)
                setGeometry(parentWidget()->rect());
            else if (event->type() == QEvent::ChildAdded || event->type() == QEvent::Show)
                raise();
        }
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect r = rect();
        fillFrame(painter, r, 2, Qt::black);
        fillFrame(painter, r.adjusted(2, 2, -2, -2), 1, Qt::white);
    }
};

} // namespace

Board::Board(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pBackPanel"));
    setFixedSize(kBoardWidth, kBoardHeight);
    m_main = markedPanel(new QWidget(this));
    m_main->setObjectName(QStringLiteral("pMain"));
    m_main->setGeometry(0, 0, kBoardWidth, kBoardHeight);
    buildButtons(m_main, mainBoardButtons());
}

TColorButton *Board::button(const QString &name) const
{
    TColorButton *found = m_buttons.value(name);
    if (!found && !m_pending.isEmpty()) {
        buildPending();
        found = m_buttons.value(name);
    }
    return found;
}

void Board::withButton(const QString &name, const std::function<void(TColorButton *)> &use)
{
    if (TColorButton *found = m_buttons.value(name))
        use(found);
    else
        m_waiting[name].append(use);
}

void Board::addPending(const std::function<void()> &build)
{
    m_pending.append(build);
}

void Board::buildPending() const
{
    // A builder may itself look a button up and so come back here: each
    // one leaves the list before it runs.
    while (!m_pending.isEmpty()) {
        m_pending.takeFirst()();
        // A panel built while zoomed comes out zoomed.
        if (m_zoom != 100)
            const_cast<Board *>(this)->zoomAll();
    }
}

QWidget *Board::panelUp() const
{
    QWidget *up = topPanelOf(this);
    if (!up)
        up = m_main;
    while (QWidget *inner = topPanelOf(up))
        up = inner;
    return up;
}

QList<QList<TColorButton *>> Board::rowsUp() const
{
    QWidget *panel = panelUp();
    QList<TColorButton *> buttons;
    QList<QRect> places;
    for (TColorButton *button : panel->findChildren<TColorButton *>()) {
        if (!button->isVisibleTo(panel))
            continue;
        buttons.append(button);
        places.append(QRect(button->mapTo(panel, QPoint(0, 0)), button->size()));
    }
    QList<QList<TColorButton *>> rows;
    for (const QList<int> &row : buttonRows(places)) {
        rows.append(QList<TColorButton *>());
        for (int index : row)
            rows.last().append(buttons[index]);
    }
    return rows;
}

QWidget *Board::addOverlay(const QString &name)
{
    auto *panel = markedPanel(new QWidget(this));
    panel->setObjectName(name);
    panel->setGeometry(0, 0, kBoardWidth, kBoardHeight);
    panel->setAutoFillBackground(true);
    panel->hide();
    panel->installEventFilter(this);
    return panel;
}

QWidget *Board::addSubPanel(QWidget *parent, const QString &name, const QRect &rect)
{
    auto *panel = markedPanel(new QWidget(parent));
    panel->setObjectName(name);
    panel->setGeometry(rect);
    panel->setAutoFillBackground(true);
    new PanelFrame(panel);
    panel->hide();
    panel->installEventFilter(this);
    return panel;
}

QList<QLabel *> Board::buildLabels(QWidget *panel, std::span<const LabelDesc> labels)
{
    QList<QLabel *> made;
    for (const LabelDesc &desc : labels) {
        QString text = QString::fromUtf8(desc.caption);
        text.replace(QStringLiteral("&&"), QStringLiteral("&"));
        auto *label = new QLabel(text, panel);
        label->setGeometry(desc.left, desc.top, desc.width, desc.height);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        font.setPixelSize(12);
        label->setFont(font);
        made.append(label);
    }
    return made;
}

void Board::fitCaptionFont(TColorButton *button)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    const int zoom = zoomOf(button);
    int pixels = zoomedBy(16, zoom);
    const int smallest = zoomedBy(9, zoom);
    const QString caption = button->caption().remove(QLatin1Char('&'));
    const int room = button->width() - 2 * button->bevelSize() - 2;
    for (; pixels > smallest; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(caption) <= room)
            break;
    }
    font.setPixelSize(pixels);
    button->setFont(font);
    button->setFontColor(Qt::white);
    // Zooming fits it again rather than scaling it.
    button->setProperty("fittedCaption", true);
}

namespace {

// What a screen reader says for a button whose caption is a picture or a
// mark rather than a word.
const char *spokenName(const char *button)
{
    static constexpr std::pair<const char *, const char *> kSpoken[] = {
        {"btnWordLeft", "word left"},
        {"btnWordRight", "word right"},
        {"btnQuotes", "double quote"},
        {"btnApostrophe", "apostrophe"},
    };
    for (const auto &[name, spoken] : kSpoken)
        if (qstrcmp(name, button) == 0)
            return spoken;
    return nullptr;
}

} // namespace

QList<TColorButton *> Board::buildButtons(QWidget *panel, std::span<const ButtonDesc> descs)
{
    QList<TColorButton *> made;
    for (size_t i = 0; i < descs.size(); ++i) {
        const ButtonDesc &desc = descs[i];
        int width = desc.width;
        if (width == 0) {
            width = panel->width() - 2 - desc.left;
            for (size_t k = 0; k < descs.size(); ++k) {
                const ButtonDesc &other = descs[k];
                if (other.top == desc.top && other.left > desc.left)
                    width = std::min(width, other.left - desc.left - 1);
            }
        }
        auto *button = new TColorButton(panel);
        const QString name = QString::fromLatin1(desc.name);
        button->setObjectName(name);
        button->setGeometry(desc.left, desc.top, width, desc.height);
        button->setCaption(QString::fromUtf8(desc.caption));
        if (const char *spoken = spokenName(desc.name))
            button->setAccessibleName(QString::fromLatin1(spoken));
        button->setColor(desc.color == kClBtnFace ? palette().color(QPalette::Button)
                                                  : TColorButton::fromBgr(desc.color));
        button->setBevelSize(1);
        fitCaptionFont(button);
        const ButtonHints::Hint hint =
            ButtonHints::hintFor(name, panel->objectName(), QString::fromUtf8(desc.caption),
                                 QString::fromUtf8(desc.word));
        button->setHint(hint.left, hint.right);
        m_buttons.insert(name, button);
        made.append(button);
    }
    for (TColorButton *button : made)
        for (const auto &use : m_waiting.take(button->objectName()))
            use(button);
    return made;
}

int Board::zoomOf(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget())
        if (const auto *board = qobject_cast<const Board *>(widget))
            return board->m_zoom;
    return 100;
}

void Board::setZoom(int percent)
{
    if (percent == m_zoom || percent <= 0)
        return;
    m_zoom = percent;
    zoomAll();
}

bool Board::eventFilter(QObject *watched, QEvent *event)
{
    // A panel shown for the first time may just have been built, or its
    // owner may have placed things on it anew.
    if (m_zoom != 100 && event->type() == QEvent::ShowToParent)
        zoomAll();
    return QWidget::eventFilter(watched, event);
}

int Board::zoomed(int value) const
{
    return zoomedBy(value, m_zoom);
}

Board::Unzoomed &Board::unzoomed(QObject *object)
{
    Unzoomed &u = m_unzoomed[object];
    if (!u.object) {
        u = Unzoomed();
        u.object = object;
    }
    return u;
}

void Board::zoomAll()
{
    Unzoomed &self = unzoomed(this);
    if (self.geometry.isNull()) {
        self.geometry = QRect(0, 0, kBoardWidth, kBoardHeight);
        self.font = font();
    }
    setFixedSize(zoomed(kBoardWidth), zoomed(kBoardHeight));
    setFont(zoomedBy(self.font, m_zoom));
    for (QObject *child : children())
        if (auto *widget = qobject_cast<QWidget *>(child); widget && !widget->isWindow())
            zoomTree(widget, true);
}

void Board::zoomTree(QWidget *widget, bool place)
{
    zoomWidget(widget, place);
    if (QLayout *layout = widget->layout())
        zoomLayout(layout);
    // The parts inside a box, a list or a button are laid out by it.
    if (qobject_cast<QAbstractScrollArea *>(widget) || qobject_cast<QComboBox *>(widget) ||
        qobject_cast<QAbstractSpinBox *>(widget) || qobject_cast<QAbstractButton *>(widget) ||
        qobject_cast<QLineEdit *>(widget) || qobject_cast<QTabBar *>(widget))
        return;
    // A tab widget places its bar and pages itself; a layout places what it holds.
    const bool placeChildren = !widget->layout() && !qobject_cast<QTabWidget *>(widget);
    for (QObject *child : widget->children())
        if (auto *inner = qobject_cast<QWidget *>(child); inner && !inner->isWindow())
            zoomTree(inner, placeChildren);
}

void Board::zoomWidget(QWidget *widget, bool place)
{
    const bool fresh = !m_unzoomed.value(widget).object;
    Unzoomed &u = unzoomed(widget);
    auto size = [this](QSize s) {
        return QSize(s.width() >= QWIDGETSIZE_MAX ? s.width() : zoomed(s.width()),
                     s.height() >= QWIDGETSIZE_MAX ? s.height() : zoomed(s.height()));
    };
    if (fresh || widget->minimumSize() != u.minimumSet)
        u.minimum = widget->minimumSize();
    if (fresh || widget->maximumSize() != u.maximumSet)
        u.maximum = widget->maximumSize();
    if (!u.minimum.isNull() || u.maximum != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)) {
        widget->setMinimumSize(size(u.minimum));
        widget->setMaximumSize(size(u.maximum));
    }
    u.minimumSet = widget->minimumSize();
    u.maximumSet = widget->maximumSize();

    if (place) {
        if (fresh || widget->geometry() != u.placed)
            u.geometry = widget->geometry();
        const QRect &g = u.geometry;
        widget->setGeometry(zoomed(g.x()), zoomed(g.y()), zoomed(g.width()), zoomed(g.height()));
        u.placed = widget->geometry();
    }

    // A list's rows and columns grow with its words.
    if (auto *list = qobject_cast<QListView *>(widget)) {
        if (fresh || list->gridSize() != u.gridSet)
            u.grid = list->gridSize();
        if (u.grid.isValid())
            list->setGridSize(size(u.grid));
        u.gridSet = list->gridSize();
    }

    auto *button = qobject_cast<TColorButton *>(widget);
    if (button && button->property("fittedCaption").toBool()) {
        fitCaptionFont(button);
        return;
    }
    // A font of the widget's own scales; any other comes from the board's.
    if (widget->testAttribute(Qt::WA_SetFont) && (fresh || widget->font() != u.fontSet)) {
        u.font = widget->font();
        u.ownFont = true;
    }
    if (!u.ownFont)
        return;
    widget->setFont(zoomedBy(u.font, m_zoom));
    u.fontSet = widget->font();
}

void Board::zoomLayout(QLayout *layout)
{
    const bool fresh = !m_unzoomed.value(layout).object;
    Unzoomed &u = unzoomed(layout);
    if (fresh || layout->contentsMargins() != u.marginsSet)
        u.margins = layout->contentsMargins();
    if (fresh || layout->spacing() != u.spacingSet)
        u.spacing = layout->spacing();
    const QMargins &m = u.margins;
    layout->setContentsMargins(zoomed(m.left()), zoomed(m.top()), zoomed(m.right()),
                               zoomed(m.bottom()));
    if (u.spacing >= 0)
        layout->setSpacing(zoomed(u.spacing));
    u.marginsSet = layout->contentsMargins();
    u.spacingSet = layout->spacing();
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout *inner = layout->itemAt(i)->layout())
            zoomLayout(inner);
}
