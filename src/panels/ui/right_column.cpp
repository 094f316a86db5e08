#include "panels/ui/right_column.h"

#include "compose/composition.h"
#include "controls/color_button.h"
#include "controls/zoom_scale.h"
#include "panels/right_words.h"
#include "panels/ui/focus_ring_delegate.h"
#include "prefs/preferences.h"
#include "vocab/vocabulary.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace {

constexpr int kItemHeight = 19;
constexpr int kLeftWidth = 4;
constexpr int kTopHeight = 4;

QWidget *filler(const char *name, QWidget *parent)
{
    auto *w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setAutoFillBackground(true);
    return w;
}

QColor toColor(quint32 colour, const QPalette &palette)
{
    if (!PreferenceValues::isSystemColour(colour))
        return TColorButton::fromBgr(colour);
    switch (colour & 0xFF) {
    case 0x05: // clWindow
        return palette.color(QPalette::Base);
    case 0x0F: // clBtnFace
        return palette.color(QPalette::Button);
    default:
        return palette.color(QPalette::Window);
    }
}

} // namespace

RightColumn::RightColumn(Composition &composition, Vocabulary &vocabulary, QWidget *parent)
    : QWidget(parent)
    , m_composition(composition)
    , m_vocabulary(vocabulary)
{
    setObjectName(QStringLiteral("pFiller"));
    setAutoFillBackground(true);
    pFillerLeft = filler("pFillerLeft", this);
    pFillerTop = filler("pFillerTop", this);
    pFillerRight = filler("pFillerRight", this);
    pFillerRightTop = filler("pFillerRightTop", this);

    lbRight = new QListWidget(this);
    lbRight->setObjectName(QStringLiteral("lbRight"));
    lbRight->setFrameShape(QFrame::NoFrame);
    lbRight->setFlow(QListView::TopToBottom);
    lbRight->setWrapping(true);
    lbRight->setResizeMode(QListView::Adjust);
    lbRight->setUniformItemSizes(true);
    // No row stays highlighted after a click.
    lbRight->setSelectionMode(QAbstractItemView::NoSelection);
    // F6 reaches the column; Tab stays with the board.
    lbRight->setFocusPolicy(Qt::NoFocus);
    lbRight->setItemDelegate(new FocusRingDelegate(lbRight));
    lbRight->setAccessibleName(tr("word column"));
    const QString listHint =
        tr("Click a word, or press Enter on it, to put it in; the right button or "
           "the Menu key shows the list to pick from and edit");
    lbRight->setToolTip(listHint);
    // A list view gives a screen reader no tooltip: the same words.
    lbRight->setAccessibleDescription(listHint);
    lbRight->installEventFilter(this);
    lbRight->viewport()->installEventFilter(this);
    connect(lbRight, &QListWidget::clicked, this,
            [this](const QModelIndex &index) { lbRightClick(index.row()); });
    // The pick list and the word list editor may both change the list.
    connect(&vocabulary, &Vocabulary::listChanged, this, [this](Vocabulary::List list) {
        if (list == Vocabulary::List::RightList)
            reload();
    });

    setColour(m_colour);
    placeFillers();
}

void RightColumn::applyPreferences(const PreferenceValues &preferences)
{
    m_columnWidth = preferences.columnWidth;
    m_alphabetize = preferences.alphabetize;
    setMarginText(QString::number(preferences.rightMargin));
    setColour(preferences.rightColour);
    layOut(window()->width());
    reload();
    Q_EMIT settingsApplied();
}

void RightColumn::followPreferences(Preferences &preferences)
{
    auto follow = [this, &preferences] {
        applyPreferences(preferences.values());
        PreferenceValues shown = preferences.values();
        collectPreferences(shown);
        // Changes nothing, and tells no one, when nothing was corrected.
        preferences.assign(shown);
    };
    follow();
    connect(&preferences, &Preferences::changed, this, [follow](Preferences::Aspect aspect) {
        if (aspect == Preferences::Aspect::RightColumn)
            follow();
    });
}

void RightColumn::collectPreferences(PreferenceValues &preferences) const
{
    preferences.columnWidth = m_columnWidth;
    preferences.alphabetize = m_alphabetize;
    preferences.rightMargin = m_margin;
    preferences.rightColour = m_colour;
}

std::optional<QString> RightColumn::setColumnWidthText(const QString &text)
{
    m_columnWidth = text;
    return layOut(window()->width());
}

QString RightColumn::setMarginText(const QString &text)
{
    QString writeBack;
    m_margin = RightWords::margin(text, &writeBack);
    placeFillers();
    return writeBack;
}

void RightColumn::setAlphabetize(bool on)
{
    m_alphabetize = on;
    if (on)
        reload();
}

void RightColumn::reload()
{
    WordList &list = m_vocabulary.wordList(Vocabulary::List::RightList);
    if (m_alphabetize)
        RightWords::sort(list);
    lbRight->clear();
    lbRight->addItems(list.entries());
}

void RightColumn::setColour(quint32 colour)
{
    m_colour = colour;
    const QColor c = toColor(colour, palette());
    for (QWidget *w : {static_cast<QWidget *>(this), pFillerLeft, pFillerTop, pFillerRight,
                       pFillerRightTop, lbRight->viewport()}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, c);
        p.setColor(QPalette::Base, c);
        w->setPalette(p);
    }
    QPalette p = lbRight->palette();
    p.setColor(QPalette::Base, c);
    // The words stay readable on a dark or a light colour.
    p.setColor(QPalette::Text, c.lightness() < 128 ? Qt::white : Qt::black);
    lbRight->setPalette(p);
}

void RightColumn::FormResize(int windowWidth)
{
    const QString before = m_columnWidth;
    layOut(windowWidth);
    if (m_columnWidth != before)
        Q_EMIT columnWidthCorrected(m_columnWidth);
}

std::optional<QString> RightColumn::layOut(int windowWidth)
{
    // Zoomed, the board and the columns are both wider: the count is that
    // of the window at 100.
    windowWidth = qRound(windowWidth * 100.0 / m_zoom);
    if (windowWidth <= RightWords::BoardRoom)
        return std::nullopt;
    QString writeBack;
    const int width = RightWords::columnWidth(m_columnWidth, &writeBack);
    std::optional<QString> shown;
    if (m_columnWidth.size() >= 2) {
        if (!writeBack.isEmpty())
            m_columnWidth = writeBack;
        shown = m_columnWidth;
    }
    placeFillers();
    m_columns = RightWords::columnCount(windowWidth, width);
    updateGrid();
    return shown;
}

void RightColumn::lbRightClick(int row)
{
    RightWords::click(m_composition, m_vocabulary.wordList(Vocabulary::List::RightList), row);
}

void RightColumn::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeFillers();
}

void RightColumn::placeFillers()
{
    const int left = zoomed(kLeftWidth);
    const int top = zoomed(kTopHeight);
    const int margin = zoomed(m_margin);
    const int listWidth = std::max(0, width() - left - margin);
    pFillerLeft->setGeometry(0, 0, left, height());
    pFillerTop->setGeometry(left, 0, listWidth, top);
    pFillerRight->setGeometry(left + listWidth, top, margin, std::max(0, height() - top));
    lbRight->setGeometry(left, top, listWidth, std::max(0, height() - top));
    pFillerRightTop->setGeometry(left + listWidth - 2, 0, margin + 2, top);
    updateGrid();
}

void RightColumn::updateGrid()
{
    // Each column takes an equal share of the list's width.
    const int columnWidth = std::max(1, lbRight->viewport()->width() / std::max(1, m_columns));
    lbRight->setGridSize(QSize(columnWidth, zoomed(kItemHeight)));
}

int RightColumn::zoomed(int value) const
{
    return zoomedBy(value, m_zoom);
}

void RightColumn::setZoom(int percent)
{
    if (percent == m_zoom || percent <= 0)
        return;
    if (m_zoom == 100)
        m_unzoomedFont = lbRight->font();
    m_zoom = percent;
    lbRight->setFont(zoomedBy(m_unzoomedFont, m_zoom));
    layOut(window()->width());
}

bool RightColumn::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        Q_EMIT pickRequested();
        return true;
    }
    if (watched == lbRight->viewport() && event->type() == QEvent::Resize)
        updateGrid();
    return QWidget::eventFilter(watched, event);
}
