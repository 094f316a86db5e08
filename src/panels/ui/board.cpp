#include "panels/ui/board.h"

#include "controls/color_button.h"
#include "panels/button_hints.h"
#include "panels/button_rows.h"
#include "panels/main_board_table.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

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
        const QColor outer = Qt::black;
        const QColor inner = Qt::white;
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 2), outer);
        painter.fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), outer);
        painter.fillRect(QRect(r.left(), r.top(), 2, r.height()), outer);
        painter.fillRect(QRect(r.right() - 1, r.top(), 2, r.height()), outer);
        painter.setPen(inner);
        painter.drawRect(r.adjusted(2, 2, -3, -3));
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
    while (!m_pending.isEmpty())
        m_pending.takeFirst()();
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
    int pixels = 16;
    const QString caption = button->caption().remove(QLatin1Char('&'));
    const int room = button->width() - 2 * button->bevelSize() - 2;
    for (; pixels > 9; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(caption) <= room)
            break;
    }
    font.setPixelSize(pixels);
    button->setFont(font);
    button->setFontColor(Qt::white);
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
