#include "vocab/ui/word_pick_panel.h"

#include "controls/color_button.h"
#include "panels/label_desc.h"
#include "panels/ui/board.h"

#include <QLabel>
#include <QListWidget>

namespace {

constexpr quint32 kCommand = 0x003A3A3A;

constexpr LabelDesc kLabels[] = {
    {"Pick word", 8, 4, 90, 18},
    {"from list", 8, 20, 90, 18},
    {"- or -", 8, 40, 90, 18},
    {"edit the list:", 8, 58, 90, 18},
};

constexpr ButtonDesc kButtons[] = {
    {"btnAddWord", "Add", 8, 80, 84, 24, kCommand},
    {"btnDeleteWordPick", "Delete", 8, 106, 84, 24, kCommand},
    {"btnEditWordPick", "Edit", 8, 132, 84, 24, kCommand},
    {"btnExitWordPick", "EXIT", 8, 158, 84, 24, kClBlack},
};

// The list fills the rest of the panel in columns, as many as fit.
constexpr int kListLeft = 100;
constexpr int kColumnWidth = 106;
constexpr int kRowHeight = 17;

} // namespace

WordPickPanel::WordPickPanel(Board &board, WordPick &pick, QWidget *document, QObject *parent)
    : QObject(parent)
    , m_board(board)
    , m_document(document)
    , m_pick(pick)
{
    board.addPending([this] { ensureBuilt(); });
}

void WordPickPanel::ensureBuilt()
{
    if (m_panel)
        return;
    Board *board = &m_board;
    m_panel = board->addOverlay(QStringLiteral("pWordPick"));
    for (const LabelDesc &desc : kLabels) {
        auto *label = new QLabel(QString::fromUtf8(desc.caption), m_panel);
        label->setGeometry(desc.left, desc.top, desc.width, desc.height);
    }

    lbWordPick = new QListWidget(m_panel);
    lbWordPick->setObjectName(QStringLiteral("lbWordPick"));
    lbWordPick->setGeometry(kListLeft, 4, m_panel->width() - kListLeft - 4, m_panel->height() - 8);
    lbWordPick->setFlow(QListView::TopToBottom);
    lbWordPick->setWrapping(true);
    lbWordPick->setResizeMode(QListView::Adjust);
    lbWordPick->setGridSize(QSize(kColumnWidth, kRowHeight));
    lbWordPick->setUniformItemSizes(true);
    lbWordPick->setSelectionMode(QAbstractItemView::NoSelection);
    connect(lbWordPick, &QListWidget::clicked, this,
            [this](const QModelIndex &index) { lbWordPickClick(index.row()); });

    const QList<TColorButton *> buttons = board->buildButtons(m_panel, kButtons);
    btnDeleteWordPick = buttons.at(1);
    btnEditWordPick = buttons.at(2);
    connect(buttons.at(0), &TColorButton::clicked, this, &WordPickPanel::btnAddWordClick);
    connect(btnDeleteWordPick, &TColorButton::clicked, this,
            &WordPickPanel::btnDeleteWordPickClick);
    connect(btnEditWordPick, &TColorButton::clicked, this, &WordPickPanel::btnEditWordPickClick);
    connect(buttons.at(3), &TColorButton::clicked, this, &WordPickPanel::btnExitWordPickClick);
}

void WordPickPanel::open(const QString &tag, bool clearGrab)
{
    if (!m_pick.open(tag, clearGrab))
        return;
    ensureBuilt();
    resetCursors();
    lbWordPick->clear();
    lbWordPick->addItems(m_pick.rows());
    lbWordPick->scrollToTop();
    m_panel->show();
    m_panel->raise();
}

void WordPickPanel::lbWordPickClick(int row)
{
    const WordPick::Mode mode = m_pick.mode();
    const WordPick::Outcome outcome = m_pick.rowClicked(row);
    if (outcome == WordPick::Outcome::Ignored)
        return;
    if (outcome == WordPick::Outcome::VerbEdit) {
        showVerbEditor(m_pick.editIndex());
        return;
    }
    if (mode == WordPick::Mode::Delete || mode == WordPick::Mode::Edit)
        resetCursors();
    hide();
}

void WordPickPanel::btnAddWordClick()
{
    if (m_pick.addClicked() == WordPick::Outcome::VerbAdd) {
        showVerbEditor(-1);
        return;
    }
    hide();
}

void WordPickPanel::btnDeleteWordPickClick()
{
    if (!m_pick.deleteClicked())
        return;
    resetCursors();
    btnDeleteWordPick->setCursor(Qt::ForbiddenCursor);
    lbWordPick->viewport()->setCursor(Qt::ForbiddenCursor);
}

void WordPickPanel::btnEditWordPickClick()
{
    m_pick.editClicked();
    resetCursors();
    btnEditWordPick->setCursor(Qt::PointingHandCursor);
    lbWordPick->viewport()->setCursor(Qt::PointingHandCursor);
}

void WordPickPanel::btnExitWordPickClick()
{
    resetCursors();
    hide();
}

void WordPickPanel::showVerbEditor(int editIndex)
{
    hide();
    Q_EMIT verbEditorRequested(m_pick.tag(), editIndex);
}

void WordPickPanel::resetCursors()
{
    btnDeleteWordPick->unsetCursor();
    btnEditWordPick->unsetCursor();
    lbWordPick->viewport()->unsetCursor();
}

void WordPickPanel::hide()
{
    if (m_panel)
        m_panel->hide();
    // The list had the focus; typing goes on in the document.
    if (m_document)
        m_document->setFocus();
}
