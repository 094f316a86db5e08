#include "compose/article_choice.h"
#include "compose/composition.h"
#include "compose/memory_surface.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A composition over an in-memory text, with the fixed-word button shape.
struct Composer
{
    MemorySurface text;
    Composition c{&text};

    explicit Composer(const QString &initial = QString())
        : text(initial)
    {
        c.resetForNewDocument();
        text.setCaret(text.length());
    }
    void word(const QString &w, int replace = 0)
    {
        c.state.ActionTag = w;
        c.state.ReplaceMode = replace;
        c.InsertWord(w);
        c.state.CurrentWord = c.state.LastAction;
    }
    void tagged(const QString &tag, const QString &w, int replace = 0)
    {
        c.state.ActionTag = tag;
        c.state.ReplaceMode = replace;
        c.InsertWord(w);
        c.state.CurrentWord = w;
    }
    QString str() const { return text.text(); }
};

TEST(InsertWord, FirstWordOfDocumentIsCapitalisedAndSpaced)
{
    Composer t;
    t.word(QStringLiteral("the"));
    t.word(QStringLiteral("cat"));
    EXPECT_EQ(t.str(), QStringLiteral("The cat "));
    EXPECT_EQ(t.c.state.WordStart, 4);
    EXPECT_EQ(t.c.state.WordLength, 4);
    EXPECT_EQ(t.c.state.LastAction, QStringLiteral("cat"));
    EXPECT_EQ(t.c.state.CapsMode, CapsNone);
}

// Spacing, joining and capitals of insertions. In the text before, "|" is
// the caret and "[...]" a selection (else the caret is at the end); a step
// "tag:word" is tagged, "!" after it replaces the last span, and a bare word
// is a fixed word tagged by itself.
TEST(InsertWord, SpacingJoiningAndCapitals)
{
    struct Case
    {
        const char *before;
        int caps;
        std::vector<const char *> steps;
        const char *expected;
    };
    const Case cases[] = {
        {"", CapsFirstArmed, {"a", "the", "the:that!"}, "A that "},
        {"", CapsFirstArmed, {"un-", "kind", "-ness"}, "Unkindness "},
        {"cat ", CapsNone, {"-"}, "cat "},             // a single hyphen is a suffix
        {"big| dog", CapsNone, {"red"}, "bigred dog"}, // the space at the caret is taken
        {"", CapsFirstArmed, {"quote:\"-", "hello", "there"}, "\"Hello there "},
        {"", CapsAllArmed, {"box", "pluralize:boxes!", "and"}, "BOXES and "},
        {"", CapsFirstArmed, {"quick", "-ly:quickly!", "ran"}, "Quickly ran "},
        {"well ", CapsNone, {"hyphen:x", "hyphen:-"}, "well x"},
        {"the [big] dog", CapsNone, {"small"}, "the small dog"},
        {"x", CapsNone, {""}, "x "},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.expected);
        QString before = QString::fromLatin1(k.before);
        const qsizetype caret = before.indexOf(QLatin1Char('|'));
        const qsizetype selStart = before.indexOf(QLatin1Char('['));
        before.remove(QLatin1Char('|'));
        const qsizetype selEnd = before.remove(QLatin1Char('[')).indexOf(QLatin1Char(']'));
        Composer t(before.remove(QLatin1Char(']')));
        if (caret >= 0)
            t.text.setCaret(int(caret));
        if (selStart >= 0)
            t.text.select(int(selStart), int(selEnd - selStart));
        t.c.state.CapsMode = k.caps;
        for (const char *step : k.steps) {
            QString w = QString::fromLatin1(step);
            const int replace = w.endsWith(QLatin1Char('!')) ? 1 : 0;
            w.chop(replace);
            const qsizetype colon = w.indexOf(QLatin1Char(':'));
            if (colon > 0)
                t.tagged(w.left(colon), w.mid(colon + 1), replace);
            else
                t.word(w, replace);
        }
        EXPECT_EQ(t.str(), QString::fromLatin1(k.expected));
    }
    // The lone hyphen is the span.
    Composer hyphen(QStringLiteral("cat "));
    hyphen.c.state.CapsMode = CapsNone;
    hyphen.word(QStringLiteral("-"));
    EXPECT_EQ(hyphen.c.state.WordLength, 1);
}

TEST(InsertWord, EveryInsertionPutsOutTheIndicatorsButAnArmedGrab)
{
    Composer t;
    int changes = 0;
    QObject::connect(&t.c, &Composition::indicatorsChanged, [&] { ++changes; });
    t.c.setIndicators(true, true);
    t.word(QStringLiteral("cat"));
    EXPECT_FALSE(t.c.repeatLit());
    EXPECT_FALSE(t.c.grabLit());
    EXPECT_EQ(changes, 2);
    // GRAB kept armed across an insertion keeps its light.
    t.c.state.GrabArmed = true;
    t.c.setIndicators(true, true);
    t.word(QStringLiteral("dog"));
    EXPECT_FALSE(t.c.repeatLit());
    EXPECT_TRUE(t.c.grabLit());
}

TEST(ArticleAgreement, AnBeforeConsonantLosesItsNAndAReplacedWordAgreesAfresh)
{
    Composer t(QStringLiteral("An "));
    t.c.state.CapsMode = CapsNone;
    t.c.state.ArticleState = ArticleArmed;
    t.c.state.ArticleWord = QStringLiteral("an");
    t.word(QStringLiteral("pear"));
    EXPECT_EQ(t.str(), QStringLiteral("A pear "));
    EXPECT_EQ(t.c.state.WordStart, 2);
    EXPECT_EQ(t.c.state.ArticleWord, QStringLiteral("a"));

    // A replaced word agrees afresh with its article.
    Composer replaced(QStringLiteral("a "));
    replaced.c.state.CapsMode = CapsNone;
    replaced.c.state.ArticleState = ArticleArmed;
    replaced.c.state.ArticleWord = QStringLiteral("a");
    replaced.tagged(QStringLiteral("noun"), QStringLiteral("owl"));
    EXPECT_EQ(replaced.str(), QStringLiteral("an owl "));
    replaced.tagged(QStringLiteral("noun"), QStringLiteral("cat"), 1);
    EXPECT_EQ(replaced.str(), QStringLiteral("a cat "));
}

TEST(ChooseArticle, SoundRulesAndExceptions)
{
    // The letter rule alone, as without an exception file.
    const ArticleExceptions none;
    for (const char *w : {"hour", "heir", "herb", "honest", "homage", "honour", "honor", "HIV",
                          "egg", "umbrella", "under", "up", "apple", "ink", "owl"})
        EXPECT_TRUE(ChooseArticle(QString::fromLatin1(w), none)) << w;
    for (const char *w :
         {"house", "hotel",   "her",     "hiv",       "euro",  "eulogy",     "unicorn", "use",
          "usual", "utensil", "uranium", "unanimous", "unary", "ubiquitous", "UFO",     "UK",
          "one",   "ONE",     "7up",     "\"apple",   "",      "cat"})
        EXPECT_FALSE(ChooseArticle(QString::fromLatin1(w), none)) << w;
}

TEST(ChooseArticle, InitialismsAndTheExceptionList)
{
    ArticleExceptions list;
    list.load({"# letters and numbers", "x an", "u a", "f an", "8* an", "11 an", "18## an",
               "unin* an", "once a", "NATO a", "SIM a", "bad line here", "oops the"});
    const std::pair<const char *, bool> cases[] = {
        {"FBI", true},        {"MBA", true},    {"MBAs", true},  {"FBI's", true},
        {"UFO", false},       {"URL", false},   {"HTML", true},  {"NASA", false},
        {"NIMBY", false},     {"NATO", false},  {"x-ray", true}, {"X", true},
        {"u-turn", false},    {"f-stop", true}, {"fun", false},  {"8", true},
        {"80", true},         {"8th", true},    {"11", true},    {"11th", true},
        {"110", false},       {"1800s", true},  {"1,800", true}, {"180", false},
        {"1", false},         {"100", false},   {"once", false}, {"uninformed", true},
        {"Uninformed", true}, {"SIM", false},   {"sim", false},  {"McDonald", false},
        {"apple", true},      {"Nato", false},
    };
    for (const auto &[w, an] : cases)
        EXPECT_EQ(ChooseArticle(QString::fromLatin1(w), list), an) << w;
    // An amount is read by its number; an initialism spelt out by its first
    // letter's name, one said as a word by its sound.
    for (const char *w : {"$8", "$80", "LAPD", "LED", "OPEC", "NCAA"})
        EXPECT_TRUE(ChooseArticle(QString::fromLatin1(w), list)) << w;
    for (const char *w : {"$1", "$", "UCLA", "USDA", "UEFA", "NAFTA"})
        EXPECT_FALSE(ChooseArticle(QString::fromLatin1(w), list)) << w;
    // "NATO" is listed as written: the entry is case-sensitive; lower-case
    // entries match in any case.
    EXPECT_EQ(list.lookUp(QStringLiteral("Nato")), -1);
    EXPECT_EQ(list.lookUp(QStringLiteral("ONCE")), 0);
}

TEST(TrimSpaceBeforeCaret, RemovesSpacesAndLineBreaks)
{
    Composer t(QStringLiteral("cat  \n "));
    EXPECT_EQ(t.c.TrimSpaceBeforeCaret(), 3);
    EXPECT_EQ(t.str(), QStringLiteral("cat"));

    Composer spaces(QStringLiteral("   "));
    EXPECT_EQ(spaces.c.TrimSpaceBeforeCaret(), 0);
    EXPECT_EQ(spaces.str(), QString());

    Composer leadingBreak(QStringLiteral("\n  "));
    EXPECT_EQ(leadingBreak.c.TrimSpaceBeforeCaret(), 1);
    EXPECT_EQ(leadingBreak.str(), QStringLiteral("\n"));
}

TEST(FindWordBeforeCaret, CapturesWordOrMarkAfterACaretMoveWithinTheText)
{
    Composer t(QStringLiteral("the old dog  "));
    t.c.state.LastAction = QStringLiteral("mouseclick");
    t.c.FindWordBeforeCaret();
    EXPECT_EQ(t.c.state.CurrentWord, QStringLiteral("dog"));
    EXPECT_EQ(t.c.state.WordStart, 8);
    EXPECT_EQ(t.text.caret(), 13);

    Composer mark(QStringLiteral("it ended.  "));
    mark.c.state.LastAction = QStringLiteral("mouseclick");
    mark.c.FindWordBeforeCaret();
    EXPECT_EQ(mark.c.state.CurrentWord, QStringLiteral(".  "));

    Composer quoted(QStringLiteral("said \"hello"));
    quoted.c.state.LastAction = QStringLiteral("mouseclick");
    quoted.c.FindWordBeforeCaret();
    EXPECT_EQ(quoted.c.state.CurrentWord, QStringLiteral("hello"));

    Composer notAfterWord(QStringLiteral("cat "));
    notAfterWord.c.state.LastAction = QStringLiteral("cat");
    notAfterWord.c.state.CurrentWord = QStringLiteral("keep");
    notAfterWord.c.FindWordBeforeCaret();
    EXPECT_EQ(notAfterWord.c.state.CurrentWord, QStringLiteral("keep"));

    // The span never leaves the text.
    Composer one(QStringLiteral("I"));
    one.c.state.LastAction = QStringLiteral("mouseclick");
    one.c.FindWordBeforeCaret();
    EXPECT_EQ(one.c.state.WordStart, 0);
    EXPECT_EQ(one.c.state.WordLength, 1);
    EXPECT_EQ(one.c.state.CurrentWord, QStringLiteral("I"));

    Composer empty;
    empty.c.state.LastAction = QStringLiteral("mouseclick");
    empty.c.FindWordBeforeCaret();
    EXPECT_EQ(empty.c.state.WordStart, 0);
    EXPECT_EQ(empty.c.state.WordLength, 0);
}

TEST(ReadContextBeforeCaret, DeletesSpanDerivesCapitalAndArticleAndSpacesAfterAWord)
{
    Composer t(QStringLiteral("End. a dog "));
    t.c.state.WordStart = 7;
    t.c.state.WordLength = 4;
    t.c.ReadContextBeforeCaret();
    EXPECT_EQ(t.str(), QStringLiteral("End. a "));
    EXPECT_EQ(t.c.state.ArticleState, ArticleArmed);
    EXPECT_EQ(t.c.state.ArticleWord, QStringLiteral("a"));
    EXPECT_EQ(t.c.state.CapsMode, CapsNone);

    Composer stop(QStringLiteral("Done. Cat "));
    stop.c.state.WordStart = 6;
    stop.c.state.WordLength = 4;
    stop.c.ReadContextBeforeCaret();
    EXPECT_EQ(stop.c.state.CapsMode, CapsFirstArmed);

    Composer an(QStringLiteral("an ox"));
    an.c.state.WordStart = 3;
    an.c.state.WordLength = 2;
    an.c.ReadContextBeforeCaret();
    EXPECT_EQ(an.c.state.ArticleWord, QStringLiteral("an"));

    // A space goes after a word the span followed.
    Composer joined(QStringLiteral("catdog"));
    joined.c.state.WordStart = 3;
    joined.c.state.WordLength = 3;
    joined.c.ReadContextBeforeCaret();
    EXPECT_EQ(joined.str(), QStringLiteral("cat "));
    EXPECT_EQ(joined.text.caret(), 4);
    EXPECT_EQ(joined.c.state.WordStart, 4);

    Composer all(QStringLiteral("dog"));
    all.c.state.WordStart = 0;
    all.c.state.WordLength = 3;
    all.c.state.CapsMode = CapsNone;
    all.c.ReadContextBeforeCaret();
    EXPECT_EQ(all.str(), QString());
    EXPECT_EQ(all.c.state.CapsMode, CapsFirstArmed);
}

} // namespace
