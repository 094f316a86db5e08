#include "table_verbs.h"

#include "verb_spelling.h"

#include "compose/composition.h"

using namespace TextRules;

namespace {

const std::array<const char *, 3> kTags = {"verb", "go", "say"};

// What stands before a verb to make another verb with the same irregular
// forms: prefixes (reset, misread, overthink, undergo) and the words that
// join a verb in the dictionaries' compound verbs (proofread, frostbite,
// typeset, broadcast). Kept short on purpose: "budget" is no "bud" + "get".
const QStringList &heads()
{
    static const QStringList list = {
        "be",    "co",   "counter", "for",    "fore",  "in",    "inter", "mis",   "off",
        "out",   "over", "pre",     "re",     "sub",   "un",    "under", "up",    "with",
        "back",  "baby", "bottle",  "breast", "broad", "brow",  "cross", "force", "frost",
        "ghost", "ham",  "hand",    "lip",    "proof", "sight", "sky",   "spoon", "type",
    };
    return list;
}

// Verbs that only look built on a table verb: "relay" is relayed, "belie"
// belied.
bool looksBuiltOnly(const QString &l)
{
    return isOneOf(l, {"relay", "belie"});
}

// A row whose past or participle no spelling rule makes: sold, thought, cast.
bool isIrregular(const QStringList &row)
{
    const QStringList regular = VerbSpelling::edForms(row.at(VerbTable::To));
    return !regular.contains(row.at(VerbTable::Ed)) || !regular.contains(row.at(VerbTable::En));
}

} // namespace

TableVerbs::TableVerbs(const VerbTable &verbs, const VerbTable &goVerbs, const VerbTable &sayVerbs)
    : m_tables{&verbs, &goVerbs, &sayVerbs}
{}

bool TableVerbs::find(const QString &word, Match *match) const
{
    const QString l = lowerAscii(word);
    if (l.isEmpty())
        return false;
    for (int c = 0; c < VerbTable::ColumnCount; ++c) {
        for (int t = 0; t < int(m_tables.size()); ++t) {
            const WordList &column = m_tables[t]->column(VerbTable::Column(c));
            for (qsizetype r = 0; r < column.size(); ++r) {
                if (lowerAscii(column.at(r)) != l)
                    continue;
                if (match)
                    *match = {m_tables[t]->row(r), QString::fromLatin1(kTags[t]), int(r), false};
                return true;
            }
        }
    }
    return false;
}

bool TableVerbs::findBuilt(const QString &word, Match *match) const
{
    const QString l = lowerAscii(word);
    if (looksBuiltOnly(l))
        return false;
    // The longest verb first: "misunderstand" is "mis" + "understand".
    for (qsizetype i = 2; i + 2 <= l.size(); ++i) {
        qsizetype headEnd = i;
        if (l.at(i - 1) == QLatin1Char('-'))
            --headEnd; // spoon-feed
        if (!heads().contains(l.left(headEnd)))
            continue;
        // Only a verb's base form counts as the tail: "rebound" is not
        // built on the past of bind.
        const QString tail = l.mid(i);
        Match head;
        for (int t = 0; t < int(m_tables.size()) && head.row < 0; ++t) {
            const qsizetype r = m_tables[t]->find(tail);
            if (r >= 0)
                head = {m_tables[t]->row(r), QString::fromLatin1(kTags[t]), int(r), true};
        }
        if (head.row < 0 || !isIrregular(head.forms))
            continue;
        const QString prefix = l.left(i);
        for (QString &form : head.forms)
            form = prefix + lowerAscii(form);
        if (match)
            *match = head;
        return true;
    }
    return false;
}

bool TableVerbs::findAny(const QString &word, Match *match) const
{
    return find(word, match) || findBuilt(word, match);
}

QStringList TableVerbs::ingForms(const QString &word) const
{
    QStringList forms = VerbSpelling::ingForms(word);
    if (!word.endsWith(QLatin1Char('e'), Qt::CaseInsensitive) ||
        forms.first() != word.chopped(1) + QStringLiteral("ing"))
        return forms;
    const QString dropped = lowerAscii(forms.first());
    for (const VerbTable *table : m_tables) {
        const WordList &column = table->column(VerbTable::Ing);
        for (qsizetype r = 0; r < column.size(); ++r) {
            if (lowerAscii(column.at(r)) == dropped)
                return {word + QStringLiteral("ing"), forms.first()};
        }
    }
    return forms;
}
