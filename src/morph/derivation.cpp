#include "derivation.h"

#include "cycling_form.h"
#include "verb_spelling.h"
#include "word_capture.h"

#include <QStringList>

#include <algorithm>

using namespace TextRules;

namespace {

const QString kEr = QStringLiteral("-er");
const QString kLy = QStringLiteral("-ly");
const QString kY = QStringLiteral("-y");

// While GRAB is armed a transforming button works on the word before the
// caret: the caret counts as freshly placed, so that word is captured.
void markCaretPlacedForGrab(CompositionState &s)
{
    if (s.GrabArmed)
        s.LastAction = kMouseClick;
}

struct Irregular
{
    std::array<const char *, 5> spellings; // unused places are nullptr
    Derivation::DegreeForms forms;
};

const std::array<Irregular, 5> &irregulars()
{
    static const std::array<Irregular, 5> table = {{
        {{"GOOD", "BETTER", "BEST"}, {"good", "better", "best", {}, {}}},
        {{"WELL"}, {"well", "better", "best", {}, {}}},
        {{"BAD", "WORSE", "WORST"}, {"bad", "worse", "worst", "badder", "baddest"}},
        {{"FAR", "FARTHER", "FARTHEST", "FURTHER", "FURTHEST"},
         {"far", "farther", "farthest", "further", "furthest"}},
        {{"OLD", "OLDER", "OLDEST", "ELDER", "ELDEST"},
         {"old", "older", "oldest", "elder", "eldest"}},
    }};
    return table;
}

// An adjective of more than one syllable ending in a consonant and "ey"
// (cagey, pricey, homey), whose y turns into i as after any consonant;
// grey and fey are one syllable and keep theirs.
bool endsInUnstressedEy(const QString &u)
{
    const qsizetype n = u.size();
    if (n < 4 || !u.endsWith(QLatin1String("EY")) || isVowel(u.at(n - 3)))
        return false;
    return std::any_of(u.begin(), u.end() - 3, [](QChar c) { return isVowel(c); });
}

} // namespace

QString Derivation::DegreeForms::form(int number) const
{
    switch (number) {
    case 2:
        return comparative;
    case 3:
        return superlative;
    case 4:
        return altComparative;
    case 5:
        return altSuperlative;
    default:
        return base;
    }
}

Derivation::Derivation(Composition &composition)
    : m_composition(composition)
{}

Derivation::DegreeForms Derivation::comparativeForms(const QString &word)
{
    DegreeForms d;
    d.base = word;
    if (word.isEmpty()) {
        d.comparative = QStringLiteral("-er");
        d.superlative = QStringLiteral("-est");
        return d;
    }
    const QString u = upperAscii(word);
    for (const Irregular &irregular : irregulars()) {
        for (const char *spelling : irregular.spellings) {
            if (spelling && u == QLatin1String(spelling))
                return irregular.forms;
        }
    }

    const qsizetype n = u.size();
    const QChar last = u.at(n - 1);
    const QChar second = n >= 2 ? u.at(n - 2) : QChar();
    d.comparative = word + QStringLiteral("er");
    d.superlative = word + QStringLiteral("est");
    if (last == QLatin1Char('E')) {
        d.comparative = word + QStringLiteral("r");
        d.superlative = word + QStringLiteral("st");
    } else if (endsInUnstressedEy(u)) {
        const QString stem = word.left(n - 2);
        d.comparative = stem + QStringLiteral("ier"); // cagey: cagier
        d.superlative = stem + QStringLiteral("iest");
    } else if (last == QLatin1Char('Y')) {
        if (n >= 2 && !isVowel(second)) {
            const QString stem = word.left(n - 1);
            d.comparative = stem + QStringLiteral("ier");
            d.superlative = stem + QStringLiteral("iest");
        }
    } else if (QStringLiteral("BDFGMNPST").contains(last) && n >= 2 && isVowel(second) &&
               (n < 3 || !isVowel(u.at(n - 3)))) {
        // A short vowel before a final consonant: the doubled spelling is
        // offered as the alternate, or first where the vowel is stressed
        // (bigger, thinner) as with verbs.
        const QChar c = word.at(n - 1);
        d.altComparative = word + c + QStringLiteral("er");
        d.altSuperlative = word + c + QStringLiteral("est");
        if (VerbSpelling::doubling(word) == VerbSpelling::Doubling::Double) {
            std::swap(d.comparative, d.altComparative);
            std::swap(d.superlative, d.altSuperlative);
        }
    }
    return d;
}

Derivation::ThreeForms Derivation::lyForms(const QString &word)
{
    const QString l = lowerAscii(word);
    ThreeForms f = {word, word + QStringLiteral("ly"), QString()};
    if (l.endsWith(QLatin1Char('y'))) {
        f[1] = word.chopped(1) + QStringLiteral("ily");
        if (l == QLatin1String("dry")) {
            f[1] = QStringLiteral("dryly");
            f[2] = QStringLiteral("drily");
        }
    }
    if (l.endsWith(QLatin1String("ic"))) {
        f[1] = word + QStringLiteral("ally");
        for (const char *exception : {"public", "frantic", "politic", "impolitic", "catholic"}) {
            if (l == QLatin1String(exception))
                f[1] = l + QStringLiteral("ly");
        }
    }
    if (l.endsWith(QLatin1String("ue")) || l.endsWith(QLatin1String("ll"))) {
        f[1] = word.chopped(1) + QStringLiteral("ly");
        if (l.endsWith(QLatin1String("gue")) || l.endsWith(QLatin1String("que")))
            f[1] = l + QStringLiteral("ly");
    }
    for (const char *ending : {"ble", "zle", "kle", "ple", "gle"}) {
        if (l.endsWith(QLatin1String(ending)))
            f[1] = word.chopped(1) + QStringLiteral("y");
    }
    // Any consonant before a final "le" (gently, subtly, idly).
    if (l.size() >= 3 && l.endsWith(QLatin1String("le")) &&
        !isVowel(upperAscii(l.at(l.size() - 3))))
        f[1] = word.chopped(1) + QStringLiteral("y");
    // A y that is the word's only vowel stays (shyly, slyly, wryly), and so
    // does one after a vowel (coyly, grayly).
    if (l.size() >= 2 && l.endsWith(QLatin1Char('y')) && l != QLatin1String("dry")) {
        if (isVowel(upperAscii(l.at(l.size() - 2))) ||
            !std::any_of(l.begin(), l.end() - 1, [](QChar c) { return isVowel(upperAscii(c)); }))
            f[1] = word + QStringLiteral("ly");
    }
    // The y of -ey and the e of -ie become the i of -ily (cagily, eerily).
    if (endsInUnstressedEy(upperAscii(l)))
        f[1] = word.chopped(2) + QStringLiteral("ily");
    if (l.size() >= 4 && l.endsWith(QLatin1String("ie")))
        f[1] = word.chopped(2) + QStringLiteral("ily");
    if (l == QLatin1String("whole"))
        f[1] = QStringLiteral("wholly");
    return f;
}

Derivation::ThreeForms Derivation::yForms(const QString &word)
{
    ThreeForms f = {word, word + QStringLiteral("y"), QString()};
    if (word.endsWith(QLatin1Char('e')))
        f[2] = word.chopped(1) + QStringLiteral("y");
    else if (!word.isEmpty())
        f[2] = word + word.back() + QStringLiteral("y");
    else
        f[2] = QStringLiteral("y");
    if (word.size() > 3 &&
        (word.endsWith(QLatin1String("ter")) || word.endsWith(QLatin1String("tor"))))
        f[2] = word.chopped(2) + QStringLiteral("ry");
    return f;
}

void Derivation::ComparativeForm()
{
    m_degree = comparativeForms(m_composition.state.CurrentWord);
}

void Derivation::btnErClick()
{
    CompositionState &s = m_composition.state;
    markCaretPlacedForGrab(s);
    int number = 2;
    if (s.LastAction != kEr) {
        s.GrabArmed = false;
        m_composition.FindWordBeforeCaret();
        ComparativeForm();
        s.ReplaceMode = 0;
    } else {
        number = nextFormNumber(s.FormIndex, 5);
        if (number >= 4 && !m_degree.hasAlternates())
            number = 1;
        s.ReplaceMode = 1;
    }
    const QString text = m_degree.form(number);
    s.ActionTag = kEr;
    m_composition.ReadContextBeforeCaret();
    m_composition.InsertWord(text);
    s.CurrentWord = text;
    s.FormIndex = number;
}

void Derivation::btnLyClick()
{
    CompositionState &s = m_composition.state;
    int number = CyclingForm::begin(m_composition, kLy, 3);
    if (number == 0) {
        number = 2;
        m_lyForms = lyForms(s.CurrentWord);
        for (QString &form : m_lyForms)
            form = WordCapture::inCaseOf(s.CurrentWord, form); // "dryly" is spelt out
    } else if (number == 3 && m_lyForms[2].isEmpty()) {
        number = 1;
    }
    CyclingForm::finish(m_composition, kLy, m_lyForms[number - 1], number);
}

void Derivation::btnYClick()
{
    CompositionState &s = m_composition.state;
    int number = CyclingForm::begin(m_composition, kY, 3);
    if (number == 0) {
        number = 2;
        // Right after the hyphen button the current word is its "---":
        // the "-y" joins the hyphen without replacing it.
        if (s.CurrentWord == QLatin1String("---")) {
            s.CurrentWord = QStringLiteral("-");
            s.WordLength = 0;
        }
        m_yForms = yForms(s.CurrentWord);
    }
    CyclingForm::finish(m_composition, kY, m_yForms[number - 1], number);
}

void Derivation::InsertPrefix(const QString &text)
{
    CompositionState &s = m_composition.state;
    bool attach;
    if (s.GrabArmed) {
        s.GrabArmed = false;
        s.LastAction = kMouseClick;
        m_composition.FindWordBeforeCaret();
        attach = !s.CurrentWord.isEmpty() && s.CurrentWord.front().isLetterOrNumber();
    } else {
        // After these there is no word to put the prefix in front of. After
        // the space button the last span is not a word either.
        static const QStringList noWord = {
            kMouseClick,
            QStringLiteral("period"),
            QStringLiteral("comma"),
            QStringLiteral("exclamation point"),
            QStringLiteral("question mark"),
            QStringLiteral("leftParenthesis"),
            QStringLiteral("rightParenthesis"),
            QStringLiteral("hyphen"),
            QStringLiteral("quote"),
            QStringLiteral("colon"),
            QStringLiteral("semicolon"),
            QStringLiteral("space"),
        };
        attach = !noWord.contains(s.LastAction);
    }

    if (!attach) {
        s.ReplaceMode = 0;
        m_composition.InsertWord(text);
        s.CurrentWord = text;
        return;
    }

    QString prefix = text;
    if (prefix.endsWith(QLatin1Char('-')))
        prefix.chop(1);
    m_composition.FindWordBeforeCaret();
    m_composition.ReadContextBeforeCaret();
    QString combined;
    if (s.CapsMode == CapsFirstInForce || s.CapsMode == CapsFirstArmed) {
        // The word stood where a capital is due: the capital moves to the
        // prefix ("Happy" gives "Unhappy", not "UnHappy").
        combined = prefix;
        if (!combined.isEmpty())
            combined[0] = upperAscii(combined[0]);
        combined += lowerAscii(s.CurrentWord);
        s.CapsMode = CapsFirstArmed;
    } else {
        combined = prefix + s.CurrentWord;
    }
    m_composition.InsertWord(combined);
    s.CurrentWord = combined;
}

void Derivation::fixedPrefixClick(const QString &prefix)
{
    m_composition.state.ActionTag = prefix;
    InsertPrefix(prefix);
}

void Derivation::fixedSuffixClick(const QString &suffix)
{
    m_composition.insert(suffix, suffix, false);
}

void Derivation::btnSuffixClick()
{
    CompositionState &s = m_composition.state;
    s.GrabArmed = false;
    m_keptWordLength = s.WordLength;
    s.WordLength = 0;
}

void Derivation::btnExitSuffixClick()
{
    m_composition.state.WordLength = m_keptWordLength;
}

void Derivation::moreItemClick(const QString &word, int number)
{
    CompositionState &s = m_composition.state;
    m_composition.insert(QStringLiteral("more"), word, s.LastAction == QLatin1String("more"));
    s.FormIndex = number;
}
