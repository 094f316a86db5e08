#include "panels/button_hints.h"

#include "panels/verb_panel_tables.h"

#include <utility>

namespace ButtonHints {
namespace {

using Phrase = std::pair<const char *, const char *>;

// The main board's buttons that do something other than put in a word of
// their caption's kind.
constexpr Phrase kLeft[] = {
    {"btnA", "a or an, to agree with the next word"},
    {"btnThe", "insert \"the\""},
    {"btnAAdvT", "a or an, to agree with the next word"},
    {"btnNumber", "random number"},
    {"btnNoun", "random noun"},
    {"btnCustom", "random word of your own list"},
    {"btnPluralize", "make the word before the caret plural"},
    {"btnModal", "show the modal verbs, or a random one as set in preferences"},
    {"btnNot", "negate the verb before the caret"},
    {"btnBackspace", "delete the character before the caret"},
    {"btnBackspaceSuffix", "delete the character before the caret"},
    {"btnDelete", "delete the character after the caret"},
    {"btnRemove", "take back the last word, or remove the selection"},
    {"btnEnter", "start a new paragraph"},
    {"btnSpace", "insert a space"},
    {"btnCapitalize", "change the case of the word before the caret; click again for the next"},
    {"btnAddWord", "add a word of your own to this list and put it in"},
    {"btnDeleteWordPick", "delete a word: then choose it in the list"},
    {"btnEditWordPick", "change a word: then choose it in the list"},
    {"btnAccept", "save the verb's forms in the list"},
    {"btnAcceptWord", "save the word in the list"},
    {"btnDeleteVerb", "delete the verb chosen in the list"},
    {"btnDeleteWord", "delete the word chosen in the list"},
    {"btnGrab", "arm GRAB: the next button changes the word before the caret"},
    {"btnRepeatOK", "next click inserts a new word instead of cycling"},
    {"btnWordLeft", "move the caret one word left"},
    {"btnWordRight", "move the caret one word right"},
    {"btnMore", "cycle through more endings"},
    {"btnEr", "add -er to the word before the caret"},
    {"btnLy", "add -ly to the word before the caret"},
    {"btnY", "add -y to the word before the caret"},
    {"btnUnMain", "put un- in front of the word"},
    {"btnPrefix", "show the prefixes"},
    {"btnSuffix", "show the suffixes"},
    {"btnInfinitive", "put the verb before the caret in the infinitive"},
    {"btnVerb", "random verb"},
    {"btnGo", "random verb of motion"},
    {"btnSay", "random verb of saying"},
    {"btnS", "make the verb before the caret end in -s"},
    {"btnIng", "make the verb before the caret end in -ing"},
    {"btnEd", "put the verb before the caret in the past"},
    {"btnEn", "make the verb before the caret a past participle"},
    {"btnPronoun", "show the pronouns, or a random one as set in preferences"},
    {"btnPreposition", "show the prepositions, or a random one as set in preferences"},
    {"btnConjunction", "show the conjunctions, or a random one as set in preferences"},
    {"btnDegree", "show the degree words, or a random one as set in preferences"},
    {"btnPlace2", "show the place words, or a random one as set in preferences"},
    {"btnTime", "show the time words, or a random one as set in preferences"},
    {"btnGoodMain", "a good adjective; click again for another"},
    {"btnBad", "a bad adjective; click again for another"},
    {"btnOh", "insert \"oh\""},
    {"btnQuotes", "insert a double quote"},
    {"btnApostrophe", "insert an apostrophe"},
    {"btnComma", "insert a comma"},
    {"btnPeriod", "end the sentence with a full stop"},
    {"btnExclamation2", "end the sentence with an exclamation mark"},
    {"btnQuestion", "end the sentence with a question mark"},
    {"btnColon", "insert a colon"},
    {"btnSemiColon", "insert a semicolon"},
    {"btnHyphen", "insert a hyphen"},
    {"btnLeftParen", "insert an opening parenthesis"},
    {"btnRightParen", "insert a closing parenthesis"},
};

// Buttons on pMain whose caption is the word they put in, cycling through
// its other forms on a second click.
constexpr const char *kCycling[] = {"btnToMain", "btnImain",  "btnYouMain", "btnSheMain",
                                    "btnHeMain", "btnItMain", "btnHave",    "btnBe",
                                    "btnDo",     "btnGet",    "btnLet",     "btnPutMain"};

// Category buttons: a random word of the list their caption names.
constexpr const char *kCategories[] = {
    "btnAdjective", "btnInterjection", "btnManner", "btnPerson",    "btnPlant",
    "btnPlaceMain", "btnObject",       "btnEvent",  "btnCharacter", "btnAnimal",
    "btnBodyPart",  "btnSubstance",    "btnConcept"};

constexpr const char *kFormPanelOpeners[] = {"btnA", "btnThe", "btnApostrophe"};

template <class Table> const char *lookup(const Table &table, QStringView name)
{
    for (const auto &[key, phrase] : table)
        if (name == QLatin1String(key))
            return phrase;
    return nullptr;
}

template <class List> bool listed(const List &list, QStringView name)
{
    for (const char *key : list)
        if (name == QLatin1String(key))
            return true;
    return false;
}

QString rightFor(QStringView name)
{
    if (name == u"btnMore")
        return QStringLiteral("choose from the endings");
    bool opener = listed(kFormPanelOpeners, name);
    for (const VerbPanelTables::VerbPanel &panel : VerbPanelTables::verbPanels())
        opener = opener || name == QLatin1String(panel.opener);
    return opener ? QStringLiteral("choose a form") : QStringLiteral("choose from the list");
}

} // namespace

Hint hintFor(QStringView name, QStringView panel, QStringView caption, QStringView word)
{
    const QString said = (word.isEmpty() ? caption.toString() : word.toString()).trimmed();
    Hint hint;
    hint.right = rightFor(name);
    if (panel != u"pMain") {
        if (name.endsWith(u"Exit") || said.compare(u"EXIT", Qt::CaseInsensitive) == 0)
            hint.left = QStringLiteral("close this panel");
        else if (const char *phrase = lookup(kLeft, name))
            hint.left = QString::fromLatin1(phrase);
        else
            hint.left = QStringLiteral("insert \"%1\"").arg(said);
        return hint;
    }
    if (const char *phrase = lookup(kLeft, name))
        hint.left = QString::fromLatin1(phrase);
    else if (listed(kCategories, name))
        hint.left = QStringLiteral("random %1");
    else if (listed(kCycling, name))
        hint.left = QStringLiteral("insert \"%1\"; click again for its other forms");
    else
        hint.left = QStringLiteral("insert \"%1\"").arg(said);
    return hint;
}

Hint customHint(bool affix)
{
    return {affix ? QStringLiteral("add its ending or prefix") : QStringLiteral("insert its word"),
            QStringLiteral("edit it")};
}

} // namespace ButtonHints
