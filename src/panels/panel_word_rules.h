#pragma once

#include "compose/composition.h"
#include "compose/random_source.h"
#include "panels/word_button_desc.h"

#include <QString>
#include <QStringList>

// The rules of the word panels' buttons and of the category buttons that
// call them up: fixed words, the "-one" ending, random words drawn from a
// category list, and the custom buttons whose caption is the user's word.
//
// Only text and composition state change here; the caller shows and hides
// the panels and edits captions.
class PanelWordRules
{
public:
    // When a random category click clears GrabArmed.
    enum class GrabClear { Always, OnFirstClick };

    explicit PanelWordRules(Composition &composition);

    // What a table button inserts and the tag it sets.
    static QString insertedText(const WordButtonDesc &desc);
    static QString tagOf(const WordButtonDesc &desc);

    // A fixed word button: ActionTag := tag, a fresh insertion (unless
    // keepReplaceMode), CurrentWord := LastAction.
    void fixedWordClick(const QString &text, const QString &tag, bool keepReplaceMode = false);
    // "-one": after "no" it is the word "one" ("no one"), otherwise it joins
    // the stem before it ("anyone").
    static QString oneEnding(const QString &lastAction);
    void oneEndingClick(bool keepReplaceMode);

    // A category button whose panel is to be shown: a pick from the panel
    // replaces a word of this category inserted just before.
    void categoryPanelClick(const QString &tag);
    // A category button that inserts a random word of list; a repeated click
    // replaces it with a different one. Returns false (nothing inserted) when
    // the list is empty.
    bool categoryRandomClick(const QString &tag, const QStringList &list, RandomSource &random,
                             GrabClear grab = GrabClear::Always);
    // Left click on a custom button: false (nothing inserted, its panel
    // stays up) when the caption is empty.
    bool customClick(const QString &caption);
    // After the "Edit Custom Button" dialog: the word entered is inserted at
    // once, in place of a word the category button put up for replacing.
    void customEdited(const QString &text);

private:
    Composition &m_composition;
};
