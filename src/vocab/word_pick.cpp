#include "word_pick.h"

#include "category_words.h"

namespace {

bool isListVerb(const QString &action)
{
    return action == QLatin1String("verb") || action == QLatin1String("go") ||
           action == QLatin1String("say");
}

struct Quotation
{
    const char *name;
    const char *text;
};

// Writers whose names in the character list earn a line of their own.
constexpr Quotation kQuotations[] = {
    {"Shakespeare", "\"All the world's a stage, and all the men and women merely players.\"\n"
                    "- William Shakespeare, As You Like It"},
    {"Mark Twain", "\"Courage is resistance to fear, mastery of fear - not absence of fear.\"\n"
                   "- Mark Twain, Pudd'nhead Wilson"},
    {"Emily Dickinson",
     "\"Hope\" is the thing with feathers\nThat perches in the soul\n- Emily Dickinson"},
};

} // namespace

WordPick::WordPick(Composition &composition, Vocabulary &vocabulary, Dialogs &dialogs, Verbs &verbs)
    : m_composition(composition)
    , m_vocabulary(vocabulary)
    , m_dialogs(dialogs)
    , m_verbs(verbs)
{}

QString WordPick::tooFewMessage()
{
    return QStringLiteral("Sorry, you need at least two items.");
}

QString WordPick::quotationFor(const QString &name)
{
    for (const Quotation &q : kQuotations) {
        if (name == QLatin1String(q.name))
            return QString::fromUtf8(q.text);
    }
    return {};
}

bool WordPick::open(const QString &tag, bool clearGrab)
{
    const std::optional<Vocabulary::List> list = CategoryWords::listForTag(tag);
    if (!list)
        return false;
    CompositionState &s = m_composition.state;
    if (clearGrab)
        s.GrabArmed = false;
    s.ActionTag = tag;
    m_tag = tag;
    m_list = *list;
    m_open = true;
    m_mode = Mode::Pick;
    m_editIndex = -1;
    m_rows = isVerbTable() ? m_vocabulary.verbTable(m_list).column(VerbTable::To).entries()
                           : m_vocabulary.wordList(m_list).entries();
    return true;
}

WordPick::Outcome WordPick::rowClicked(int row)
{
    const qsizetype size = isVerbTable() ? m_vocabulary.verbTable(m_list).size()
                                         : m_vocabulary.wordList(m_list).size();
    if (!m_open || row < 0 || row >= m_rows.size() || row >= size)
        return Outcome::Ignored;
    switch (m_mode) {
    case Mode::Pick:
    case Mode::Add:
        pick(row);
        break;
    case Mode::Delete:
        remove(row);
        break;
    case Mode::Edit:
        if (isVerbTable()) {
            m_editIndex = row;
            return Outcome::VerbEdit;
        }
        edit(row);
        break;
    }
    return Outcome::Done;
}

void WordPick::pick(int row)
{
    CompositionState &s = m_composition.state;
    // A click in the right-hand column may have moved ActionTag meanwhile.
    s.ActionTag = m_tag;
    s.ReplaceMode = s.LastAction == m_tag ? 1 : 0;
    QString word;
    if (isVerbTable()) {
        // The form depends on what came before the verb, so it is chosen
        // before the verb goes in; a verb replacing a verb keeps its form.
        if (!isListVerb(s.LastAction))
            m_verbs.ChooseVerbForm();
        const int column = std::clamp(s.VerbForm, 1, VerbTable::ColumnCount) - 1;
        word = m_vocabulary.verbTable(m_list).form(row, VerbTable::Column(column));
        m_composition.InsertWord(word);
    } else {
        word = m_vocabulary.wordList(m_list).at(row);
        m_composition.InsertWord(word);
        if (!isListVerb(s.LastAction))
            m_verbs.ChooseVerbForm();
    }
    s.CurrentWord = word;
    s.FormIndex = row;
}

bool WordPick::deleteClicked()
{
    if (m_rows.size() < 3 && m_tag != QLatin1String("right")) {
        m_dialogs.message(tooFewMessage());
        return false;
    }
    m_mode = Mode::Delete;
    return true;
}

void WordPick::remove(int row)
{
    if (isVerbTable())
        m_vocabulary.verbTable(m_list).removeRow(row);
    else
        m_vocabulary.wordList(m_list).removeAt(row);
    changed();
}

void WordPick::edit(int row)
{
    WordList &list = m_vocabulary.wordList(m_list);
    const QString old = list.at(row);
    const std::optional<QString> answer = m_dialogs.textInput(
        QStringLiteral("Edit Word"), QStringLiteral("Replace \"%1\" with:").arg(old), old);
    if (!answer || answer->isEmpty() || *answer == old)
        return;
    list.removeAt(row);
    list.add(*answer);
    changed();
}

WordPick::Outcome WordPick::addClicked()
{
    if (!m_open)
        return Outcome::Ignored;
    m_mode = Mode::Add;
    if (isVerbTable())
        return Outcome::VerbAdd;
    const std::optional<QString> answer = m_dialogs.textInput(
        QStringLiteral("Add Word"), QStringLiteral("Add a word to '%1' list and text.").arg(m_tag),
        QString());
    if (!answer || answer->isEmpty())
        return Outcome::Done;
    const QString &word = *answer;
    CompositionState &s = m_composition.state;
    s.ActionTag = m_tag;
    if (m_tag == QLatin1String("right"))
        s.ReplaceMode = s.CurrentWord == word ? 1 : 0;
    else
        s.ReplaceMode = s.LastAction == m_tag ? 1 : 0;
    if (m_tag == QLatin1String("character")) {
        const QString quotation = quotationFor(word);
        if (!quotation.isEmpty())
            m_dialogs.message(quotation);
    }
    m_vocabulary.wordList(m_list).add(word);
    changed();
    m_composition.InsertWord(word);
    s.CurrentWord = word;
    return Outcome::Done;
}

void WordPick::changed()
{
    m_vocabulary.markModified(m_list);
}
