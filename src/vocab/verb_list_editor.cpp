#include "verb_list_editor.h"

#include "compose/composition.h"
#include "morph/verb_spelling.h"
#include "morph/verbs.h"

VerbListEditor::VerbListEditor(Vocabulary &vocabulary, Composition &composition,
                               std::function<bool()> pastTense)
    : m_vocabulary(vocabulary)
    , m_composition(composition)
    , m_pastTense(std::move(pastTense))
{}

QString VerbListEditor::blankConjugationMessage()
{
    return QStringLiteral("Blank conjugation detected.  Verb not added.");
}

VerbListEditor::Proposal VerbListEditor::propose(const QString &w)
{
    // The same spelling rules as the suffix buttons; a word whose last
    // consonant may double still leaves the caret in the -ing field, so the
    // user can check it.
    const QString ed = VerbSpelling::edForms(w).first();
    return {{w, VerbSpelling::sForms(w).first(), VerbSpelling::ingForms(w).first(), ed, ed},
            VerbSpelling::doubling(w) != VerbSpelling::Doubling::No};
}

QString VerbListEditor::tag(Vocabulary::List table)
{
    switch (table) {
    case Vocabulary::List::GoVerbTable:
        return QStringLiteral("go");
    case Vocabulary::List::SayVerbTable:
        return QStringLiteral("say");
    default:
        return QStringLiteral("verb");
    }
}

void VerbListEditor::selectTable(Vocabulary::List table)
{
    Q_ASSERT(Vocabulary::isVerbTable(table));
    m_table = table;
    EditIndex = -1;
}

QStringList VerbListEditor::infinitives() const
{
    return m_vocabulary.verbTable(m_table).column(VerbTable::To).entries();
}

QStringList VerbListEditor::chooseRow(int row)
{
    const VerbTable &table = m_vocabulary.verbTable(m_table);
    if (row < 0 || row >= table.size()) {
        EditIndex = -1;
        return {};
    }
    EditIndex = row;
    return table.row(row);
}

VerbListEditor::Proposal VerbListEditor::enterInfinitive(const QString &infinitive)
{
    const VerbTable &table = m_vocabulary.verbTable(m_table);
    const qsizetype row = table.find(infinitive);
    if (row >= 0) {
        EditIndex = int(row);
        return {table.row(row), false};
    }
    return propose(infinitive);
}

VerbListEditor::Outcome VerbListEditor::accept(const QStringList &forms, bool insertIntoText)
{
    if (forms.size() != VerbTable::ColumnCount)
        return {Outcome::Blank};
    for (const QString &form : forms) {
        if (form.isEmpty())
            return {Outcome::Blank};
    }
    VerbTable &table = m_vocabulary.verbTable(m_table);
    if (EditIndex >= 0 && EditIndex < table.size())
        table.removeRow(EditIndex);
    // An infinitive the table already holds takes the forms just typed, so
    // the columns never drift apart.
    const qsizetype row = table.addRow(forms, VerbTable::OnDuplicate::ReplaceForms);
    m_vocabulary.markModified(m_table);
    if (insertIntoText)
        insertVerb(row);
    EditIndex = -1;
    return {Outcome::Changed, row};
}

void VerbListEditor::insertVerb(qsizetype row)
{
    CompositionState &s = m_composition.state;
    const QString t = tag(m_table);
    if (s.LastAction != QLatin1String("verb") && s.LastAction != QLatin1String("go") &&
        s.LastAction != QLatin1String("say"))
        s.VerbForm = Verbs::ChooseVerbForm(s.LastAction, s.CurrentWord, m_pastTense());
    const int column = std::clamp(s.VerbForm, 1, VerbTable::ColumnCount) - 1;
    const QString text = m_vocabulary.verbTable(m_table).form(row, VerbTable::Column(column));
    m_composition.insert(t, text, s.LastAction == t);
    s.LastAction = t;
    s.FormIndex = int(row);
}

VerbListEditor::Outcome VerbListEditor::deleteVerb()
{
    VerbTable &table = m_vocabulary.verbTable(m_table);
    if (table.size() < 3)
        return {Outcome::TooFew};
    if (EditIndex < 0 || EditIndex >= table.size())
        return {Outcome::Unchanged};
    const int deleted = EditIndex;
    table.removeRow(deleted);
    m_vocabulary.markModified(m_table);
    EditIndex = -1;
    return {Outcome::Changed, std::max(0, deleted - 1)};
}
