#include "word_list_editor.h"

WordListEditor::WordListEditor(Vocabulary &vocabulary)
    : m_vocabulary(vocabulary)
{}

QString WordListEditor::blankWordMessage()
{
    return QStringLiteral("Blank word detected.  Word not added.");
}

QString WordListEditor::tooFewMessage()
{
    return QStringLiteral("Sorry, you need at least two items.");
}

void WordListEditor::selectList(Vocabulary::List list)
{
    m_list = list;
    EditIndex = -1;
}

QStringList WordListEditor::entries() const
{
    return m_list ? m_vocabulary.wordList(*m_list).entries() : QStringList();
}

QString WordListEditor::chooseRow(int row)
{
    if (!m_list || row < 0 || row >= m_vocabulary.wordList(*m_list).size()) {
        EditIndex = -1;
        return QString();
    }
    EditIndex = row;
    return m_vocabulary.wordList(*m_list).at(row);
}

WordListEditor::Outcome WordListEditor::accept(const QString &word)
{
    if (word.isEmpty())
        return {Outcome::Blank};
    if (!m_list)
        return {Outcome::Unchanged};
    WordList &list = m_vocabulary.wordList(*m_list);
    if (EditIndex >= 0 && EditIndex < list.size())
        list.removeAt(EditIndex);
    const qsizetype row = list.add(word);
    m_vocabulary.markModified(*m_list);
    EditIndex = -1;
    return {Outcome::Changed, row};
}

WordListEditor::Outcome WordListEditor::deleteEntry()
{
    if (!m_list)
        return {Outcome::Unchanged};
    WordList &list = m_vocabulary.wordList(*m_list);
    if (list.size() < 3 && *m_list != Vocabulary::List::RightList)
        return {Outcome::TooFew};
    if (EditIndex < 0 || EditIndex >= list.size())
        return {Outcome::Unchanged};
    const int deleted = EditIndex;
    list.removeAt(deleted);
    m_vocabulary.markModified(*m_list);
    EditIndex = -1;
    return {Outcome::Changed, std::max(0, deleted - 1)};
}
