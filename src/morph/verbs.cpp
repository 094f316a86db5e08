#include "verbs.h"

#include "verb_spelling.h"
#include "word_capture.h"

#include <algorithm>
#include <initializer_list>

using namespace TextRules;

namespace {

const QString kBe = QStringLiteral("be");
const QString kHave = QStringLiteral("have");

// Which FormIndex a first click of a helping verb leaves behind.
enum class FirstIndex { ByForm, Two, GetRule };

struct HelperRow
{
    const char *tag;
    std::array<const char *, 5> byForm; // the first click, by VerbForm
    FirstIndex firstIndex;
    std::array<const char *, 8> cycle; // repeated clicks, number 1 first
    int cycleSize;
    std::array<const char *, 4> suffix; // -s, -ing, -ed, -en; "be" has its own -s, -ed
    const char *past;
    const char *present;
};

// Indexed by Verbs::Helper. "put" is re-formed like "let", its twin.
constexpr std::array<HelperRow, 6> kHelpers = {{
    {"have",
     {"have", "has", "having", "had", "had"},
     FirstIndex::ByForm,
     {"have", "has", "having", "had"},
     4,
     {"has", "having", "had", "had"},
     "had",
     "has"},
    {"be",
     {"be", "is", "being", "was", "been"},
     FirstIndex::ByForm,
     {"be", "is", "are", "was", "were", "being", "been", "am"},
     8,
     {nullptr, "being", nullptr, "been"},
     nullptr,
     nullptr},
    {"do",
     {"do", "does", "doing", "did", "done"},
     FirstIndex::Two,
     {"do", "does", "doing", "did", "done"},
     5,
     {"does", "doing", "did", "done"},
     "did",
     "does"},
    {"get",
     {"get", "gets", "getting", "got", "got"},
     FirstIndex::GetRule,
     {"get", "gets", "getting", "got", "gotten"},
     5,
     {"gets", "getting", "got", "gotten"},
     "got",
     "gets"},
    {"let",
     {"let", "lets", "letting", "let", "let"},
     FirstIndex::ByForm,
     {"let", "lets", "letting"},
     3,
     {"lets", "letting", "let", "let"},
     "let",
     "lets"},
    {"put",
     {"put", "puts", "putting", "put", "put"},
     FirstIndex::ByForm,
     {"put", "puts", "putting"},
     3,
     {"puts", "putting", "put", "put"},
     "put",
     "puts"},
}};

const HelperRow *helperByTag(const QString &tag)
{
    for (const HelperRow &row : kHelpers) {
        if (tag == QLatin1String(row.tag))
            return &row;
    }
    return nullptr;
}

QString str(const char *s)
{
    return QString::fromLatin1(s);
}

// The fixed forms btnGo and btnSay insert on a first click; they also stand
// in for the list row when the word is missing from its list.
const QStringList &goForms()
{
    static const QStringList forms = {"go", "goes", "going", "went", "gone"};
    return forms;
}

const QStringList &sayForms()
{
    static const QStringList forms = {"say", "says", "saying", "said", "said"};
    return forms;
}

bool isBeForm(const QString &w)
{
    return isOneOf(w, {"was", "were", "be", "being", "been", "am", "is", "are"});
}

QString suffixTag(Verbs::Suffix suffix)
{
    static const std::array<QString, 4> tags = {QStringLiteral("-s"), QStringLiteral("-ing"),
                                                QStringLiteral("-ed"), QStringLiteral("-en")};
    return tags[int(suffix)];
}

// The number of the btnBe cycle that holds word, so a later click of the
// button goes on from it.
int beNumber(const QString &word)
{
    const HelperRow &be = kHelpers[int(Verbs::Helper::Be)];
    for (int i = 0; i < be.cycleSize; ++i) {
        if (word == QLatin1String(be.cycle[i]))
            return i + 1;
    }
    return 1;
}

// The form a verb takes after a negated word ("haven't gone", "isn't
// going", "didn't go", "can't go"), or 0 when currentWord is no negation of
// a helping verb or modal.
int negatedVerbForm(const QString &lastAction, const QString &currentWord)
{
    QString l = lowerAscii(WordCapture::trimmedTrailing(currentWord));
    if (l.endsWith(QLatin1String("n't")))
        l.chop(3);
    else if (lastAction == QLatin1String("not") && l.endsWith(QLatin1String(" not")))
        l.chop(4);
    else if (l == QLatin1String("cannot"))
        l = QStringLiteral("can");
    else
        return 0;
    l = l.mid(l.lastIndexOf(QLatin1Char(' ')) + 1);
    if (l.startsWith(QLatin1Char('-')))
        l.remove(0, 1);
    if (isOneOf(l, {"have", "has", "had", "'ve"}))
        return 5;
    if (isOneOf(l, {"ai", "am", "is", "are", "was", "were", "be"}))
        return 3;
    if (isOneOf(l, {"do",    "does", "did",  "ca",    "can",    "could", "may",
                    "might", "must", "sha",  "shall", "should", "wo",    "will",
                    "would", "need", "dare", "ought", "'ll",    "'d"}))
        return 1;
    return 0;
}

} // namespace

Verbs::Verbs(Composition &composition, const VerbTable &verbs, const VerbTable &goVerbs,
             const VerbTable &sayVerbs, std::function<bool()> pastTense)
    : m_composition(composition)
    , m_verbs(verbs)
    , m_goVerbs(goVerbs)
    , m_sayVerbs(sayVerbs)
    , m_pastTense(std::move(pastTense))
    , m_tableVerbs(verbs, goVerbs, sayVerbs)
{}

int Verbs::ChooseVerbForm(const QString &lastAction, const QString &currentWord, bool pastTense)
{
    const QString &a = lastAction;
    if (isOneOf(a, {"to", "modal"}))
        return 1;
    if (a == kBe)
        return 3;
    if (a == kHave)
        return 5;
    if (isOneOf(a, {"of", "while", "my", "your", "his", "her", "its", "our", "their"}))
        return 3;
    // A possessive picked from a pronoun panel carries the panel's tag.
    if (isOneOf(a, {"I", "you", "he", "she", "it"}) &&
        isOneOf(currentWord, {"my", "your", "his", "her", "its"}))
        return 3;
    if (a == QLatin1String("apostrophe")) {
        if (isOneOf(currentWord, {"-'d", "-'ll"}))
            return 1;
        return currentWord == QLatin1String("-'ve") ? 5 : 3;
    }
    if (const int negated = negatedVerbForm(a, currentWord))
        return negated;
    if (pastTense)
        return 4;
    if (isOneOf(a, {"pluralize", "I", "you", "we", "they"}))
        return 1;
    if (isOneOf(a, {"he", "she", "it", "person", "place", "object", "event", "animal", "character",
                    "bodypart", "substance", "concept", "plant", "custom", "noun"}))
        return 2;
    if (a == QLatin1String("the") && isOneOf(currentWord, {"this", "that"}))
        return 2;
    if (a == QLatin1String("-ing"))
        return 2;
    return 1;
}

void Verbs::ChooseVerbForm()
{
    CompositionState &s = m_composition.state;
    s.VerbForm = ChooseVerbForm(s.LastAction, s.CurrentWord, m_pastTense());
}

void Verbs::helperClick(Helper helper)
{
    CompositionState &s = m_composition.state;
    const HelperRow &row = kHelpers[int(helper)];
    const QString tag = str(row.tag);
    QString text;
    int number = 1;
    if (s.LastAction != tag) {
        s.GrabArmed = false;
        ChooseVerbForm();
        const int form = s.VerbForm;
        text = str(row.byForm[form - 1]);
        if (helper == Helper::Be) {
            const bool plural = isOneOf(s.LastAction, {"pluralize", "you", "we", "they"});
            if (form == 1 && plural)
                text = QStringLiteral("are");
            else if (form == 1 && s.LastAction == QLatin1String("I"))
                text = QStringLiteral("am");
            else if (form == 4 && plural)
                text = QStringLiteral("were");
        }
        switch (row.firstIndex) {
        case FirstIndex::ByForm:
            number = form;
            break;
        case FirstIndex::Two:
            number = 2;
            break;
        case FirstIndex::GetRule:
            number = form == 5 ? 4 : 2;
            break;
        }
        s.ReplaceMode = 0;
    } else {
        number = nextFormNumber(s.FormIndex, row.cycleSize);
        text = str(row.cycle[number - 1]);
        s.ReplaceMode = 1;
    }
    s.ActionTag = tag;
    insertReplacing(text);
    s.CurrentWord = text;
    s.FormIndex = number;
}

const VerbTable &Verbs::table(ListVerb which) const
{
    switch (which) {
    case ListVerb::Go:
        return m_goVerbs;
    case ListVerb::Say:
        return m_sayVerbs;
    case ListVerb::Verb:
        break;
    }
    return m_verbs;
}

void Verbs::btnVerbClick(RandomSource &random)
{
    listVerbClick(ListVerb::Verb, random);
}

void Verbs::btnGoClick(RandomSource &random)
{
    listVerbClick(ListVerb::Go, random);
}

void Verbs::btnSayClick(RandomSource &random)
{
    listVerbClick(ListVerb::Say, random);
}

void Verbs::listVerbClick(ListVerb which, RandomSource &random)
{
    static const std::array<QString, 3> tags = {QStringLiteral("verb"), QStringLiteral("go"),
                                                QStringLiteral("say")};
    CompositionState &s = m_composition.state;
    const QString &tag = tags[int(which)];
    const VerbTable &list = table(which);
    const int count = int(list.size());
    QString text;
    int row;
    if (s.LastAction != tag) {
        s.GrabArmed = false;
        ChooseVerbForm();
        const int column = s.VerbForm - 1;
        if (which == ListVerb::Verb) {
            if (count == 0)
                return;
            row = random.next(count);
            text = list.form(row, VerbTable::Column(column));
        } else {
            text = (which == ListVerb::Go ? goForms() : sayForms()).at(column);
            row = int(
                list.find(which == ListVerb::Go ? QStringLiteral("go") : QStringLiteral("say")));
        }
        s.ReplaceMode = 0;
    } else {
        if (count == 0)
            return;
        // Draw among the other rows, so the verb always changes.
        row = drawIndex(count, true, s.FormIndex, random);
        text = list.form(row, VerbTable::Column(s.VerbForm - 1));
        s.ReplaceMode = 1;
    }
    s.ActionTag = tag;
    insertReplacing(text);
    s.CurrentWord = text;
    s.FormIndex = row;
}

QStringList Verbs::listVerbRow(const QString &tag) const
{
    const CompositionState &s = m_composition.state;
    const VerbTable *list = nullptr;
    if (tag == QLatin1String("verb"))
        list = &m_verbs;
    else if (tag == QLatin1String("go"))
        list = &m_goVerbs;
    else if (tag == QLatin1String("say"))
        list = &m_sayVerbs;
    else
        return {};
    QStringList row;
    if (s.FormIndex >= 0 && s.FormIndex < list->size())
        row = list->row(s.FormIndex);
    // btnGo and btnSay insert their word even when the list lacks it.
    else if (tag == QLatin1String("go"))
        row = goForms();
    else if (tag == QLatin1String("say"))
        row = sayForms();
    // The row must still be the current word's: a word inserted by a word
    // button of the same name ("go") or a selection leaves a row behind
    // that belongs to another verb.
    const QString l = lowerAscii(s.CurrentWord);
    if (!l.isEmpty() && !std::any_of(row.begin(), row.end(),
                                     [&](const QString &form) { return lowerAscii(form) == l; }))
        return {};
    return row;
}

Verbs::SuffixForms Verbs::suffixForms(Suffix suffix, const QString &word)
{
    const QString &w = word;
    if (w.isEmpty()) {
        // No word to re-form: the bare suffix joins the text before it.
        const QString bare = suffixTag(suffix);
        return {QString(), bare, bare};
    }
    const QString l = lowerAscii(w);
    if ((suffix == Suffix::Ed || suffix == Suffix::En) && l == QLatin1String("honey"))
        return {w, w + QStringLiteral("ed"), w.chopped(2) + QStringLiteral("ied")};
    QStringList spellings;
    switch (suffix) {
    case Suffix::S:
        spellings = VerbSpelling::sForms(w);
        break;
    case Suffix::Ing:
        spellings = VerbSpelling::ingForms(w);
        break;
    case Suffix::Ed:
    case Suffix::En:
        spellings = VerbSpelling::edForms(w);
        break;
    }
    QString alternative = spellings.value(1, spellings.first());
    // A verb outside the tables may still be a strong one: its -en form
    // stays on offer after the regular participle.
    if (suffix == Suffix::En && spellings.size() == 1 && !l.endsWith(QLatin1Char('y')))
        alternative =
            w + (l.endsWith(QLatin1Char('e')) ? QStringLiteral("n") : QStringLiteral("en"));
    return {w, spellings.first(), alternative};
}

bool Verbs::findInTables(const QString &word, QStringList *forms, QString *tag, int *row) const
{
    TableVerbs::Match match;
    if (!m_tableVerbs.findAny(word, &match))
        return false;
    if (forms)
        *forms = match.forms;
    if (tag)
        *tag = match.tag;
    if (row)
        *row = match.row;
    return true;
}

void Verbs::suffixClick(Suffix suffix)
{
    CompositionState &s = m_composition.state;
    const QString tag = suffixTag(suffix);
    static constexpr std::array<int, 4> kVerbForms = {2, 3, 4, 5};
    const bool sOrEd = suffix == Suffix::S || suffix == Suffix::Ed;
    SuffixForms &forms = m_suffixForms[int(suffix)];

    WordCapture::takeGrab(m_composition);
    s.ReplaceMode = 1;
    s.VerbForm = kVerbForms[int(suffix)];

    if (s.LastAction == tag) {
        int number = nextFormNumber(s.FormIndex, 3);
        if (number == 3 && forms[2] == forms[1])
            number = 1;
        s.ActionTag = tag;
        insertReplacing(forms[number - 1]);
        s.CurrentWord = forms[number - 1];
        s.FormIndex = number;
        return;
    }

    s.GrabArmed = false;
    if (sOrEd && s.CapsMode == CapsFirstInForce)
        s.CapsMode = CapsFirstArmed;
    // A selection, or the word before a freshly placed caret, is the word
    // to re-form; so the rules below see that word rather than the one
    // inserted last.
    WordCapture::captureWord(m_composition);
    s.CurrentWord = WordCapture::trimmedTrailing(s.CurrentWord);
    const QString ownTag = s.LastAction;
    if (isBeForm(s.CurrentWord) && s.LastAction != kHave)
        s.LastAction = kBe;

    if (s.LastAction == kBe && sOrEd) {
        const QString w = lowerAscii(s.CurrentWord);
        if (suffix == Suffix::S) {
            if (w == QLatin1String("were"))
                forms = {QStringLiteral("are"), QStringLiteral("is"), QStringLiteral("am")};
            else if (w == QLatin1String("was"))
                forms = {QStringLiteral("is"), QStringLiteral("am"), QStringLiteral("are")};
            else if (w == QLatin1String("is"))
                forms = {QStringLiteral("are"), QStringLiteral("am"), QStringLiteral("is")};
            else
                forms = {QStringLiteral("is"), QStringLiteral("are"), QStringLiteral("am")};
        } else if (w == QLatin1String("are")) {
            forms = {QStringLiteral("were"), QStringLiteral("was"), QStringLiteral("was")};
        } else {
            forms = {QStringLiteral("was"), QStringLiteral("were"), QStringLiteral("were")};
        }
        for (QString &form : forms)
            form = WordCapture::inCaseOf(s.CurrentWord, form);
        s.ActionTag = tag;
        insertReplacing(forms[0]);
        s.CurrentWord = forms[0];
        s.FormIndex = 1;
        return;
    }

    // Irregular verbs are replaced directly and keep their tag, so the tense
    // box and the infinitive button still know them.
    QString irregular;
    if (const HelperRow *helper = helperByTag(s.LastAction)) {
        if (const char *form = helper->suffix[int(suffix)])
            irregular = str(form);
    } else {
        const QStringList row = listVerbRow(s.LastAction);
        if (!row.isEmpty())
            irregular = row.at(int(suffix) + 1);
    }
    if (!irregular.isEmpty()) {
        irregular = WordCapture::inCaseOf(s.CurrentWord, irregular);
        // A "be" word from another button keeps that button's tag, and with
        // it a capital in force for the word.
        s.ActionTag = ownTag == kMouseClick ? s.LastAction : ownTag;
        insertReplacing(irregular);
        s.CurrentWord = irregular;
        return;
    }

    if (s.CapsMode == CapsFirstInForce)
        s.CapsMode = CapsFirstArmed;
    // A verb the tables hold, in any of its forms, takes the table's form;
    // its cycle is that form and the word itself.
    QStringList row;
    if (findInTables(s.CurrentWord, &row)) {
        const QString form = row.at(int(suffix) + 1);
        forms = {s.CurrentWord, form, form};
    } else {
        forms = suffixForms(suffix, s.CurrentWord);
        if (suffix == Suffix::Ing && !s.CurrentWord.isEmpty()) {
            const QStringList ing = m_tableVerbs.ingForms(s.CurrentWord);
            forms = {s.CurrentWord, ing.first(), ing.value(1, ing.first())};
        }
    }
    // Every form takes the word's capitals: "WALK" gives "WALKING".
    for (QString &form : forms)
        form = WordCapture::inCaseOf(s.CurrentWord, form);
    s.ActionTag = tag;
    insertReplacing(forms[1]);
    s.CurrentWord = forms[1];
    s.FormIndex = 2;
}

void Verbs::btnInfinitiveClick()
{
    CompositionState &s = m_composition.state;
    const bool grabbed = WordCapture::takeGrab(m_composition);
    if (s.LastAction == kMouseClick && !grabbed)
        return;
    s.GrabArmed = false;
    s.VerbForm = 1;
    // The current word is left as it was when there is nothing to re-form:
    // the marks after it read its spaces ("? " before a quote).
    const QString before = s.CurrentWord;
    s.CurrentWord = WordCapture::trimmedTrailing(s.CurrentWord);
    const QString ownTag = s.LastAction;
    if (isBeForm(s.CurrentWord) && s.LastAction != kHave)
        s.LastAction = kBe;

    QString text;
    if (const HelperRow *helper = helperByTag(s.LastAction)) {
        text = str(helper->cycle[0]);
    } else {
        const QStringList row = listVerbRow(s.LastAction);
        if (!row.isEmpty())
            text = row.at(VerbTable::To);
    }
    if (text.isEmpty()) {
        // A word without a verb's tag (grabbed, typed, or from another
        // button): find it among the helping verbs and the verb lists, and
        // keep its tag and row for the buttons after.
        const QString l = lowerAscii(s.CurrentWord);
        for (const HelperRow &helper : kHelpers) {
            for (int i = 0; i < helper.cycleSize && text.isEmpty(); ++i) {
                if (l == QLatin1String(helper.cycle[i])) {
                    text = str(helper.cycle[0]);
                    s.LastAction = str(helper.tag);
                }
            }
        }
        QStringList forms;
        QString tag;
        int row = -1;
        if (text.isEmpty() && findInTables(s.CurrentWord, &forms, &tag, &row)) {
            text = forms.at(VerbTable::To);
            s.LastAction = tag;
            s.FormIndex = row;
        }
        if (!text.isEmpty() && !s.CurrentWord.isEmpty() &&
            s.CurrentWord.front() != lowerAscii(s.CurrentWord.front()))
            s.CapsMode = CapsFirstArmed;
    }
    if (text.isEmpty()) {
        s.CurrentWord = before;
        return;
    }
    text = WordCapture::inCaseOf(s.CurrentWord, text);
    s.ReplaceMode = 1;
    s.ActionTag = ownTag == kMouseClick ? s.LastAction : ownTag;
    insertReplacing(text);
    s.CurrentWord = text;
}

QString Verbs::wordBeforeSpan() const
{
    const TextSurface &t = m_composition.surface();
    int end = std::min(m_composition.state.WordStart, t.length());
    while (end > 0 && t.charAt(end - 1) == QLatin1Char(' '))
        --end;
    int start = end;
    while (start > 0) {
        const QChar c = t.charAt(start - 1);
        if (c == QLatin1Char(' ') || c == QLatin1Char('\n') || c == QLatin1Char('"') ||
            c == QLatin1Char('('))
            break;
        --start;
    }
    QString word;
    for (int i = start; i < end; ++i)
        word += t.charAt(i);
    return word;
}

bool Verbs::subjectTakesBaseForm() const
{
    const QString w = lowerAscii(wordBeforeSpan());
    return isOneOf(w, {"i", "you", "we", "they"});
}

void Verbs::cbTenseChange()
{
    CompositionState &s = m_composition.state;
    TextSurface &t = m_composition.surface();
    const bool past = m_pastTense();
    s.VerbForm = past ? 4 : 2;
    const QString tag = s.LastAction;
    QString text;
    int formIndex = s.FormIndex;
    // A selection that holds no verb stays as it was, for the word the user
    // clicks next to replace.
    const CompositionState before = s;
    const int selStart = t.selStart();
    const int selLength = t.selLength();

    if (tag == kBe) {
        // The subject decides the form, so "he is" turns into "he was" and
        // back rather than into another person's form.
        const QString w = lowerAscii(s.CurrentWord);
        if (past) {
            if (isOneOf(w, {"am", "is", "-'m", "-'s"}))
                text = QStringLiteral("was");
            else if (isOneOf(w, {"are", "-'re"}))
                text = QStringLiteral("were");
        } else if (isOneOf(w, {"was", "were"})) {
            const QString subject = lowerAscii(wordBeforeSpan());
            if (subject == QLatin1String("i"))
                text = QStringLiteral("am");
            else if (w == QLatin1String("were") || subjectTakesBaseForm())
                text = QStringLiteral("are");
            else
                text = QStringLiteral("is");
        }
        if (!text.isEmpty())
            formIndex = beNumber(text);
    } else if (const HelperRow *helper = helperByTag(tag)) {
        text = str(past ? helper->past : helper->present);
        if (!past && subjectTakesBaseForm())
            text = str(helper->cycle[0]);
    } else {
        QStringList row = listVerbRow(tag);
        // Any other word is looked up in the tables by each of its forms,
        // so a typed or suffixed verb follows the tense too; after typing or
        // a click in the text that is the word before the caret.
        if (row.isEmpty()) {
            if (tag == kMouseClick)
                WordCapture::captureWord(m_composition);
            findInTables(WordCapture::trimmedTrailing(s.CurrentWord), &row);
        }
        if (!row.isEmpty()) {
            const bool base = !past && subjectTakesBaseForm();
            text = row.at(past ? VerbTable::Ed : base ? VerbTable::To : VerbTable::S);
        }
    }
    if (!past && subjectTakesBaseForm())
        s.VerbForm = 1;

    if (text.isEmpty()) {
        if (selLength > 0) {
            const int verbForm = s.VerbForm;
            s = before;
            s.VerbForm = verbForm;
            t.select(selStart, selLength);
        }
        t.setFocus();
        return;
    }
    // The verb keeps its case: "Go" at the start of a sentence gives "Went".
    text = WordCapture::inCaseOf(WordCapture::trimmedTrailing(s.CurrentWord), text);
    s.ReplaceMode = 1;
    s.ActionTag = tag;
    insertReplacing(text);
    s.CurrentWord = text;
    s.FormIndex = formIndex;
}

void Verbs::subPanelItemClick(const QString &tag, const QString &text, int number)
{
    CompositionState &s = m_composition.state;
    s.ReplaceMode = s.LastAction == tag ? 1 : 0;
    s.ActionTag = tag;
    insertReplacing(text);
    s.CurrentWord = text;
    s.FormIndex = number;
}

void Verbs::insertReplacing(const QString &text)
{
    CompositionState &s = m_composition.state;
    // A contraction ("-'ve" for "have", or back) stands apart from its word
    // or joins it, so the span goes first and the text before the caret
    // decides the spacing. A suffix re-formed in place ("-ize" to "-izing")
    // keeps its span and is replaced by InsertWord.
    if (s.ReplaceMode == 1 &&
        (text.startsWith(QLatin1String("-'")) || s.CurrentWord.startsWith(QLatin1String("-'"))))
        m_composition.ReadContextBeforeCaret();
    m_composition.InsertWord(text);
}
