#include "negation.h"

#include "cycling_form.h"

#include <array>

using namespace TextRules;

namespace {

const QString kNot = QStringLiteral("not");

// A row of the negation table. The forms after the first letter of the word
// (so "Will" gives "Won't"); nullptr in form 1 means the word itself, in
// form 3 the word followed by " not".
struct NegationRow
{
    const char *word;
    const char *form1;
    const char *form2;
    const char *form3;
};

constexpr std::array<NegationRow, 21> kNegationTable = {{
    {"can", "an not", "an't", "annot"},        {"might", nullptr, "ight not", "ightn't"},
    {"must", nullptr, "ust not", "ustn't"},    {"may", nullptr, "ay not", "ayn't"},
    {"shall", nullptr, "hall not", "han't"},   {"am", nullptr, "m not", "in't"},
    {"ought", nullptr, "ught not", "ughtn't"}, {"will", nullptr, "on't", nullptr},
    {"could", nullptr, "ouldn't", nullptr},    {"should", nullptr, "houldn't", nullptr},
    {"would", nullptr, "ouldn't", nullptr},    {"is", nullptr, "sn't", nullptr},
    {"are", nullptr, "ren't", nullptr},        {"was", nullptr, "asn't", nullptr},
    {"were", nullptr, "eren't", nullptr},      {"have", nullptr, "aven't", nullptr},
    {"has", nullptr, "asn't", nullptr},        {"had", nullptr, "adn't", nullptr},
    {"do", nullptr, "on't", nullptr},          {"does", nullptr, "oesn't", nullptr},
    {"did", nullptr, "idn't", nullptr},
}};

// Splits "word  " into the text and its trailing spaces.
std::pair<QString, QString> splitTrailingSpaces(const QString &w)
{
    qsizetype end = w.size();
    while (end > 0 && w.at(end - 1) == QLatin1Char(' '))
        --end;
    return {w.left(end), w.mid(end)};
}

} // namespace

Negation::Negation(Composition &composition)
    : m_composition(composition)
{}

Negation::Forms Negation::negationForms(const QString &word)
{
    // A selection may end in the word's space: the table knows the word.
    const QString w = splitTrailingSpaces(word).first;
    const QString l = lowerAscii(w);
    const QString f = word.left(1);
    for (const NegationRow &row : kNegationTable) {
        if (l != QLatin1String(row.word))
            continue;
        Forms forms;
        forms.form1 = row.form1 ? f + QLatin1String(row.form1) : w;
        forms.form2 = f + QLatin1String(row.form2);
        forms.form3 = row.form3 ? f + QLatin1String(row.form3) : w + QStringLiteral(" not");
        forms.before = w;
        return forms;
    }

    Forms forms;
    if (f == QLatin1String("-")) {
        // A contraction such as "-'s": negated in place, joined to its word.
        forms.form1 = word.mid(1);
        forms.form3 = forms.form1 + QStringLiteral(" not");
        forms.before = word;
        return forms;
    }
    // InsertWord adds one space after the text, so of the spaces that
    // followed the word one is left to it.
    auto [stem, spaces] = splitTrailingSpaces(word);
    forms.form1 = stem + spaces.chopped(spaces.isEmpty() ? 0 : 1);
    forms.before = forms.form1;
    if (spaces.isEmpty())
        spaces = QStringLiteral(" ");
    if (f.size() == 1 && isSentenceEnd(f.at(0))) {
        forms.form3 = stem + spaces + QStringLiteral("Not");
        // The mark goes back joined to the word before it.
        forms.before = QLatin1Char('-') + forms.form1;
    } else {
        forms.form3 = stem + spaces + QStringLiteral("not");
    }
    return forms;
}

void Negation::btnNotClick()
{
    CompositionState &s = m_composition.state;
    TextSurface &t = m_composition.surface();
    // A selection is what gets negated: the first click captures it.
    int number = CyclingForm::begin(m_composition, kNot, 3);
    if (number == 0) {
        QString w = s.CurrentWord;
        // A sentence mark is recorded without all the spaces that follow it
        // in the text; take them from the text so the negation keeps them.
        const QString mark = w.trimmed();
        if (mark.size() == 1 && isSentenceEnd(mark.at(0)) && s.WordLength > 0 &&
            t.charAt(s.WordStart) == mark.at(0)) {
            QString span;
            for (int i = s.WordStart; i < s.WordStart + s.WordLength && i < t.length(); ++i)
                span += t.charAt(i);
            if (span.trimmed() == mark)
                w = span;
        }
        m_forms = negationForms(w);
        number = m_forms.form2.isEmpty() ? 3 : 2;
    } else if (number == 2 && m_forms.form2.isEmpty()) {
        number = 3;
    }
    const QString text = number == 1 ? m_forms.form1 : number == 2 ? m_forms.form2 : m_forms.form3;
    CyclingForm::finish(m_composition, kNot, text, number);
}

bool Negation::restoreBeforeNegation()
{
    CompositionState &s = m_composition.state;
    if (s.LastAction != kNot)
        return false;
    const QString before = m_forms.before;
    m_composition.insert(before, before, false);
    // A sentence end that comes back arms the capital again.
    const QString mark = m_forms.form1.trimmed();
    if (mark.size() == 1 && isSentenceEnd(mark.at(0))) {
        s.CurrentWord = m_forms.form1;
        s.CapsMode = CapsFirstArmed;
    }
    return true;
}
