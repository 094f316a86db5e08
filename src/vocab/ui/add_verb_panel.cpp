#include "vocab/ui/add_verb_panel.h"

#include "compose/dialogs.h"
#include "controls/color_button.h"
#include "engine/compose_engine.h"
#include "panels/ui/board.h"
#include "vocab/ui/list_panel_parts.h"
#include "vocab/word_list_editor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace {

using namespace ListPanelParts;

using List = Vocabulary::List;

struct FieldDesc
{
    const char *name;
    const char *column;
    const char *example;
    const char *use;
};

constexpr FieldDesc kFields[] = {
    {"editTo", "infinitive", "It's time to", "(infinitive form)"},
    {"editS", "-s", "Currently he", "(present tense)"},
    {"editIng", "-ing", "She is", "(progressive tenses)"},
    {"editEd", "-ed", "Yesterday I", "(past tense)"},
    {"editEn", "-en", "They have", "(perfect tenses)"},
};

constexpr int kMiddleLeft = 186;
constexpr int kRowHeight = 37;
constexpr int kRightLeft = 450;
constexpr int kRightWidth = 186;

constexpr ButtonDesc kButtons[] = {
    {"btnAccept", "Accept", 4, 126, 176, 27, 0x00006000},
    {"btnDeleteVerb", "Delete", 4, 157, 86, 27, 0x00000080},
    {"btnExitVerb", "Exit", 94, 157, 86, 27, 0x00000000},
};

} // namespace

AddVerbPanel::AddVerbPanel(Board *board, ComposeEngine &engine, QWidget *document, QObject *parent)
    : QObject(parent)
    , m_editor(engine.vocabulary(), engine.composition(), [&engine] { return engine.pastTense(); })
    , m_board(board)
    , m_dialogs(engine.dialogs())
    , m_document(document)
{
    board->addPending([this] { ensureBuilt(); });
    connect(&engine.vocabulary(), &Vocabulary::listChanged, this, &AddVerbPanel::listChanged);
}

void AddVerbPanel::ensureBuilt()
{
    if (!m_panel)
        buildWidgets(m_board);
}

void AddVerbPanel::buildWidgets(Board *board)
{
    m_panel = board->addOverlay(QStringLiteral("pAddVerb"));
    QWidget *p = m_panel;

    addLabel(p, QStringLiteral("To add a verb, select verb list:"), QRect(4, 1, 180, 16), true);
    auto radio = [&](const char *name, const QString &caption, int top, List table) {
        auto *button = new QRadioButton(caption, p);
        button->setObjectName(QString::fromLatin1(name));
        button->setFont(panelFont());
        // As wide as its caption: a click right of the text is no click.
        button->setGeometry(10, top, std::min(button->sizeHint().width(), 170), 16);
        connect(button, &QRadioButton::clicked, this, [this, table] { rbClick(table); });
        return button;
    };
    rbVerbs = radio("rbVerbs", QStringLiteral("main verb list"), 18, List::VerbTable);
    rbGo = radio("rbGo", QStringLiteral("\"go\" verbs"), 34, List::GoVerbTable);
    rbSay = radio("rbSay", QStringLiteral("\"say\" verbs"), 50, List::SayVerbTable);
    rbVerbs->setChecked(true);
    addLabel(p, QStringLiteral("Then type into top edit box"), QRect(4, 70, 180, 16));
    addLabel(p, QStringLiteral("and press Enter.  Edit other"), QRect(4, 85, 180, 16));
    addLabel(p, QStringLiteral("conjugations if necessary."), QRect(4, 100, 180, 16));

    for (int i = 0; i < VerbTable::ColumnCount; ++i) {
        const FieldDesc &desc = kFields[i];
        const int top = 1 + i * kRowHeight;
        addLabel(p, QString::fromLatin1(desc.column), QRect(kMiddleLeft, top, 80, 14), true);
        QLabel *use =
            addLabel(p, QString::fromLatin1(desc.use), QRect(kMiddleLeft + 84, top, 170, 14));
        use->setForegroundRole(QPalette::PlaceholderText);
        addLabel(p, QString::fromLatin1(desc.example), QRect(kMiddleLeft, top + 15, 80, 20), false,
                 Qt::AlignRight | Qt::AlignVCenter);
        auto *edit = new QLineEdit(p);
        edit->setObjectName(QString::fromLatin1(desc.name));
        edit->setFont(panelFont());
        edit->setGeometry(kMiddleLeft + 84, top + 14, 170, 22);
        edit->installEventFilter(this);
        edit->setAccessibleName(tr("%1 form").arg(QString::fromLatin1(desc.column)));
        edit->setToolTip(tr("The verb as it goes in \"%1 ...\"").arg(QLatin1String(desc.example)));
        m_fields[i] = edit;
    }

    lbVerbPick = addPickList(this, p, QStringLiteral("lbVerbPick"),
                             QStringLiteral("To edit or delete an existing verb, "),
                             QStringLiteral("click on it in the list below."), kRightLeft,
                             kRightWidth, 152, [this](int row) { lbVerbPickClick(row); });
    lbVerbPick->setAccessibleName(tr("verbs of the list"));
    const QString listHint = tr("Choose a verb to change or delete it");
    lbVerbPick->setToolTip(listHint);
    // A list view gives a screen reader no tooltip: the same words.
    lbVerbPick->setAccessibleDescription(listHint);

    const QList<TColorButton *> buttons = board->buildButtons(p, kButtons);
    btnAccept = buttons.at(0);
    btnDeleteVerb = buttons.at(1);
    btnExitVerb = buttons.at(2);
    btnDeleteVerb->setEnabled(false);
    connect(btnAccept, &TColorButton::clicked, this, &AddVerbPanel::btnAcceptClick);
    connect(btnDeleteVerb, &TColorButton::clicked, this, &AddVerbPanel::btnDeleteVerbClick);
    connect(btnExitVerb, &TColorButton::clicked, this, &AddVerbPanel::btnExitVerbClick);
}

void AddVerbPanel::miVerbListsClick()
{
    ensureBuilt();
    m_insertAfterAccept = false;
    m_editor.forget();
    btnDeleteVerb->setEnabled(false);
    show(m_editor.table());
    m_fields[To]->setFocus();
}

void AddVerbPanel::openFor(Vocabulary::List table, int editRow, bool insertAfterAccept)
{
    ensureBuilt();
    m_insertAfterAccept = insertAfterAccept;
    show(table);
    const QStringList forms = m_editor.chooseRow(editRow);
    if (m_editor.EditIndex >= 0)
        setFields(forms);
    else
        clearFields();
    btnDeleteVerb->setEnabled(m_editor.EditIndex >= 0);
    m_fields[To]->setFocus();
}

void AddVerbPanel::show(Vocabulary::List table)
{
    if (table != m_editor.table())
        m_editor.selectTable(table);
    rbVerbs->setChecked(table == List::VerbTable);
    rbGo->setChecked(table == List::GoVerbTable);
    rbSay->setChecked(table == List::SayVerbTable);
    refreshList(-1);
    m_panel->raise();
    m_panel->show();
}

void AddVerbPanel::btnExitVerbClick()
{
    if (m_panel) {
        m_panel->hide();
        clearFields();
    }
    m_editor.forget();
    m_insertAfterAccept = false;
    if (m_panel)
        btnDeleteVerb->setEnabled(false);
    if (m_document)
        m_document->setFocus();
}

void AddVerbPanel::listChanged(Vocabulary::List table)
{
    if (m_changing || table != m_editor.table())
        return;
    m_editor.forget();
    // Opening it shows the list afresh anyway.
    if (!m_panel)
        return;
    btnDeleteVerb->setEnabled(false);
    refreshList(-1);
}

void AddVerbPanel::rbClick(Vocabulary::List table)
{
    m_editor.selectTable(table);
    btnDeleteVerb->setEnabled(false);
    refreshList(-1);
    m_fields[To]->setFocus();
}

void AddVerbPanel::lbVerbPickClick(int row)
{
    const QStringList forms = m_editor.chooseRow(row);
    if (m_editor.EditIndex < 0)
        return;
    setFields(forms);
    btnDeleteVerb->setEnabled(true);
}

void AddVerbPanel::enterInfinitive()
{
    const QString infinitive = m_fields[To]->text();
    if (infinitive.isEmpty())
        return;
    const VerbListEditor::Proposal proposal = m_editor.enterInfinitive(infinitive);
    setFields(proposal.forms);
    if (m_editor.EditIndex >= 0)
        btnDeleteVerb->setEnabled(true);
    if (proposal.doublingCandidate)
        focusField(Ing, 3); // room for the doubled consonant: stop, stopping
    else
        btnAccept->setFocus();
}

void AddVerbPanel::btnAcceptClick()
{
    const bool insert = m_insertAfterAccept;
    const QScopedValueRollback changing(m_changing, true);
    const VerbListEditor::Outcome outcome = m_editor.accept(fieldTexts(), insert);
    if (outcome.kind == VerbListEditor::Outcome::Blank) {
        m_dialogs.message(VerbListEditor::blankConjugationMessage());
        return;
    }
    clearFields();
    refreshList(outcome.row);
    btnDeleteVerb->setEnabled(false);
    if (insert) {
        m_insertAfterAccept = false;
        m_panel->hide();
        if (m_document)
            m_document->setFocus();
    } else {
        m_fields[To]->setFocus();
    }
}

void AddVerbPanel::btnDeleteVerbClick()
{
    const QScopedValueRollback changing(m_changing, true);
    const VerbListEditor::Outcome outcome = m_editor.deleteVerb();
    if (outcome.kind == VerbListEditor::Outcome::TooFew) {
        m_dialogs.message(WordListEditor::tooFewMessage());
        return;
    }
    if (outcome.kind != VerbListEditor::Outcome::Changed)
        return;
    clearFields();
    m_fields[To]->setFocus();
    refreshList(outcome.row);
    btnDeleteVerb->setEnabled(false);
}

void AddVerbPanel::setFields(const QStringList &forms)
{
    for (int i = 0; i < VerbTable::ColumnCount; ++i)
        m_fields[i]->setText(forms.value(i));
}

void AddVerbPanel::clearFields()
{
    for (QLineEdit *field : m_fields)
        field->clear();
}

QStringList AddVerbPanel::fieldTexts() const
{
    QStringList texts;
    for (const QLineEdit *field : m_fields)
        texts.append(field->text());
    return texts;
}

void AddVerbPanel::refreshList(qsizetype row)
{
    const QSignalBlocker block(lbVerbPick);
    lbVerbPick->clear();
    lbVerbPick->addItems(m_editor.infinitives());
    if (QListWidgetItem *item = lbVerbPick->item(int(row)))
        lbVerbPick->scrollToItem(item);
    lbVerbPick->setCurrentRow(-1);
    lbVerbPick->clearSelection();
}

void AddVerbPanel::focusField(Field field, int fromEnd)
{
    QLineEdit *edit = m_fields[field];
    edit->setFocus();
    edit->deselect();
    edit->setCursorPosition(std::max(0, int(edit->text().size()) - fromEnd));
}

bool AddVerbPanel::fieldKey(Field field, int key)
{
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool down = key == Qt::Key_Down;
    const bool up = key == Qt::Key_Up;
    switch (field) {
    case To:
        if (enter)
            enterInfinitive();
        else if (down)
            focusField(S, 0);
        return enter || down;
    case S:
        if (enter || down)
            focusField(Ing, 3);
        else if (up)
            focusField(To, 0);
        return enter || down || up;
    case Ing:
        if (enter || down)
            focusField(Ed, 2);
        else if (up)
            focusField(S, 0);
        return enter || down || up;
    case Ed:
        if (enter || down)
            focusField(En, 2);
        else if (up)
            focusField(Ing, 0);
        return enter || down || up;
    case En:
        if (enter)
            btnAccept->setFocus();
        else if (up)
            focusField(Ed, 0);
        return enter || up;
    }
    return false;
}

bool AddVerbPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        for (int i = 0; i < VerbTable::ColumnCount; ++i) {
            if (watched == m_fields[i])
                return fieldKey(Field(i), static_cast<QKeyEvent *>(event)->key()) ||
                       QObject::eventFilter(watched, event);
        }
    }
    return QObject::eventFilter(watched, event);
}
