#pragma once

#include "compose/composition.h"

#include <QString>

#include <array>

// Degree and derivation: the "-er", "-ly" and "-y" buttons that turn the
// current word into another form and cycle through the alternatives on
// repeated clicks, the prefix and suffix panels, and the "more" sub-panel.
//
// Every handler changes only the text and the composition state; the caller
// does what is visible: hiding pPrefix after fixedPrefixClick, pSuffix after
// fixedSuffixClick and btnExitSuffixClick, pMore after moreItemClick, and
// showing pSuffix after btnSuffixClick. Opening pPrefix changes no state: a
// GRAB that is armed stays armed, so the prefix chosen next acts on the word
// before the caret. btnUnMain and the custom prefix buttons use
// fixedPrefixClick with their prefix.
class Derivation
{
public:
    // Base, comparative, superlative and the alternates (empty when the
    // word has none).
    struct DegreeForms
    {
        QString base;
        QString comparative;
        QString superlative;
        QString altComparative;
        QString altSuperlative;

        bool hasAlternates() const { return !altComparative.isEmpty(); }
        // 1 base .. 5 alternate superlative.
        QString form(int number) const;
    };
    // Form 1 the word itself, form 2 the first suggestion, form 3 the
    // alternative (may be empty).
    using ThreeForms = std::array<QString, 3>;

    explicit Derivation(Composition &composition);

    // The degree forms of word; an empty word gives the bare suffixes.
    static DegreeForms comparativeForms(const QString &word);
    static ThreeForms lyForms(const QString &word);
    // The "ter"/"tor" rule ("wintry") needs a word of more than three letters.
    static ThreeForms yForms(const QString &word);

    // Works out the degree forms of CurrentWord and keeps them.
    void ComparativeForm();
    const DegreeForms &degreeForms() const { return m_degree; }

    void btnErClick();
    void btnLyClick();
    void btnYClick();

    // Puts a prefix ("anti-") in front of the word inserted last, or at the
    // caret when there is no word to attach to. The caller sets ActionTag.
    void InsertPrefix(const QString &text);
    // A prefix button of pPrefix, btnUnMain or a custom prefix button.
    void fixedPrefixClick(const QString &prefix);
    // A suffix button of pSuffix: the suffix ("-ness") joins the text before
    // the caret.
    void fixedSuffixClick(const QString &suffix);
    // Opening pSuffix sets the last span aside so a suffix joins the text
    // before the caret instead of replacing it; leaving by EXIT restores it.
    void btnSuffixClick();
    void btnExitSuffixClick();
    // An item of pMore: "more" 1, "most" 2, "less" 3, "least" 4.
    void moreItemClick(const QString &word, int number);

private:
    Composition &m_composition;
    DegreeForms m_degree;
    ThreeForms m_lyForms;
    ThreeForms m_yForms;
    int m_keptWordLength = 0;
};
