#include "compose/articles.h"
#include "engine_fixture.h"
#include "fake_dialogs.h"
#include "morph/plurals.h"

#include <QDir>

using Ex = Vocabulary::Exceptions;

namespace {

class PluralsTest : public EngineFixture
{
protected:
    Plurals &plurals = engine.plurals();

    void row(Ex list, const char *singular, const char *plural, const char *alternate = "")
    {
        vocab.exceptions(list).appendRow(QString::fromLatin1(singular), QString::fromLatin1(plural),
                                         QString::fromLatin1(alternate));
    }
    Plurals::Forms forms(const QString &w) const
    {
        return Plurals::PluralizeWord(w, vocab.exceptionLists());
    }
    QString plural(const QString &w) const { return forms(w).PluralForm; }
    void pluralize() { plurals.btnPluralizeClick(); }
};

TEST_F(PluralsTest, EndingRulesWithoutListEntries)
{
    const std::pair<const char *, const char *> cases[] = {
        {"box", "boxes"},      {"church", "churches"},
        {"bush", "bushes"},    {"gas", "gases"},
        {"class", "classes"},  {"iris", "irises"},
        {"bus", "buses"},      {"city", "cities"},
        {"day", "days"},       {"y", "ys"},
        {"knife", "knifes"},   {"leaf", "leafs"},
        {"potato", "potatos"}, {"cat", "cats"},
        {"idea", "ideas"},     {"datum", "datums"},
        {"lemon", "lemons"},   {"x", "xes"},
        {"monkey", "monkeys"}, {"i", "is"},
    };
    for (const auto &[singular, expected] : cases)
        EXPECT_EQ(plural(QString::fromLatin1(singular)), QLatin1String(expected)) << singular;
}

TEST_F(PluralsTest, ManRuleOffersAnAlternateAndCaseFollowsTheRule)
{
    const Plurals::Forms woman = forms(QStringLiteral("Woman"));
    EXPECT_EQ(woman.SingularForm, QLatin1String("woman"));
    EXPECT_EQ(woman.PluralForm, QLatin1String("women"));
    EXPECT_EQ(woman.AlternatePlural, QLatin1String("womans"));
    EXPECT_EQ(forms(QStringLiteral("man")).PluralForm, QLatin1String("men"));
    // A two-letter word cannot end in "man".
    EXPECT_EQ(plural(QStringLiteral("an")), QLatin1String("ans"));
    EXPECT_TRUE(forms(QStringLiteral("box")).AlternatePlural.isEmpty());

    // "es" and "ies" keep the word's letters; everything else is lower case.
    EXPECT_EQ(plural(QStringLiteral("BOX")), QLatin1String("BOXes"));
    EXPECT_EQ(plural(QStringLiteral("CITY")), QLatin1String("CITies"));
    EXPECT_EQ(plural(QStringLiteral("CAT")), QLatin1String("cats"));
    EXPECT_EQ(forms(QStringLiteral("Cat")).SingularForm, QLatin1String("cat"));
}

TEST_F(PluralsTest, ListRowsGiveAllThreeForms)
{
    const std::tuple<Ex, const char *, const char *, const char *> rows[] = {
        {Ex::NounUS, "cactus", "cacti", "cactuses"}, {Ex::NounON, "criterion", "criteria", ""},
        {Ex::NounF, "leaf", "leaves", ""},           {Ex::NounFE, "knife", "knives", ""},
        {Ex::NounO, "potato", "potatoes", ""},       {Ex::NounX, "ox", "oxen", ""},
        {Ex::NounY, "money", "monies", "moneys"},    {Ex::NounA, "alga", "algae", ""},
        {Ex::NounIS, "analysis", "analyses", ""},    {Ex::NounUM, "datum", "data", ""},
        {Ex::NounCH, "stomach", "stomachs", ""},     {Ex::NounChange, "child", "children", ""},
    };
    for (const auto &[list, singular, plural, alternate] : rows)
        row(list, singular, plural, alternate);
    for (const auto &[list, singular, plural, alternate] : rows) {
        const Plurals::Forms f = forms(QString::fromLatin1(singular));
        EXPECT_EQ(f.SingularForm, QLatin1String(singular));
        EXPECT_EQ(f.PluralForm, QLatin1String(plural));
        EXPECT_EQ(f.AlternatePlural, QLatin1String(alternate));
    }
    EXPECT_EQ(plural(QStringLiteral("Child")), QLatin1String("children"));
    // Entries not in the lists still follow the ending rules.
    EXPECT_EQ(plural(QStringLiteral("fox")), QLatin1String("foxes"));
    EXPECT_EQ(plural(QStringLiteral("chef")), QLatin1String("chefs"));
}

TEST_F(PluralsTest, OnlyTheListOfTheEndingIsConsulted)
{
    // A row in the wrong list, or written with capitals, never matches.
    row(Ex::NounChange, "cactus", "cacti");
    row(Ex::NounChange, "leaf", "leaves");
    row(Ex::NounUS, "Octopus", "octopi");
    EXPECT_EQ(plural(QStringLiteral("cactus")), QLatin1String("cactuses"));
    EXPECT_EQ(plural(QStringLiteral("leaf")), QLatin1String("leafs"));
    EXPECT_EQ(plural(QStringLiteral("octopus")), QLatin1String("octopuses"));
    // The first matching row wins.
    row(Ex::NounChange, "goose", "geese");
    row(Ex::NounChange, "goose", "gooses");
    EXPECT_EQ(plural(QStringLiteral("goose")), QLatin1String("geese"));
}

TEST_F(PluralsTest, CompoundsPluralizeTheirHeadAndSomeHeadsStayTheSame)
{
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"mother-in-law", "mothers-in-law", ""},
        {"passer-by", "passers-by", ""},
        {"runner-up", "runners-up", ""},
        {"man-of-war", "men-of-war", "mans-of-war"},
        {"stand-in", "stand-ins", ""},
        {"x-ray", "x-rays", ""},
        {"point of view", "points of view", ""},
        {"catfish", "catfish", "catfishes"},
        {"spacecraft", "spacecraft", ""},
        {"grandchild", "grandchildren", ""},
        {"reindeer", "reindeer", ""},
    };
    for (const auto &[singular, plural, alternate] : cases) {
        const Plurals::Forms f = forms(QString::fromLatin1(singular));
        EXPECT_EQ(f.PluralForm, QLatin1String(plural)) << singular;
        EXPECT_EQ(f.AlternatePlural, QLatin1String(alternate)) << singular;
    }
    // A compound the lists hold whole keeps its row.
    row(Ex::NounChange, "man-of-war", "men-o'-war");
    EXPECT_EQ(plural(QStringLiteral("man-of-war")), QLatin1String("men-o'-war"));
}

TEST_F(PluralsTest, AnArticleInAgreementFollowsTheNumber)
{
    row(Ex::NounX, "ox", "oxen");
    Articles articles(composition);
    word(QStringLiteral("see"));
    articles.btnAClick();
    word(QStringLiteral("ox"));
    const QStringList expected = {"See oxen ", "See an ox ", "See oxen "};
    for (const QString &e : expected) {
        pluralize();
        EXPECT_EQ(text(), e);
    }
    // At the start of a sentence the capital moves to the noun and back.
    surface.setText(QString());
    composition.resetForNewDocument();
    articles.btnAClick();
    word(QStringLiteral("box"));
    pluralize();
    EXPECT_EQ(text(), QLatin1String("Boxes "));
    pluralize();
    EXPECT_EQ(text(), QLatin1String("A box "));
    // "the" and an article chosen from its panel are left alone.
    word(QStringLiteral("and"));
    articles.aPanelClick(1);
    word(QStringLiteral("cat"));
    pluralize();
    EXPECT_EQ(text(), QLatin1String("A box and a cats "));
}

// Plural, alternate, singular, and round again; a noun without an
// alternate goes plural, singular.
TEST_F(PluralsTest, RepeatedClicksCycleTheForms)
{
    row(Ex::NounUS, "cactus", "cacti", "cactuses");
    const std::pair<const char *, QStringList> cases[] = {
        {"woman", {"The women ", "The womans ", "The woman ", "The women "}},
        {"box", {"The boxes ", "The box ", "The boxes "}},
        {"cactus", {"The cacti ", "The cactuses ", "The cactus ", "The cacti "}},
    };
    for (const auto &[noun, expected] : cases) {
        surface.setText(QString());
        composition.resetForNewDocument();
        words({"the", noun});
        for (const QString &e : expected) {
            pluralize();
            EXPECT_EQ(text(), e);
        }
        EXPECT_EQ(state.LastAction, QLatin1String("pluralize"));
    }
    EXPECT_EQ(state.CurrentWord, QLatin1String("cacti"));
    EXPECT_EQ(state.FormIndex, 2);
    // Any other insertion ends the cycle: the next click starts afresh.
    word(QStringLiteral("church"));
    pluralize();
    EXPECT_EQ(text(), QLatin1String("The cacti churches "));
}

TEST_F(PluralsTest, CapitalsOfTheWordAreKept)
{
    row(Ex::NounON, "criterion", "criteria");
    // Puts the caret right after the first occurrence of w, as a mouse would.
    auto clickAfter = [this](const char *w) {
        const QString needle = QString::fromLatin1(w);
        typed(text(), int(text().indexOf(needle) + needle.size()));
    };
    surface.setText(QStringLiteral("the Box and the BOX and Criterion and 3 "));
    clickAfter("Box");
    pluralize();
    EXPECT_EQ(text(), QLatin1String("the Boxes and the BOX and Criterion and 3 "));
    clickAfter("BOX");
    pluralize();
    EXPECT_EQ(text(), QLatin1String("the Boxes and the BOXES and Criterion and 3 "));
    // The capitals hold through the cycle.
    pluralize();
    EXPECT_EQ(text(), QLatin1String("the Boxes and the BOX and Criterion and 3 "));
    clickAfter("Criterion");
    pluralize();
    EXPECT_EQ(text(), QLatin1String("the Boxes and the BOX and Criteria and 3 "));
    // A digit is no capital letter.
    clickAfter("3");
    pluralize();
    EXPECT_EQ(text(), QLatin1String("the Boxes and the BOX and Criteria and 3s "));
}

TEST_F(PluralsTest, NoCurrentWordGivesBareSuffixAndASelectionIsPluralizedInPlace)
{
    typed(QStringLiteral("cat"));
    state.LastAction = QStringLiteral("space");
    state.CurrentWord.clear();
    pluralize();
    EXPECT_EQ(text(), QLatin1String("cats "));

    // A selected word is pluralized in place.
    typed(QStringLiteral("one box  and more"));
    surface.select(4, 5); // "box  "
    pluralize();
    EXPECT_EQ(text(), QLatin1String("one boxes and more"));
    // A selection of spaces only is no word.
    typed(QStringLiteral("cat   dog"));
    surface.select(3, 3);
    pluralize();
    EXPECT_EQ(text(), QLatin1String("cats dog"));
}

TEST_F(PluralsTest, GrabTakesTheWordBeforeTheCaret)
{
    words({"the", "church", "bell"});
    surface.setCaret(11);
    grab();
    state.LastAction = QStringLiteral("grab");
    pluralize();
    EXPECT_EQ(text(), QLatin1String("The churches bell "));
    EXPECT_FALSE(state.GrabArmed);
    EXPECT_FALSE(composition.grabLit());
}

// The exception lists that ship with the program give the right plural of
// common irregular nouns on the first click.
TEST(ShippedPluralsTest, CommonIrregularNouns)
{
    const QDir data(QStringLiteral(WORDLOOM_DATA_DIR));
    Vocabulary vocab;
    FakeDialogs dialogs;
    ASSERT_TRUE(vocab.LoadVocabulary(data.filePath(QStringLiteral("words")),
                                     data.filePath(QStringLiteral("exceptions")), dialogs))
        << dialogs.messages.join(QLatin1Char('\n')).toStdString();
    const std::pair<const char *, const char *> cases[] = {
        {"leaf", "leaves"},        {"knife", "knives"},
        {"potato", "potatoes"},    {"child", "children"},
        {"mouse", "mice"},         {"person", "people"},
        {"criterion", "criteria"}, {"cactus", "cacti"},
        {"analysis", "analyses"},  {"phenomenon", "phenomena"},
        {"woman", "women"},        {"box", "boxes"},
        {"city", "cities"},        {"wife", "wives"},
        {"tooth", "teeth"},        {"foot", "feet"},
        {"wolf", "wolves"},        {"hero", "heroes"},
        {"crisis", "crises"},      {"bacterium", "bacteria"},
        {"day", "days"},           {"church", "churches"},
        {"sheep", "sheep"},        {"goose", "geese"},
    };
    for (const auto &[singular, expected] : cases) {
        EXPECT_EQ(Plurals::PluralizeWord(QString::fromLatin1(singular), vocab.exceptionLists())
                      .PluralForm,
                  QLatin1String(expected))
            << singular;
    }
}

} // namespace
