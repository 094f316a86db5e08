#include "vocab/ui/add_word_panel.h"

#include "compose/dialogs.h"
#include "controls/color_button.h"
#include "panels/ui/board.h"
#include "vocab/ui/list_panel_parts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace {

using namespace ListPanelParts;

using List = Vocabulary::List;

struct RadioDesc
{
    const char *name;
    const char *caption;
    List list;
    int column;
    int row;
};

// Adjectives and adverbs first, then the other word classes, then the nouns
// under their heading in two columns.
constexpr RadioDesc kRadios[] = {
    {"rbAdj", "adjective", List::AdjectiveList, 0, 0},
    {"rbAdjGood", "adjective: good", List::AdjGoodList, 0, 1},
    {"rbAdjBad", "adjective: bad", List::AdjBadList, 0, 2},
    {"rbAdvD", "adverb of degree", List::AdvDList, 0, 3},
    {"rbAdvM", "adverb of manner", List::AdvMList, 0, 4},
    {"rbAdvP", "adverb of place", List::AdvPList, 0, 5},
    {"rbAdvT", "adverb of time", List::AdvTList, 0, 6},
    {"rbInterjection", "interjection", List::InterjectionList, 0, 7},
    {"rbANumber", "(a) number", List::ANumberList, 0, 8},
    {"rbNumber", "number", List::NumberList, 1, 0},
    {"rbModal", "modal", List::ModalList, 1, 1},
    {"rbPronoun", "pronoun", List::PronounList, 1, 2},
    {"rbPreposition", "preposition", List::PrepositionList, 1, 3},
    {"rbConjunction", "conjunction", List::ConjunctionList, 1, 4},
    {"rbRight", "right panel", List::RightList, 1, 5},
    {"rbBodyPart", "body part", List::BodyPartList, 2, 1},
    {"rbCharacter", "Character", List::CharacterList, 2, 2},
    {"rbConcept", "concept", List::ConceptList, 2, 3},
    {"rbAnimal", "animal", List::AnimalList, 2, 4},
    {"rbEvent", "event", List::EventList, 2, 5},
    {"rbObject", "object", List::ObjectList, 2, 6},
    {"rbPerson", "person", List::PersonList, 3, 1},
    {"rbPlace", "place", List::PlaceList, 3, 2},
    {"rbPlant", "plant", List::PlantList, 3, 3},
    {"rbSubstance", "substance", List::SubstanceList, 3, 4},
    {"rbCustom", "custom", List::CustomList, 3, 5},
};

constexpr int kColumnLeft[] = {4, 132, 234, 330};
constexpr int kColumnWidth[] = {126, 100, 94, 90};
constexpr int kRadioTop = 18;
constexpr int kRadioHeight = 14;
constexpr int kRightLeft = 426;
constexpr int kRightWidth = 210;

constexpr ButtonDesc kButtons[] = {
    {"btnAcceptWord", "Accept", 312, 160, 100, 25, 0x00006000},
    {"btnDeleteWord", "Delete Word", kRightLeft, 160, 122, 25, 0x00000080},
    {"btnExitWord", "Exit", kRightLeft + 126, 160, kRightWidth - 126, 25, 0x00000000},
};

} // namespace

AddWordPanel::AddWordPanel(Board *board, Vocabulary &vocabulary, Dialogs &dialogs,
                           QWidget *document, QObject *parent)
    : QObject(parent)
    , m_editor(vocabulary)
    , m_board(board)
    , m_dialogs(dialogs)
    , m_document(document)
{
    board->addPending([this] { ensureBuilt(); });
    connect(&vocabulary, &Vocabulary::listChanged, this, &AddWordPanel::listChanged);
}

void AddWordPanel::ensureBuilt()
{
    if (!m_panel)
        buildWidgets(m_board);
}

void AddWordPanel::buildWidgets(Board *board)
{
    m_panel = board->addOverlay(QStringLiteral("pAddWord"));
    QWidget *p = m_panel;

    addLabel(p, QStringLiteral("To add a word, first select a vocabulary list..."),
             QRect(4, 1, 418, 16), true);
    addLabel(p, QStringLiteral("Nouns:"),
             QRect(kColumnLeft[2], kRadioTop, kColumnWidth[2], kRadioHeight), true);
    for (const RadioDesc &desc : kRadios) {
        auto *radio = new QRadioButton(QString::fromLatin1(desc.caption), p);
        radio->setObjectName(QString::fromLatin1(desc.name));
        radio->setFont(panelFont());
        // As wide as its caption: a click right of the text is no click.
        radio->setGeometry(kColumnLeft[desc.column], kRadioTop + desc.row * kRadioHeight,
                           std::min(radio->sizeHint().width(), kColumnWidth[desc.column]),
                           kRadioHeight);
        const List list = desc.list;
        connect(radio, &QRadioButton::clicked, this, [this, list] { rbClick(list); });
    }
    addLabel(p, QStringLiteral("then type your word below and press Enter on the keyboard."),
             QRect(4, 144, 418, 16), true);

    editWord = new QLineEdit(p);
    editWord->setObjectName(QStringLiteral("editWord"));
    editWord->setFont(panelFont());
    editWord->setGeometry(4, 161, 302, 23);
    editWord->installEventFilter(this);
    editWord->setAccessibleName(tr("new word"));
    editWord->setToolTip(tr("Type a word and press Enter to add it to the list chosen above"));

    lbWordList = addPickList(this, p, QStringLiteral("lbWordList"),
                             QStringLiteral("To edit or delete an existing word,"),
                             QStringLiteral("click on it in this list..."), kRightLeft, kRightWidth,
                             124, [this](int row) { lbWordListClick(row); });
    lbWordList->setAccessibleName(tr("words of the list"));
    const QString listHint = tr("Choose a word to change or delete it");
    lbWordList->setToolTip(listHint);
    // A list view gives a screen reader no tooltip: the same words.
    lbWordList->setAccessibleDescription(listHint);

    const QList<TColorButton *> buttons = board->buildButtons(p, kButtons);
    btnAcceptWord = buttons.at(0);
    btnDeleteWord = buttons.at(1);
    btnExitWord = buttons.at(2);
    btnDeleteWord->setEnabled(false);
    connect(btnAcceptWord, &TColorButton::clicked, this, &AddWordPanel::btnAcceptWordClick);
    connect(btnDeleteWord, &TColorButton::clicked, this, &AddWordPanel::btnDeleteWordClick);
    connect(btnExitWord, &TColorButton::clicked, this, &AddWordPanel::btnExitWordClick);
}

void AddWordPanel::miWordListsClick()
{
    ensureBuilt();
    // The lists may have changed through the pick list since last time.
    m_editor.forget();
    lbWordList->clear();
    lbWordList->addItems(m_editor.entries());
    m_panel->raise();
    m_panel->show();
    editWord->setFocus();
    btnDeleteWord->setEnabled(false);
}

void AddWordPanel::btnExitWordClick()
{
    if (m_panel) {
        m_panel->hide();
        editWord->clear();
    }
    m_editor.forget();
    if (m_panel)
        btnDeleteWord->setEnabled(false);
    if (m_document)
        m_document->setFocus();
}

void AddWordPanel::listChanged(Vocabulary::List list)
{
    if (m_changing || m_editor.list() != list)
        return;
    m_editor.forget();
    // Opening it shows the list afresh anyway.
    if (!m_panel)
        return;
    btnDeleteWord->setEnabled(false);
    refreshList(-1);
}

void AddWordPanel::rbClick(Vocabulary::List list)
{
    m_editor.selectList(list);
    lbWordList->clear();
    lbWordList->addItems(m_editor.entries());
    btnDeleteWord->setEnabled(false);
    editWord->clear();
    editWord->setFocus();
}

void AddWordPanel::lbWordListClick(int row)
{
    const QString word = m_editor.chooseRow(row);
    if (m_editor.EditIndex < 0)
        return;
    editWord->setText(word);
    btnDeleteWord->setEnabled(true);
}

void AddWordPanel::btnAcceptWordClick()
{
    const QScopedValueRollback changing(m_changing, true);
    const WordListEditor::Outcome outcome = m_editor.accept(editWord->text());
    if (outcome.kind == WordListEditor::Outcome::Blank) {
        m_dialogs.message(WordListEditor::blankWordMessage());
        return;
    }
    // With no list chosen the word stays in the field for the list still to
    // be chosen.
    if (outcome.kind != WordListEditor::Outcome::Changed)
        return;
    editWord->clear();
    editWord->setFocus();
    afterChange(outcome.row);
}

void AddWordPanel::btnDeleteWordClick()
{
    const QScopedValueRollback changing(m_changing, true);
    const WordListEditor::Outcome outcome = m_editor.deleteEntry();
    if (outcome.kind == WordListEditor::Outcome::TooFew) {
        m_dialogs.message(WordListEditor::tooFewMessage());
        return;
    }
    if (outcome.kind != WordListEditor::Outcome::Changed)
        return;
    afterChange(outcome.row);
}

void AddWordPanel::afterChange(qsizetype row)
{
    refreshList(row);
    btnDeleteWord->setEnabled(false);
}

void AddWordPanel::refreshList(qsizetype row)
{
    const QSignalBlocker block(lbWordList);
    lbWordList->clear();
    lbWordList->addItems(m_editor.entries());
    if (QListWidgetItem *item = lbWordList->item(int(row)))
        lbWordList->scrollToItem(item);
    lbWordList->setCurrentRow(-1);
    lbWordList->clearSelection();
}

bool AddWordPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == editWord && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!editWord->text().isEmpty())
                btnAcceptWordClick();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
