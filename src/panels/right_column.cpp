#include "right_column.h"

#include "compose/composition.h"
#include "controls/color_button.h"
#include "prefs/preferences.h"
#include "right_words.h"
#include "vocab/vocabulary.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
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
    if (!Preferences::isSystemColour(colour))
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
    lbRight->setFocusPolicy(Qt::NoFocus);
    lbRight->installEventFilter(this);
    lbRight->viewport()->installEventFilter(this);
    connect(lbRight, &QListWidget::clicked, this,
            [this](const QModelIndex &index) { lbRightClick(index.row()); });
    // The pick list and the word list editor may both change the list.
    connect(&vocabulary, &Vocabulary::listChanged, this, [this](Vocabulary::List list) {
        if (list == Vocabulary::List::RightList)
            reload();
    });

    // Stand-ins for the boxes of the preferences panel.
    edColWidth = new QLineEdit(QStringLiteral("80"), this);
    edColWidth->setObjectName(QStringLiteral("edColWidth"));
    edColWidth->hide();
    connect(edColWidth, &QLineEdit::textChanged, this, &RightColumn::edColWidthChange);
    edRightMargin = new QLineEdit(QStringLiteral("4"), this);
    edRightMargin->setObjectName(QStringLiteral("edRightMargin"));
    edRightMargin->hide();
    connect(edRightMargin, &QLineEdit::textChanged, this, &RightColumn::edRightMarginChange);
    cbAlphabetize = new QCheckBox(tr("Alphabetize the right-panel word list"), this);
    cbAlphabetize->setObjectName(QStringLiteral("cbAlphabetize"));
    cbAlphabetize->hide();
    connect(cbAlphabetize, &QCheckBox::toggled, this, &RightColumn::cbAlphabetizeClick);

    setColour(m_colour);
    placeFillers();
}

void RightColumn::applyPreferences(const Preferences &preferences)
{
    {
        const QSignalBlocker block(edColWidth);
        edColWidth->setText(preferences.columnWidth);
    }
    {
        const QSignalBlocker block(cbAlphabetize);
        cbAlphabetize->setChecked(preferences.alphabetize);
    }
    edRightMargin->setText(QString::number(preferences.rightMargin));
    edRightMarginChange();
    setColour(preferences.rightColour);
    reload();
}

void RightColumn::collectPreferences(Preferences &preferences) const
{
    preferences.columnWidth = edColWidth->text();
    preferences.alphabetize = cbAlphabetize->isChecked();
    preferences.rightMargin = m_margin;
    preferences.rightColour = m_colour;
}

void RightColumn::reload()
{
    WordList &list = m_vocabulary.wordList(Vocabulary::List::RightList);
    if (cbAlphabetize->isChecked())
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
    if (windowWidth <= RightWords::BoardRoom)
        return;
    QString writeBack;
    const int width = RightWords::columnWidth(edColWidth->text(), &writeBack);
    if (edColWidth->text().size() >= 2) {
        if (!writeBack.isEmpty()) {
            const QSignalBlocker block(edColWidth);
            edColWidth->setText(writeBack);
        }
        edColWidth->setCursorPosition(int(edColWidth->text().size()));
    }
    placeFillers();
    m_columns = RightWords::columnCount(windowWidth, width);
    updateGrid();
}

void RightColumn::edColWidthChange()
{
    FormResize(window()->width());
}

void RightColumn::edRightMarginChange()
{
    QString writeBack;
    m_margin = RightWords::margin(edRightMargin->text(), &writeBack);
    if (!writeBack.isEmpty()) {
        const QSignalBlocker block(edRightMargin);
        edRightMargin->setText(writeBack);
        edRightMargin->setCursorPosition(int(writeBack.size()));
    }
    placeFillers();
}

void RightColumn::cbAlphabetizeClick()
{
    // Unchecking leaves the rows as they are until the next start.
    if (cbAlphabetize->isChecked())
        reload();
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
    const int listWidth = std::max(0, width() - kLeftWidth - m_margin);
    pFillerLeft->setGeometry(0, 0, kLeftWidth, height());
    pFillerTop->setGeometry(kLeftWidth, 0, listWidth, kTopHeight);
    pFillerRight->setGeometry(kLeftWidth + listWidth, kTopHeight, m_margin,
                              std::max(0, height() - kTopHeight));
    lbRight->setGeometry(kLeftWidth, kTopHeight, listWidth, std::max(0, height() - kTopHeight));
    pFillerRightTop->setGeometry(kLeftWidth + listWidth - 2, 0, m_margin + 2, kTopHeight);
    updateGrid();
}

void RightColumn::updateGrid()
{
    // Each column takes an equal share of the list's width.
    const int columnWidth = std::max(1, lbRight->viewport()->width() / std::max(1, m_columns));
    lbRight->setGridSize(QSize(columnWidth, kItemHeight));
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
