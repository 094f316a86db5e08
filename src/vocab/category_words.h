#pragma once

#include "compose/composition.h"
#include "compose/random_source.h"
#include "vocabulary.h"

#include <QString>
#include <optional>
#include <span>

// The category buttons' rules: a word drawn at random from the button's
// list, and on a repeated click a different word in its place; "good" first
// for btnGoodMain; numbers after an article from their own list; a noun
// from any noun list; and "oh".
//
// Only the text and the composition state change here; the caller shows
// panels. A draw from an empty list inserts nothing.
class CategoryWords
{
public:
    // A button that draws from one list.
    struct Category
    {
        const char *button;
        const char *tag;
        Vocabulary::List list;
    };
    // Every button of the board whose left click draws from one list
    // (btnNumber and btnNoun choose their list per click).
    static std::span<const Category> categories();
    // The list behind a tag of the category and pick-list buttons ("anumber"
    // for the numbers after an article, "right" for the right-hand column,
    // "verb", "go" and "say" for the verb tables); nothing for other tags.
    static std::optional<Vocabulary::List> listForTag(const QString &tag);

    CategoryWords(Composition &composition, Vocabulary &vocabulary);

    // How the first click of a run picks its row.
    enum class First { Random, Good };
    // How the click treats GrabArmed: the adverb buttons clear it on every
    // click, the others only on a first click.
    enum class Grab { ClearOnFirstClick, ClearAlways };

    // A category button: returns false when the list is empty (nothing
    // inserted).
    bool categoryClick(const QString &tag, const WordList &list, RandomSource &random,
                       First first = First::Random, Grab grab = Grab::ClearOnFirstClick);
    // btnNumber: the number list, or after an article the list of words that
    // follow one ("a dozen"); tag "number" either way.
    bool numberClick(RandomSource &random);
    // The list and tag a right click on btnNumber offers.
    Vocabulary::List numberList() const;
    QString numberPickTag() const;
    // btnNoun: a word of one of the ten noun lists (never the custom one),
    // with no re-draw on a repeated click.
    bool nounClick(RandomSource &random);
    static Vocabulary::List nounList(int k);
    // btnOh.
    void ohClick();

private:
    void insert(const QString &tag, const QString &word, int index);

    Composition &m_composition;
    Vocabulary &m_vocabulary;
};
