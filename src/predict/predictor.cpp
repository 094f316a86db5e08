#include "predict/predictor.h"

#include "morph/derivation.h"
#include "morph/plurals.h"
#include "morph/verbs.h"
#include "predict/user_model.h"
#include "vocab/vocabulary.h"

#include <QHash>
#include <QSet>
#include <algorithm>

using Class = PredictionModel::Class;
using PredictionText::Context;

struct Predictor::Candidate
{
    QString key;
    QString text;
    quint32 model = PredictionModel::kNone;
    double score = 0;
};

namespace {

// How much the words seen after the last two, after the last one, and the
// words on their own count. A sequence the user has written is worth more
// than anything the corpus says in that context.
constexpr double kTriWeight = 0.55;
constexpr double kBiWeight = 0.30;
constexpr double kUniWeight = 0.15;
constexpr double kLearntPair = 1.0;
constexpr double kLearntTriple = 2.0;
// Without letters typed, only the likeliest followers can make the row.
constexpr int kFollowersScanned = 300;
constexpr int kPrefixWords = 80;

QSet<QString> setOf(std::initializer_list<const char *> words)
{
    QSet<QString> set;
    for (const char *w : words)
        set.insert(QString::fromLatin1(w));
    return set;
}

const QSet<QString> kModalWords =
    setOf({"can",    "could", "will",     "would",    "shall",     "should",  "may",    "might",
           "must",   "do",    "does",     "did",      "don't",     "doesn't", "didn't", "can't",
           "cannot", "won't", "wouldn't", "couldn't", "shouldn't", "mustn't", "'ll",    "'d"});
const QSet<QString> kBeWords =
    setOf({"be", "am", "is", "are", "was", "were", "being", "been", "isn't", "aren't", "wasn't",
           "weren't", "i'm", "he's", "she's", "it's", "you're", "we're", "they're"});
const QSet<QString> kHaveWords = setOf({"have", "has", "had", "having", "haven't", "hasn't",
                                        "hadn't", "i've", "you've", "we've", "they've"});
// Words that keep their own tag in the verb rules.
const QSet<QString> kOwnTagWords = setOf({"to", "of", "while", "my", "your", "his", "her", "its",
                                          "our", "their", "you", "we", "they", "he", "she", "it"});
// Words between a subject and its verb that leave the verb's form alone.
const QSet<QString> kSkippedWords = setOf({"not", "never", "also", "always", "just", "really",
                                           "still", "often", "only", "even", "already"});
const QSet<QString> kDeterminers =
    setOf({"<s>", "the", "a", "an", "this", "that", "my", "your", "his", "her", "its", "our",
           "their", "every", "each", "no"});
const QSet<QString> kPluralMarkers = setOf(
    {"two",    "three",  "four",   "five",   "six",   "seven",   "eight",   "nine",     "ten",
     "eleven", "twelve", "twenty", "thirty", "forty", "fifty",   "hundred", "thousand", "several",
     "many",   "few",    "these",  "those",  "both",  "various", "numerous"});
const QSet<QString> kSingularMarkers =
    setOf({"a", "an", "one", "this", "that", "each", "every", "another", "either", "neither"});
const QSet<QString> kDegreeMarkers =
    setOf({"more", "most", "less", "least", "very", "too", "so", "quite", "rather", "how"});

bool isNumberWord(const QString &key)
{
    bool ok = false;
    const int n = key.toInt(&ok);
    return (ok && n > 1) || kPluralMarkers.contains(key);
}

// A word with a letter in it; of single letters only "a" and "I" are words
// worth a button ("T" of "T-shirt" is not).
bool offerable(const QString &key)
{
    if (key.size() == 1)
        return key == QLatin1String("a") || key == QLatin1String("i");
    return std::any_of(key.cbegin(), key.cend(), [](QChar c) { return c.isLetter(); });
}

bool isVerbClass(Class c)
{
    return c >= Class::VerbBase && c <= Class::VerbParticiple;
}

QStringList unique(const QStringList &forms)
{
    QStringList out;
    for (const QString &f : forms)
        if (!f.isEmpty() && !out.contains(f))
            out.append(f);
    return out;
}

Predictor::Prediction chosen(const QStringList &forms, const QString &word)
{
    Predictor::Prediction p;
    p.forms = unique(forms);
    if (!p.forms.contains(word))
        p.forms.prepend(word);
    p.word = word;
    p.form = int(p.forms.indexOf(word));
    return p;
}

} // namespace

Predictor::Predictor(const PredictionModel &model, const UserModel &user,
                     const Vocabulary *vocabulary)
    : m_model(model)
    , m_user(user)
    , m_vocabulary(vocabulary)
{}

QList<Predictor::Prediction> Predictor::predict(const TextSurface &surface, int count) const
{
    return predict(PredictionText::contextAt(surface, surface.caret()), count);
}

QList<Predictor::Prediction> Predictor::predict(const Context &ctx, int count) const
{
    if (count <= 0)
        return {};
    const QString &prefix = ctx.prefix;
    QHash<QString, Candidate> candidates;
    auto accepts = [&](const QString &key) {
        return key.startsWith(prefix) && offerable(key) && !m_user.isBlocked(key);
    };
    auto addModel = [&](quint32 w, double score) {
        const PredictionModel::Word &word = m_model.word(w);
        if (word.cls == Class::Marker || !accepts(word.key))
            return;
        Candidate &c = candidates[word.key];
        if (c.key.isEmpty()) {
            c.key = word.key;
            c.text = word.text;
            c.model = w;
        }
        c.score += score;
    };
    auto addUser = [&](const QString &key, double score) {
        if (!accepts(key))
            return;
        Candidate &c = candidates[key];
        if (c.key.isEmpty()) {
            c.key = key;
            c.model = m_model.find(key);
            const auto learnt = m_user.words().constFind(key);
            c.text = c.model != PredictionModel::kNone ? m_model.word(c.model).text
                     : learnt != m_user.words().cend() ? learnt->text
                                                       : key;
        }
        c.score += score;
    };

    // The shipped model: what followed the last two words, the last one,
    // and the words that begin with the letters typed.
    const quint32 w2 = ctx.before2.isEmpty() ? PredictionModel::kNone : m_model.find(ctx.before2);
    const quint32 w1 = ctx.before1.isEmpty() ? PredictionModel::kNone : m_model.find(ctx.before1);
    if (w1 != PredictionModel::kNone && w2 != PredictionModel::kNone) {
        const PredictionModel::Span span = m_model.after(w1, w2);
        for (auto *f = span.begin; f != span.end; ++f)
            addModel(f->word, kTriWeight * f->count / span.total);
    }
    if (w2 != PredictionModel::kNone) {
        const PredictionModel::Span span = m_model.after(w2);
        const auto *end =
            prefix.isEmpty() ? std::min(span.end, span.begin + kFollowersScanned) : span.end;
        for (auto *f = span.begin; f != end; ++f)
            addModel(f->word, kBiWeight * f->count / span.total);
    }
    const double total = std::max<quint64>(1, m_model.totalCount());
    if (!prefix.isEmpty()) {
        for (quint32 w : m_model.startingWith(prefix, kPrefixWords))
            addModel(w, kUniWeight * m_model.word(w).count / total);
    } else if (candidates.size() < count * 2) {
        // Common words fill a row the context leaves short; names and
        // numbers are never offered from nothing.
        for (quint32 w = 2; w < quint32(m_model.wordCount()) && candidates.size() < count * 2;
             ++w) {
            const Class c = m_model.word(w).cls;
            if (c != Class::ProperName && c != Class::Number)
                addModel(w, kUniWeight * m_model.word(w).count / total);
        }
    }

    // What the user has written outranks the corpus in its context.
    auto addLearnt = [&](const QHash<QString, quint32> *followers, double weight) {
        if (!followers)
            return;
        quint64 sum = 0;
        for (quint32 n : *followers)
            sum += n;
        for (auto it = followers->cbegin(); it != followers->cend(); ++it)
            addUser(it.key(), weight + double(it.value()) / double(sum));
    };
    if (!ctx.before1.isEmpty())
        addLearnt(m_user.after(ctx.before1, ctx.before2), kLearntTriple);
    if (!ctx.before2.isEmpty())
        addLearnt(m_user.after(ctx.before2), kLearntPair);
    if (!prefix.isEmpty()) {
        const double userTotal = std::max<quint64>(1, m_user.totalWords());
        for (auto it = m_user.words().cbegin(); it != m_user.words().cend(); ++it)
            if (it.key().startsWith(prefix))
                addUser(it.key(), kUniWeight * (0.2 + it->count / userTotal));
    }

    QList<Candidate> ranked = candidates.values();
    std::sort(ranked.begin(), ranked.end(), [](const Candidate &a, const Candidate &b) {
        return a.score != b.score ? a.score > b.score : a.key < b.key;
    });
    QList<Prediction> out;
    QSet<QString> seen;
    for (const Candidate &c : std::as_const(ranked)) {
        Prediction p = shape(c, ctx);
        // A forgotten word stays forgotten when another word's form is it.
        if (p.word.isEmpty() || m_user.isBlocked(p.word.toLower()))
            continue;
        // A form the context asks for must still fit the letters typed.
        if (!p.word.toLower().startsWith(prefix))
            p = chosen(p.forms, c.text);
        if (seen.contains(p.word.toLower()))
            continue;
        seen.insert(p.word.toLower());
        out.append(p);
        if (out.size() == count)
            break;
    }
    return out;
}

Class Predictor::classOf(quint32 modelIndex) const
{
    return modelIndex == PredictionModel::kNone ? Class::Other : m_model.word(modelIndex).cls;
}

Predictor::Prediction Predictor::shape(const Candidate &c, const Context &ctx) const
{
    // The word that decides the form, past a "not" or an adverb.
    QString prev = ctx.before2;
    QString prior = ctx.before1;
    if (kSkippedWords.contains(prev)) {
        prev = prior;
        prior.clear();
    }
    Class cls = classOf(c.model);

    // The tag a button of this program would have left before the verb.
    QString tag;
    if (kModalWords.contains(prev))
        tag = QStringLiteral("modal");
    else if (kBeWords.contains(prev))
        tag = QStringLiteral("be");
    else if (kHaveWords.contains(prev))
        tag = QStringLiteral("have");
    else if (prev == QLatin1String("i"))
        tag = QStringLiteral("I");
    else if (kOwnTagWords.contains(prev))
        tag = prev;
    else if (kDeterminers.contains(prior) && classOf(m_model.find(prev)) == Class::Noun)
        tag = QStringLiteral("noun");
    else if (kDeterminers.contains(prior) && classOf(m_model.find(prev)) == Class::PluralNoun)
        tag = QStringLiteral("pluralize");

    // Right after a subject or a modal a word that is also a verb ("rule",
    // "work") is the verb: never "he rule".
    static const QSet<QString> kSubjects =
        setOf({"I", "he", "she", "it", "you", "we", "they", "modal"});
    if (cls != Class::ProperName && !isVerbClass(cls) && kSubjects.contains(tag) &&
        !tableForms(c.key).isEmpty())
        cls = Class::VerbBase;
    // Nor "he house": a plain noun does not follow them.
    if (cls == Class::Noun && kSubjects.contains(tag))
        return {};

    if (cls == Class::Noun || cls == Class::PluralNoun) {
        const QString singular =
            cls == Class::Noun ? c.text : m_model.word(m_model.word(c.model).base).text;
        const QStringList forms{singular, pluralOf(singular.toLower(), c.model)};
        if (isNumberWord(prev))
            return chosen(forms, forms[1]);
        if (kSingularMarkers.contains(prev))
            return chosen(forms, forms[0]);
        return chosen(forms, c.text);
    }
    if (cls >= Class::Adjective && cls <= Class::Superlative) {
        const QStringList forms = degreeForms(c.key, c.model);
        return chosen(forms, kDegreeMarkers.contains(prev) ? forms[0] : c.text);
    }

    const bool helperBe = kBeWords.contains(c.key) && !c.key.contains(QLatin1Char('\''));
    const bool helperHave = kHaveWords.contains(c.key) && !c.key.contains(QLatin1Char('\''));
    const bool helperDo =
        QStringList{QStringLiteral("do"), QStringLiteral("does"), QStringLiteral("doing"),
                    QStringLiteral("did"), QStringLiteral("done")}
            .contains(c.key);
    if (!isVerbClass(cls) && !helperBe && !helperHave && !helperDo)
        return chosen({c.text}, c.text);
    // Without a word that decides, the corpus's own form stands.
    if (tag.isEmpty() || tag == QLatin1String("of") || tag == QLatin1String("my") ||
        tag == QLatin1String("your") || tag == QLatin1String("his") ||
        tag == QLatin1String("her") || tag == QLatin1String("its") || tag == QLatin1String("our") ||
        tag == QLatin1String("their")) {
        if (!helperBe && !helperHave && !helperDo)
            return chosen(verbForms(c.key, c.model), c.text);
        if (tag.isEmpty())
            return chosen({c.text}, c.text);
    }
    const int form = Verbs::ChooseVerbForm(tag, QString(), m_pastTense);

    if (helperBe) {
        const bool plural = tag == QLatin1String("pluralize") || tag == QLatin1String("you") ||
                            tag == QLatin1String("we") || tag == QLatin1String("they");
        static const char *const byForm[] = {"be", "is", "being", "was", "been"};
        QString word = QString::fromLatin1(byForm[form - 1]);
        if (form == 1 && plural)
            word = QStringLiteral("are");
        else if (form == 1 && tag == QLatin1String("I"))
            word = QStringLiteral("am");
        else if (form == 4 && plural)
            word = QStringLiteral("were");
        // After "be" itself the form of "be" is left as the corpus has it.
        if (tag == QLatin1String("be"))
            word = c.key;
        return chosen({QStringLiteral("be"), QStringLiteral("is"), QStringLiteral("are"),
                       QStringLiteral("was"), QStringLiteral("were"), QStringLiteral("being"),
                       QStringLiteral("been"), QStringLiteral("am")},
                      word);
    }
    if (helperHave || helperDo) {
        const QStringList forms =
            helperHave
                ? QStringList{QStringLiteral("have"), QStringLiteral("has"),
                              QStringLiteral("having"), QStringLiteral("had"),
                              QStringLiteral("had")}
                : QStringList{QStringLiteral("do"), QStringLiteral("does"), QStringLiteral("doing"),
                              QStringLiteral("did"), QStringLiteral("done")};
        // "he has had", "is having": a helper after "have" or "be" keeps the
        // corpus's form unless it would be a plain tense form.
        const QString word = tag == QLatin1String("be") ? c.key : forms[form - 1];
        return chosen(forms, word);
    }

    // An inflected form the model could not trace to its verb ("cooling")
    // keeps the corpus's form: the ending rules would only invent one.
    if (cls != Class::VerbBase && c.model != PredictionModel::kNone &&
        m_model.word(c.model).base == c.model && tableForms(c.key).isEmpty())
        return chosen({c.text}, c.text);
    const QStringList forms = verbForms(c.key, c.model);
    // After "be" an "-ing" form or a past participle (passive) both stand.
    if (tag == QLatin1String("be") && (cls == Class::VerbIng || cls == Class::VerbParticiple))
        return chosen(forms, c.text);
    if (tag == QLatin1String("have") && cls == Class::VerbParticiple)
        return chosen(forms, c.text);
    return chosen(forms, forms[form - 1]);
}

QStringList Predictor::tableForms(const QString &infinitive) const
{
    if (!m_vocabulary)
        return {};
    for (Vocabulary::List list : {Vocabulary::List::VerbTable, Vocabulary::List::GoVerbTable,
                                  Vocabulary::List::SayVerbTable}) {
        const VerbTable &table = m_vocabulary->verbTable(list);
        if (const qsizetype row = table.find(infinitive); row >= 0)
            return table.row(row);
    }
    return {};
}

QStringList Predictor::verbForms(const QString &key, quint32 modelIndex) const
{
    const quint32 baseIndex =
        modelIndex == PredictionModel::kNone ? modelIndex : m_model.word(modelIndex).base;
    const QString base = baseIndex == PredictionModel::kNone ? key : m_model.word(baseIndex).key;
    if (const QStringList row = tableForms(base); !row.isEmpty())
        return row;
    auto modelForm = [&](Class cls) {
        const quint32 w =
            baseIndex == PredictionModel::kNone ? baseIndex : m_model.formOf(baseIndex, cls);
        return w == PredictionModel::kNone ? QString() : m_model.word(w).key;
    };
    QStringList forms{base, modelForm(Class::VerbS), modelForm(Class::VerbIng),
                      modelForm(Class::VerbPast), modelForm(Class::VerbParticiple)};
    if (forms[1].isEmpty())
        forms[1] = Verbs::suffixForms(Verbs::Suffix::S, base)[1];
    if (forms[2].isEmpty()) {
        const auto ing = Verbs::suffixForms(Verbs::Suffix::Ing, base);
        // "make" gives "making"; other words keep their last letter single.
        forms[2] = base.endsWith(QLatin1Char('e')) && !base.endsWith(QLatin1String("ee")) ? ing[2]
                                                                                          : ing[1];
    }
    if (forms[3].isEmpty())
        forms[3] = Verbs::suffixForms(Verbs::Suffix::Ed, base)[1];
    if (forms[4].isEmpty())
        forms[4] = forms[3];
    return forms;
}

QString Predictor::pluralOf(const QString &key, quint32 modelIndex) const
{
    if (modelIndex != PredictionModel::kNone) {
        const quint32 base = m_model.word(modelIndex).base;
        const quint32 w = m_model.formOf(base, Class::PluralNoun);
        if (w != PredictionModel::kNone)
            return m_model.word(w).text;
    }
    if (m_vocabulary)
        return Plurals::PluralizeWord(key, m_vocabulary->exceptionLists()).PluralForm;
    return key + QLatin1Char('s');
}

QStringList Predictor::degreeForms(const QString &key, quint32 modelIndex) const
{
    const quint32 base =
        modelIndex == PredictionModel::kNone ? modelIndex : m_model.word(modelIndex).base;
    const QString plain = base == PredictionModel::kNone ? key : m_model.word(base).key;
    const Derivation::DegreeForms rule = Derivation::comparativeForms(plain);
    auto modelForm = [&](Class cls, const QString &fallback) {
        const quint32 w = base == PredictionModel::kNone ? base : m_model.formOf(base, cls);
        return w == PredictionModel::kNone ? fallback : m_model.word(w).key;
    };
    return {plain, modelForm(Class::Comparative, rule.comparative),
            modelForm(Class::Superlative, rule.superlative)};
}
