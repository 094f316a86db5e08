#include "engine_fixture.h"
#include "morph/verbs.h"
#include "vocab/verb_list_editor.h"

#include <functional>

using Helper = Verbs::Helper;
using Suffix = Verbs::Suffix;

namespace {

VerbTable table(std::initializer_list<const char *> lines)
{
    QStringList l;
    for (const char *line : lines)
        l.append(QString::fromLatin1(line));
    VerbTable t;
    t.loadLines(l);
    return t;
}

class VerbsTest : public EngineFixture
{
protected:
    Verbs &verbs = engine.verbs();

    void SetUp() override
    {
        vocab.verbTable(Vocabulary::List::VerbTable) =
            table({"run", "runs", "running", "ran", "run",     //
                   "sing", "sings", "singing", "sang", "sung", //
                   "walk", "walks", "walking", "walked", "walked"});
        vocab.verbTable(Vocabulary::List::GoVerbTable) =
            table({"go", "goes", "going", "went", "gone",                //
                   "hurry", "hurries", "hurrying", "hurried", "hurried", //
                   "roam", "roams", "roaming", "roamed", "roamed"});
        vocab.verbTable(Vocabulary::List::SayVerbTable) =
            table({"mutter", "mutters", "muttering", "muttered", "muttered", //
                   "say", "says", "saying", "said", "said"});
        state.CapsMode = CapsNone;
    }
    // A mark of the apostrophe panel, such as "-'ve".
    void apostrophe(const QString &w)
    {
        for (int form = 1; form <= Punctuation::kApostropheForms; ++form)
            if (Punctuation::apostropheForm(form) == w)
                return engine.punctuation().apostrophePanelClick(form);
        FAIL() << "no such mark " << w.toStdString();
    }
    void restart()
    {
        surface.setText(QString());
        composition.resetForNewDocument();
        state.CapsMode = CapsNone;
        prefs.setPastTense(false);
    }
    void tense(bool past)
    {
        prefs.setPastTense(past);
        verbs.cbTenseChange();
    }
    // After the word w alone, n clicks; gives the words seen in turn and
    // checks the last stands in the text after w, or in place of w.
    QString cycle(const char *w, int n, bool replacesWord, const std::function<void()> &click)
    {
        restart();
        word(QString::fromLatin1(w));
        const QString kept = replacesWord ? QString() : text();
        QStringList seen;
        for (int i = 0; i < n; ++i) {
            click();
            seen.append(state.CurrentWord);
        }
        EXPECT_EQ(text(), kept + seen.last() + QLatin1Char(' ')) << w;
        return seen.join(QLatin1Char(' '));
    }
    QString helperCycle(Helper helper, const char *subject, int n)
    {
        return cycle(subject, n, false, [&] { verbs.helperClick(helper); });
    }
    QString suffixCycle(Suffix suffix, const char *w, int n)
    {
        return cycle(w, n, true, [&] { verbs.suffixClick(suffix); });
    }
};

TEST_F(VerbsTest, ChooseVerbFormRulesInOrder)
{
    struct Case
    {
        const char *lastAction;
        const char *currentWord;
        bool past;
        int form;
    };
    const Case cases[] = {
        {"to", "to", true, 1},
        {"modal", "can", true, 1},
        {"be", "is", true, 3},
        {"have", "has", true, 5},
        {"have", "-'ve", false, 5},
        {"of", "of", true, 3},
        {"while", "while", false, 3},
        {"my", "my", false, 3},
        {"their", "their", true, 3},
        {"I", "my", false, 3}, // a possessive picked from a pronoun panel
        {"he", "his", false, 3},
        {"apostrophe", "-'d", true, 1},
        {"apostrophe", "-'ll", false, 1},
        {"apostrophe", "-'ve", false, 5},
        {"apostrophe", "-'s", false, 3},
        {"I", "I", true, 4},
        {"he", "he", true, 4},
        {"mouseclick", "", true, 4},
        {"pluralize", "cats", false, 1},
        {"I", "I", false, 1},
        {"they", "they", false, 1},
        {"he", "him", false, 2},
        {"animal", "cat", false, 2},
        {"noun", "idea", false, 2},
        {"custom", "thing", false, 2},
        {"the", "this", false, 2},
        {"the", "that", false, 2},
        {"the", "the", false, 1},
        {"-ing", "running", false, 2},
        {"-ed", "walked", false, 1},
        {"mouseclick", "", false, 1},
        // After a negation the negated word decides, in either tense.
        {"not", "haven't", true, 5},
        {"not", "has not", false, 5},
        {"not", "isn't", false, 3},
        {"not", "Wasn't", true, 3},
        {"not", "didn't", true, 1},
        {"not", "can't", false, 1},
        {"not", "cannot", true, 1},
        {"not", "won't", true, 1},
        {"haven't", "haven't", false, 5}, // a word button's contraction
        {"not", "happy not", true, 4},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Verbs::ChooseVerbForm(QString::fromLatin1(c.lastAction),
                                        QString::fromLatin1(c.currentWord), c.past),
                  c.form)
            << c.lastAction << " " << c.currentWord << " past " << c.past;
    }
}

TEST_F(VerbsTest, HelpingVerbFirstClickByForm)
{
    struct Row
    {
        Helper helper;
        std::array<const char *, 5> words;
        std::array<int, 5> formIndex;
    };
    const Row rows[] = {
        {Helper::Have, {"have", "has", "having", "had", "had"}, {1, 2, 3, 4, 5}},
        {Helper::Be, {"be", "is", "being", "was", "been"}, {1, 2, 3, 4, 5}},
        {Helper::Do, {"do", "does", "doing", "did", "done"}, {2, 2, 2, 2, 2}},
        {Helper::Get, {"get", "gets", "getting", "got", "got"}, {2, 2, 2, 2, 4}},
        {Helper::Let, {"let", "lets", "letting", "let", "let"}, {1, 2, 3, 4, 5}},
        {Helper::Put, {"put", "puts", "putting", "put", "put"}, {1, 2, 3, 4, 5}},
    };
    // What brings about each form: to, he, of, past tense, "-'ve".
    const std::array<std::function<void()>, 5> contexts = {
        [this] { word(QStringLiteral("to")); },
        [this] { word(QStringLiteral("he")); },
        [this] { word(QStringLiteral("of")); },
        [this] {
            word(QStringLiteral("and"));
            prefs.setPastTense(true);
        },
        [this] {
            word(QStringLiteral("we"));
            apostrophe(QStringLiteral("-'ve"));
        },
    };
    for (const Row &row : rows) {
        for (int f = 0; f < 5; ++f) {
            restart();
            contexts[f]();
            const QString before = text();
            verbs.helperClick(row.helper);
            EXPECT_EQ(state.VerbForm, f + 1);
            EXPECT_EQ(text(), before + QLatin1String(row.words[f]) + QLatin1Char(' '))
                << int(row.helper) << " form " << f + 1;
            EXPECT_EQ(state.CurrentWord, QLatin1String(row.words[f]));
            EXPECT_EQ(state.FormIndex, row.formIndex[f]) << int(row.helper) << " form " << f + 1;
        }
    }
}

TEST_F(VerbsTest, BeAgreesWithItsSubject)
{
    const std::tuple<const char *, bool, const char *> cases[] = {
        {"I", false, "I am "},      {"they", false, "They are "}, {"we", false, "We are "},
        {"you", true, "You were "}, {"I", true, "I was "},        {"to", false, "To be "},
        {"he", true, "He was "},    {"she", false, "She is "},
    };
    for (const auto &[subject, past, expected] : cases) {
        restart();
        state.CapsMode = CapsFirstArmed;
        word(QString::fromLatin1(subject));
        prefs.setPastTense(past);
        verbs.helperClick(Helper::Be);
        EXPECT_EQ(text(), QLatin1String(expected));
    }
    // After a noun category word and after a plural.
    restart();
    state.ActionTag = QStringLiteral("animal");
    composition.InsertWord(QStringLiteral("cat"));
    state.CurrentWord = QStringLiteral("cat");
    verbs.helperClick(Helper::Be);
    EXPECT_EQ(text(), QLatin1String("cat is "));
    restart();
    word(QStringLiteral("cats"));
    state.LastAction = QStringLiteral("pluralize");
    verbs.helperClick(Helper::Be);
    EXPECT_EQ(text(), QLatin1String("cats are "));
    prefs.setPastTense(true);
    word(QStringLiteral("and"));
    state.LastAction = QStringLiteral("pluralize");
    verbs.helperClick(Helper::Be);
    EXPECT_EQ(text(), QLatin1String("cats are and were "));
}

TEST_F(VerbsTest, HelpingVerbRepeatCycles)
{
    EXPECT_EQ(helperCycle(Helper::Have, "he", 5), QLatin1String("has having had have has"));
    EXPECT_EQ(helperCycle(Helper::Be, "to", 9),
              QLatin1String("be is are was were being been am be"));
    EXPECT_EQ(helperCycle(Helper::Do, "I", 6), QLatin1String("do doing did done do does"));
    EXPECT_EQ(helperCycle(Helper::Get, "to", 6), QLatin1String("get getting got gotten get gets"));
    EXPECT_EQ(helperCycle(Helper::Put, "he", 4), QLatin1String("puts putting put puts"));
    prefs.setPastTense(true);
    restart();
    prefs.setPastTense(true);
    word(QStringLiteral("he"));
    verbs.helperClick(Helper::Let);
    EXPECT_EQ(state.FormIndex, 4);
    verbs.helperClick(Helper::Let);
    EXPECT_EQ(state.CurrentWord, QLatin1String("let"));
    EXPECT_EQ(state.FormIndex, 1);
    verbs.helperClick(Helper::Let);
    EXPECT_EQ(text(), QLatin1String("he lets "));
}

TEST_F(VerbsTest, ListVerbDrawsARowInTheNeededColumn)
{
    word(QStringLiteral("she"));
    random.values = {1};
    verbs.btnVerbClick(random);
    EXPECT_EQ(text(), QLatin1String("she sings "));
    EXPECT_EQ(state.FormIndex, 1);
    EXPECT_EQ(state.LastAction, QLatin1String("verb"));
    // A repeated click replaces the verb by another row, same column.
    random.values = {1};
    verbs.btnVerbClick(random);
    EXPECT_EQ(text(), QLatin1String("she walks "));
    EXPECT_EQ(state.FormIndex, 2);
    random.values = {0};
    verbs.btnVerbClick(random);
    EXPECT_EQ(text(), QLatin1String("she runs "));
}

TEST_F(VerbsTest, ListVerbNeverRepeatsARow)
{
    SeededRandom seeded(7);
    word(QStringLiteral("I"));
    verbs.btnVerbClick(seeded);
    for (int i = 0; i < 60; ++i) {
        const int before = state.FormIndex;
        verbs.btnSayClick(seeded); // first say click, then repeats
        if (i > 0) {
            EXPECT_NE(state.FormIndex, before);
        }
    }
    // With a single row there is nothing else to draw.
    VerbTable one = table({"run", "runs", "running", "ran", "run"});
    VerbTable empty;
    Verbs single{composition, one, empty, empty, [this] { return engine.pastTense(); }};
    word(QStringLiteral("to"));
    single.btnVerbClick(seeded);
    single.btnVerbClick(seeded);
    EXPECT_TRUE(text().endsWith(QLatin1String(" to run ")));
    // An empty list draws nothing.
    const QString before = text();
    single.btnGoClick(seeded);
    single.btnGoClick(seeded);
    EXPECT_EQ(text(), before + QLatin1String("go "));
    Verbs none{composition, empty, empty, empty, [this] { return engine.pastTense(); }};
    word(QStringLiteral("to"));
    const QString beforeNone = text();
    none.btnVerbClick(seeded);
    EXPECT_EQ(text(), beforeNone);
}

TEST_F(VerbsTest, GoAndSayInsertTheirOwnWordFirst)
{
    word(QStringLiteral("he"));
    verbs.btnGoClick(random);
    EXPECT_EQ(text(), QLatin1String("he goes "));
    EXPECT_EQ(state.FormIndex, 0);
    random.values = {0};
    verbs.btnGoClick(random);
    EXPECT_EQ(text(), QLatin1String("he hurries "));
    word(QStringLiteral("of"));
    verbs.btnSayClick(random);
    EXPECT_EQ(text(), QLatin1String("he hurries of saying "));
    EXPECT_EQ(state.FormIndex, 1);
}

TEST_F(VerbsTest, SuffixRuleFormsOfVerbsOutsideTheTables)
{
    // Word, then the forms 2 and 3 of -s, -ing, -ed and -en.
    const std::pair<const char *, const char *> cases[] = {
        {"stop", "stops stops stopping stoping stopped stoped stopped stoped"},
        {"admit", "admits admits admitting admiting admitted admited admitted admited"},
        {"visit", "visits visits visiting visitting visited visitted visited visitted"},
        {"open", "opens opens opening openning opened openned opened openned"},
        {"travel", "travels travels traveling travelling traveled travelled traveled travelled"},
        {"make", "makes makes making making maked maked maked maken"},
        {"agree", "agrees agrees agreeing agreeing agreed agreed agreed agreen"},
        {"die", "dies dies dying dying died died died dien"},
        {"singe", "singes singes singing singeing singed singed singed singen"},
        {"picnic", "picnics picnics picnicking picnicing picnicked picniced picnicked picniced"},
        {"fly", "flies flys flying flying flied flied flied flied"},
        {"play", "plays plays playing playing played played played played"},
        {"wash", "washes washes washing washing washed washed washed washen"},
        {"echo", "echoes echos echoing echoing echoed echoed echoed echoen"},
        {"quiz", "quizzes quizes quizzing quizing quizzed quized quizzed quized"},
        {"zorp", "zorps zorps zorping zorping zorped zorped zorped zorpen"},
        {"honey", "honeys honeys honeying honeying honeyed honied honeyed honied"},
        {"Stop", "Stops Stops Stopping Stoping Stopped Stoped Stopped Stoped"},
    };
    for (const auto &[word, expected] : cases) {
        const QString w = QLatin1String(word);
        const QStringList forms = QString::fromLatin1(expected).split(QLatin1Char(' '));
        ASSERT_EQ(forms.size(), 8) << word;
        for (int i = 0; i < 4; ++i) {
            const Verbs::SuffixForms f = Verbs::suffixForms(Suffix(i), w);
            EXPECT_EQ(f[0], w);
            EXPECT_EQ(f[1], forms[2 * i]) << word << " suffix " << i;
            EXPECT_EQ(f[2], forms[2 * i + 1]) << word << " suffix " << i;
        }
    }
    // No word: the bare suffix joins the text before it.
    EXPECT_EQ(Verbs::suffixForms(Suffix::Ing, QString()), (Verbs::SuffixForms{"", "-ing", "-ing"}));
}

TEST_F(VerbsTest, SuffixClicksCycleAndSkipARepeatedForm)
{
    EXPECT_EQ(suffixCycle(Suffix::S, "fly", 4), QLatin1String("flies flys fly flies"));
    EXPECT_EQ(suffixCycle(Suffix::S, "play", 3), QLatin1String("plays play plays"));
    // A verb of the table: its form and the word itself.
    EXPECT_EQ(suffixCycle(Suffix::Ing, "ran", 4), QLatin1String("running ran running ran"));
    EXPECT_EQ(suffixCycle(Suffix::Ing, "zap", 4), QLatin1String("zapping zaping zap zapping"));
    EXPECT_EQ(suffixCycle(Suffix::Ed, "honey", 3), QLatin1String("honeyed honied honey"));
    EXPECT_EQ(suffixCycle(Suffix::Ed, "bake", 3), QLatin1String("baked bake baked"));
    EXPECT_EQ(suffixCycle(Suffix::En, "bake", 3), QLatin1String("baked baken bake"));
    EXPECT_EQ(suffixCycle(Suffix::En, "sung", 3), QLatin1String("sung sung sung"));
    EXPECT_EQ(state.VerbForm, 5);
    EXPECT_EQ(state.LastAction, QLatin1String("-en"));
}

TEST_F(VerbsTest, SuffixOnIrregularVerbsKeepsTheirTag)
{
    const std::tuple<Helper, Suffix, const char *> cases[] = {
        {Helper::Have, Suffix::S, "has"},    {Helper::Have, Suffix::Ed, "had"},
        {Helper::Do, Suffix::En, "done"},    {Helper::Do, Suffix::Ing, "doing"},
        {Helper::Get, Suffix::En, "gotten"}, {Helper::Let, Suffix::Ed, "let"},
        {Helper::Put, Suffix::Ed, "put"},    {Helper::Be, Suffix::Ing, "being"},
        {Helper::Be, Suffix::En, "been"},
    };
    for (const auto &[helper, suffix, expected] : cases) {
        restart();
        word(QStringLiteral("to"));
        verbs.helperClick(helper);
        const QString tag = state.LastAction;
        const int formIndex = state.FormIndex;
        verbs.suffixClick(suffix);
        EXPECT_EQ(text(), QLatin1String("to ") + QLatin1String(expected) + QLatin1Char(' '));
        EXPECT_EQ(state.LastAction, tag);
        EXPECT_EQ(state.FormIndex, formIndex);
    }
    // List verbs take the column of their row.
    restart();
    word(QStringLiteral("he"));
    verbs.btnGoClick(random);
    verbs.suffixClick(Suffix::Ed);
    EXPECT_EQ(text(), QLatin1String("he went "));
    verbs.suffixClick(Suffix::En);
    EXPECT_EQ(text(), QLatin1String("he gone "));
    random.values = {1};
    word(QStringLiteral("to"));
    verbs.btnVerbClick(random);
    verbs.suffixClick(Suffix::Ing);
    EXPECT_EQ(text(), QLatin1String("he gone to singing "));
    EXPECT_EQ(state.VerbForm, 3);
}

TEST_F(VerbsTest, TableVerbsAreFoundByAnyOfTheirForms)
{
    const std::tuple<const char *, Suffix, const char *> cases[] = {
        {"sang", Suffix::Ing, "singing"}, {"walks", Suffix::Ed, "walked"},
        {"sung", Suffix::S, "sings"},     {"Ran", Suffix::En, "Run"},
        {"hurry", Suffix::Ed, "hurried"}, {"said", Suffix::Ing, "saying"},
    };
    for (const auto &[w, suffix, expected] : cases) {
        restart();
        word(QString::fromLatin1(w));
        verbs.suffixClick(suffix);
        EXPECT_EQ(text(), QLatin1String(expected) + QLatin1Char(' ')) << w;
    }
    // The infinitive button and the tense box find them too.
    restart();
    words({"he", "sang"});
    verbs.btnInfinitiveClick();
    EXPECT_EQ(text(), QLatin1String("he sing "));
    restart();
    words({"he", "walk"});
    tense(true);
    EXPECT_EQ(text(), QLatin1String("he walked "));
    tense(false);
    EXPECT_EQ(text(), QLatin1String("he walks "));
    // A word button "go" is not the row a verb button left behind.
    restart();
    random.values = {1};
    word(QStringLiteral("to"));
    verbs.btnVerbClick(random);
    word(QStringLiteral("go"));
    verbs.suffixClick(Suffix::Ed);
    EXPECT_EQ(text(), QLatin1String("to sing went "));
}

TEST_F(VerbsTest, SuffixOnFormsOfBe)
{
    EXPECT_EQ(suffixCycle(Suffix::S, "be", 4), QLatin1String("is are am is"));
    EXPECT_EQ(suffixCycle(Suffix::S, "were", 3), QLatin1String("are is am"));
    EXPECT_EQ(suffixCycle(Suffix::S, "was", 3), QLatin1String("is am are"));
    EXPECT_EQ(suffixCycle(Suffix::S, "is", 3), QLatin1String("are am is"));
    EXPECT_EQ(suffixCycle(Suffix::Ed, "is", 3), QLatin1String("was were was"));
    EXPECT_EQ(suffixCycle(Suffix::Ed, "are", 3), QLatin1String("were was were"));
    EXPECT_EQ(suffixCycle(Suffix::Ing, "was", 1), QLatin1String("being"));
    // After "have" a form of "be" is the participle, and "have" decides.
    restart();
    word(QStringLiteral("been"));
    state.LastAction = QStringLiteral("have");
    verbs.suffixClick(Suffix::Ing);
    EXPECT_EQ(text(), QLatin1String("having "));
}

TEST_F(VerbsTest, SuffixOnASelectedWordReplacesTheSelection)
{
    typed(QStringLiteral("the hop"));
    surface.select(4, 3);
    verbs.suffixClick(Suffix::Ing);
    EXPECT_EQ(text(), QLatin1String("the hopping "));
    verbs.suffixClick(Suffix::Ing);
    EXPECT_EQ(text(), QLatin1String("the hoping "));
    // A selected word keeps its capital.
    typed(QStringLiteral("and Fly away"));
    surface.select(4, 4); // "Fly "
    verbs.suffixClick(Suffix::S);
    EXPECT_EQ(text(), QLatin1String("and Flies away"));
}

TEST_F(VerbsTest, CapitalOfTheWordStaysThroughSuffixCycle)
{
    state.CapsMode = CapsFirstArmed;
    word(QStringLiteral("run"));
    verbs.suffixClick(Suffix::Ing);
    EXPECT_EQ(text(), QLatin1String("Running "));
    verbs.suffixClick(Suffix::Ing);
    EXPECT_EQ(text(), QLatin1String("Run "));
    verbs.suffixClick(Suffix::Ing);
    word(QStringLiteral("fast"));
    EXPECT_EQ(text(), QLatin1String("Running fast "));
}

TEST_F(VerbsTest, GrabMakesTransformingButtonsTakeTheWordBeforeTheCaret)
{
    words({"they", "walk", "home"});
    surface.setCaret(10); // after "walk"
    grab();
    verbs.suffixClick(Suffix::Ed);
    EXPECT_EQ(text(), QLatin1String("they walked home "));
    EXPECT_FALSE(state.GrabArmed);

    // A grabbed form of "be" follows the "be" forms.
    restart();
    words({"he", "is", "here"});
    surface.setCaret(6);
    grab();
    verbs.suffixClick(Suffix::Ed);
    EXPECT_EQ(text(), QLatin1String("he was here "));

    // The infinitive of a grabbed verb is found in the lists.
    restart();
    words({"she", "went", "home"});
    surface.setCaret(8);
    grab();
    verbs.btnInfinitiveClick();
    EXPECT_EQ(text(), QLatin1String("she go home "));
    EXPECT_EQ(state.LastAction, QLatin1String("go"));
    verbs.suffixClick(Suffix::Ing);
    EXPECT_EQ(text(), QLatin1String("she going home "));
}

TEST_F(VerbsTest, InfinitiveReformsTheVerbInsertedLast)
{
    word(QStringLiteral("he"));
    verbs.helperClick(Helper::Have);
    verbs.btnInfinitiveClick();
    EXPECT_EQ(text(), QLatin1String("he have "));
    EXPECT_EQ(state.VerbForm, 1);
    word(QStringLiteral("and"));
    verbs.btnGoClick(random);
    verbs.btnInfinitiveClick();
    EXPECT_EQ(text(), QLatin1String("he have and go "));
    word(QStringLiteral("were"));
    verbs.btnInfinitiveClick();
    EXPECT_EQ(text(), QLatin1String("he have and go be "));
    // Nothing after an unrelated word or a caret move.
    word(QStringLiteral("cat"));
    verbs.btnInfinitiveClick();
    EXPECT_EQ(text(), QLatin1String("he have and go be cat "));
    verbs.helperClick(Helper::Do);
    state.LastAction = kMouseClick;
    verbs.btnInfinitiveClick();
    EXPECT_EQ(text(), QLatin1String("he have and go be cat do "));
}

TEST_F(VerbsTest, TenseChangeReformsTheVerbInPlace)
{
    word(QStringLiteral("he"));
    verbs.btnGoClick(random);
    tense(true);
    EXPECT_EQ(text(), QLatin1String("he went "));
    EXPECT_EQ(state.VerbForm, 4);
    EXPECT_EQ(state.LastAction, QLatin1String("go"));
    tense(false);
    EXPECT_EQ(text(), QLatin1String("he goes "));
    EXPECT_EQ(state.VerbForm, 2);

    const std::tuple<const char *, Helper, const char *, const char *> cases[] = {
        {"he", Helper::Have, "had", "has"},  {"she", Helper::Do, "did", "does"},
        {"it", Helper::Get, "got", "gets"},  {"he", Helper::Let, "let", "lets"},
        {"he", Helper::Be, "was", "is"},     {"I", Helper::Be, "was", "am"},
        {"they", Helper::Be, "were", "are"}, {"you", Helper::Have, "had", "have"},
        {"we", Helper::Do, "did", "do"},
    };
    for (const auto &[subject, helper, past, present] : cases) {
        restart();
        word(QString::fromLatin1(subject));
        verbs.helperClick(helper);
        const QString start = QString::fromLatin1(subject) + QLatin1Char(' ');
        tense(true);
        EXPECT_EQ(text(), start + QLatin1String(past) + QLatin1Char(' ')) << subject;
        tense(false);
        EXPECT_EQ(text(), start + QLatin1String(present) + QLatin1Char(' ')) << subject;
    }
    // After "I" a list verb comes back in its base form.
    restart();
    word(QStringLiteral("I"));
    verbs.btnSayClick(random);
    tense(true);
    EXPECT_EQ(text(), QLatin1String("I said "));
    tense(false);
    EXPECT_EQ(text(), QLatin1String("I say "));
    EXPECT_EQ(state.VerbForm, 1);
    // A word that is no verb stays.
    word(QStringLiteral("now"));
    tense(true);
    EXPECT_EQ(text(), QLatin1String("I say now "));
    EXPECT_EQ(state.VerbForm, 4);
}

TEST_F(VerbsTest, PanelPicksReplaceEachOtherAndJoinContractions)
{
    word(QStringLiteral("I"));
    verbs.helperClick(Helper::Have);
    EXPECT_EQ(text(), QLatin1String("I have "));
    verbs.subPanelItemClick(QStringLiteral("have"), QStringLiteral("-'ve"), 1);
    EXPECT_EQ(text(), QLatin1String("I've "));
    EXPECT_EQ(state.CurrentWord, QLatin1String("-'ve"));
    // And back: a word in place of the contraction stands apart again.
    verbs.subPanelItemClick(QStringLiteral("have"), QStringLiteral("had"), 4);
    EXPECT_EQ(text(), QLatin1String("I had "));
    verbs.subPanelItemClick(QStringLiteral("have"), QStringLiteral("-'d"), 4);
    EXPECT_EQ(text(), QLatin1String("I'd "));
    // The button's cycle goes on from the pick.
    verbs.helperClick(Helper::Have);
    EXPECT_EQ(text(), QLatin1String("I have "));

    restart();
    word(QStringLiteral("he"));
    verbs.subPanelItemClick(QStringLiteral("be"), QStringLiteral("-'s"), 2);
    EXPECT_EQ(text(), QLatin1String("he's "));
    verbs.subPanelItemClick(QStringLiteral("be"), QStringLiteral("was"), 4);
    EXPECT_EQ(text(), QLatin1String("he was "));
    EXPECT_EQ(state.FormIndex, 4);
    // A pick from another panel is inserted fresh.
    verbs.subPanelItemClick(QStringLiteral("he"), QStringLiteral("him"), 2);
    verbs.subPanelItemClick(QStringLiteral("he"), QStringLiteral("himself"), 4);
    EXPECT_EQ(text(), QLatin1String("he was himself "));
    EXPECT_EQ(state.LastAction, QLatin1String("he"));

    // The tense box re-forms a contraction into a word of its own.
    restart();
    word(QStringLiteral("they"));
    verbs.subPanelItemClick(QStringLiteral("be"), QStringLiteral("-'re"), 2);
    EXPECT_EQ(text(), QLatin1String("they're "));
    tense(true);
    EXPECT_EQ(text(), QLatin1String("they were "));
}

TEST(TableVerbs, AVerbBuiltOnAnIrregularTableVerbTakesItsForms)
{
    const VerbTable verbs = table({"set",   "sets",   "setting",  "set",     "set",     //
                                   "think", "thinks", "thinking", "thought", "thought", //
                                   "sell",  "sells",  "selling",  "sold",    "sold",    //
                                   "bite",  "bites",  "biting",   "bit",     "bitten",  //
                                   "get",   "gets",   "getting",  "got",     "gotten",  //
                                   "bind",  "binds",  "binding",  "bound",   "bound",   //
                                   "lay",   "lays",   "laying",   "laid",    "laid",    //
                                   "lie",   "lies",   "lying",    "lay",     "lain",    //
                                   "walk",  "walks",  "walking",  "walked",  "walked",  //
                                   "sing",  "sings",  "singing",  "sang",    "sung"});
    const VerbTable go = table({"go", "goes", "going", "went", "gone"});
    const VerbTable none;
    const TableVerbs tables(verbs, go, none);
    // Each verb with its past and participle.
    const QStringList built = QStringLiteral("reset reset reset overthink overthought overthought "
                                             "resell resold resold frostbite frostbit frostbitten "
                                             "undergo underwent undergone Spoon-sell spoon-sold "
                                             "spoon-sold")
                                  .split(QLatin1Char(' '));
    for (qsizetype i = 0; i + 2 < built.size(); i += 3) {
        TableVerbs::Match m;
        ASSERT_TRUE(tables.findBuilt(built[i], &m)) << built[i].toStdString();
        EXPECT_EQ(m.forms.mid(VerbTable::Ed), built.mid(i + 1, 2));
    }
    // No head before the verb, a regular verb, a past form, or a word that
    // only looks built.
    for (const char *w : {"budget", "rewalk", "rebound", "relay", "belie", "set", "xyzthink"})
        EXPECT_FALSE(tables.findBuilt(QString::fromLatin1(w))) << w;
    // The e stays where dropping it spells another verb's -ing form.
    EXPECT_EQ(tables.ingForms(QStringLiteral("singe")).first(), QLatin1String("singeing"));
    EXPECT_EQ(tables.ingForms(QStringLiteral("hinge")).first(), QLatin1String("hinging"));
    // The verb editor proposes the same, in the case typed.
    EXPECT_EQ(VerbListEditor::propose(QStringLiteral("Resell"), tables).forms,
              QStringList({"Resell", "Resells", "Reselling", "Resold", "Resold"}));
}

TEST_F(VerbsTest, TenseBoxKeepsASelectionWithoutAVerbAndTheVerbsCase)
{
    word(QStringLiteral("dog"));
    surface.select(0, 3);
    tense(true);
    EXPECT_EQ(surface.selLength(), 3);
    word(QStringLiteral("cat"));
    EXPECT_EQ(text(), QLatin1String("Cat "));

    restart();
    state.CapsMode = CapsFirstArmed;
    verbs.btnGoClick(random);
    tense(true);
    EXPECT_EQ(text(), QLatin1String("Went "));
    // Forms a verb button builds keep capitals too.
    restart();
    word(QStringLiteral("WALK"));
    verbs.suffixClick(Suffix::Ing);
    EXPECT_EQ(text(), QLatin1String("WALKING "));
}

} // namespace
