#include "compose/article_choice.h"
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// An insertion under tag, fresh or in place of the last span, as every
// button makes it.
void tagged(EngineDesk &t, const QString &tag, const QString &w, int replace = 0)
{
    t.composition.insert(tag, w, replace != 0);
}

TEST(InsertWord, FirstWordOfDocumentIsCapitalisedAndSpaced)
{
    EngineDesk t;
    t.word(QStringLiteral("the"));
    t.word(QStringLiteral("cat"));
    EXPECT_EQ(t.text(), QStringLiteral("The cat "));
    EXPECT_EQ(t.state.WordStart, 4);
    EXPECT_EQ(t.state.WordLength, 4);
    EXPECT_EQ(t.state.LastAction, QStringLiteral("cat"));
    EXPECT_EQ(t.state.CapsMode, CapsNone);
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
        EngineDesk t(before.remove(QLatin1Char(']')));
        if (caret >= 0)
            t.surface.setCaret(int(caret));
        if (selStart >= 0)
            t.surface.select(int(selStart), int(selEnd - selStart));
        t.state.CapsMode = k.caps;
        for (const char *step : k.steps) {
            QString w = QString::fromLatin1(step);
            const int replace = w.endsWith(QLatin1Char('!')) ? 1 : 0;
            w.chop(replace);
            const qsizetype colon = w.indexOf(QLatin1Char(':'));
            if (colon > 0)
                tagged(t, w.left(colon), w.mid(colon + 1), replace);
            else
                tagged(t, w, w, replace);
        }
        EXPECT_EQ(t.text(), QString::fromLatin1(k.expected));
    }
    // The lone hyphen is the span.
    EngineDesk hyphen(QStringLiteral("cat "));
    hyphen.state.CapsMode = CapsNone;
    hyphen.word(QStringLiteral("-"));
    EXPECT_EQ(hyphen.state.WordLength, 1);
}

TEST(InsertWord, EveryInsertionPutsOutTheIndicatorsButAnArmedGrab)
{
    EngineDesk t;
    int changes = 0;
    QObject::connect(&t.composition, &Composition::indicatorsChanged, [&] { ++changes; });
    t.composition.setIndicators(true, true);
    t.word(QStringLiteral("cat"));
    EXPECT_FALSE(t.composition.repeatLit());
    EXPECT_FALSE(t.composition.grabLit());
    EXPECT_EQ(changes, 2);
    // GRAB kept armed across an insertion keeps its light.
    t.state.GrabArmed = true;
    t.composition.setIndicators(true, true);
    t.word(QStringLiteral("dog"));
    EXPECT_FALSE(t.composition.repeatLit());
    EXPECT_TRUE(t.composition.grabLit());
}

TEST(ArticleAgreement, AnBeforeConsonantLosesItsNAndAReplacedWordAgreesAfresh)
{
    EngineDesk t(QStringLiteral("An "));
    t.state.CapsMode = CapsNone;
    t.state.ArticleState = ArticleArmed;
    t.state.ArticleWord = QStringLiteral("an");
    t.word(QStringLiteral("pear"));
    EXPECT_EQ(t.text(), QStringLiteral("A pear "));
    EXPECT_EQ(t.state.WordStart, 2);
    EXPECT_EQ(t.state.ArticleWord, QStringLiteral("a"));

    // A replaced word agrees afresh with its article.
    EngineDesk replaced(QStringLiteral("a "));
    replaced.state.CapsMode = CapsNone;
    replaced.state.ArticleState = ArticleArmed;
    replaced.state.ArticleWord = QStringLiteral("a");
    tagged(replaced, QStringLiteral("noun"), QStringLiteral("owl"));
    EXPECT_EQ(replaced.text(), QStringLiteral("an owl "));
    tagged(replaced, QStringLiteral("noun"), QStringLiteral("cat"), 1);
    EXPECT_EQ(replaced.text(), QStringLiteral("a cat "));
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
    EngineDesk t(QStringLiteral("cat  \n "));
    EXPECT_EQ(t.composition.TrimSpaceBeforeCaret(), 3);
    EXPECT_EQ(t.text(), QStringLiteral("cat"));

    EngineDesk spaces(QStringLiteral("   "));
    EXPECT_EQ(spaces.composition.TrimSpaceBeforeCaret(), 0);
    EXPECT_EQ(spaces.text(), QString());

    EngineDesk leadingBreak(QStringLiteral("\n  "));
    EXPECT_EQ(leadingBreak.composition.TrimSpaceBeforeCaret(), 1);
    EXPECT_EQ(leadingBreak.text(), QStringLiteral("\n"));
}

TEST(FindWordBeforeCaret, CapturesWordOrMarkAfterACaretMoveWithinTheText)
{
    EngineDesk t(QStringLiteral("the old dog  "));
    t.state.LastAction = kMouseClick;
    t.composition.FindWordBeforeCaret();
    EXPECT_EQ(t.state.CurrentWord, QStringLiteral("dog"));
    EXPECT_EQ(t.state.WordStart, 8);
    EXPECT_EQ(t.surface.caret(), 13);

    EngineDesk mark(QStringLiteral("it ended.  "));
    mark.state.LastAction = kMouseClick;
    mark.composition.FindWordBeforeCaret();
    EXPECT_EQ(mark.state.CurrentWord, QStringLiteral(".  "));

    EngineDesk quoted(QStringLiteral("said \"hello"));
    quoted.state.LastAction = kMouseClick;
    quoted.composition.FindWordBeforeCaret();
    EXPECT_EQ(quoted.state.CurrentWord, QStringLiteral("hello"));

    EngineDesk notAfterWord(QStringLiteral("cat "));
    notAfterWord.state.LastAction = QStringLiteral("cat");
    notAfterWord.state.CurrentWord = QStringLiteral("keep");
    notAfterWord.composition.FindWordBeforeCaret();
    EXPECT_EQ(notAfterWord.state.CurrentWord, QStringLiteral("keep"));

    // The span never leaves the text.
    EngineDesk one(QStringLiteral("I"));
    one.state.LastAction = kMouseClick;
    one.composition.FindWordBeforeCaret();
    EXPECT_EQ(one.state.WordStart, 0);
    EXPECT_EQ(one.state.WordLength, 1);
    EXPECT_EQ(one.state.CurrentWord, QStringLiteral("I"));

    EngineDesk empty;
    empty.state.LastAction = kMouseClick;
    empty.composition.FindWordBeforeCaret();
    EXPECT_EQ(empty.state.WordStart, 0);
    EXPECT_EQ(empty.state.WordLength, 0);
}

TEST(ReadContextBeforeCaret, DeletesSpanDerivesCapitalAndArticleAndSpacesAfterAWord)
{
    EngineDesk t(QStringLiteral("End. a dog "));
    t.state.WordStart = 7;
    t.state.WordLength = 4;
    t.composition.ReadContextBeforeCaret();
    EXPECT_EQ(t.text(), QStringLiteral("End. a "));
    EXPECT_EQ(t.state.ArticleState, ArticleArmed);
    EXPECT_EQ(t.state.ArticleWord, QStringLiteral("a"));
    EXPECT_EQ(t.state.CapsMode, CapsNone);

    EngineDesk stop(QStringLiteral("Done. Cat "));
    stop.state.WordStart = 6;
    stop.state.WordLength = 4;
    stop.composition.ReadContextBeforeCaret();
    EXPECT_EQ(stop.state.CapsMode, CapsFirstArmed);

    EngineDesk an(QStringLiteral("an ox"));
    an.state.WordStart = 3;
    an.state.WordLength = 2;
    an.composition.ReadContextBeforeCaret();
    EXPECT_EQ(an.state.ArticleWord, QStringLiteral("an"));

    // A space goes after a word the span followed.
    EngineDesk joined(QStringLiteral("catdog"));
    joined.state.WordStart = 3;
    joined.state.WordLength = 3;
    joined.composition.ReadContextBeforeCaret();
    EXPECT_EQ(joined.text(), QStringLiteral("cat "));
    EXPECT_EQ(joined.surface.caret(), 4);
    EXPECT_EQ(joined.state.WordStart, 4);

    EngineDesk all(QStringLiteral("dog"));
    all.state.WordStart = 0;
    all.state.WordLength = 3;
    all.state.CapsMode = CapsNone;
    all.composition.ReadContextBeforeCaret();
    EXPECT_EQ(all.text(), QString());
    EXPECT_EQ(all.state.CapsMode, CapsFirstArmed);
}

} // namespace
