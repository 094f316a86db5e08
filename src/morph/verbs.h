#pragma once

#include "compose/composition.h"
#include "compose/random_source.h"
#include "vocab/verb_table.h"

#include <QString>

#include <array>
#include <functional>

// Verb forms and tense: which form the next verb needs, the helping-verb
// buttons, the verb buttons that draw from the verb tables, the suffix
// buttons that re-form the current word, the infinitive button, the tense
// box and the picks of the pronoun and helping-verb panels.
//
// Every handler changes only the text and the composition state; the caller
// hides the panel an item came from and keeps the tense box and the tense
// setting in step (the rule asks pastTense for the setting as it stands at
// each click).
class Verbs
{
public:
    enum class Helper { Have, Be, Do, Get, Let, Put };
    enum class Suffix { S, Ing, Ed, En };
    // Form 1 the word as it was, form 2 the first suggestion, form 3 the
    // alternative.
    using SuffixForms = std::array<QString, 3>;

    Verbs(Composition &composition, const VerbTable &verbs, const VerbTable &goVerbs,
          const VerbTable &sayVerbs, std::function<bool()> pastTense);

    // The form (1 base .. 5 past participle) a verb takes after lastAction
    // and currentWord.
    static int ChooseVerbForm(const QString &lastAction, const QString &currentWord,
                              bool pastTense);
    // Sets VerbForm from the composition state and the tense setting.
    void ChooseVerbForm();

    // btnHave, btnBe, btnDo, btnGet, btnLet, btnPutMain.
    void helperClick(Helper helper);

    // btnVerb, btnGo, btnSay: a row drawn at random, never the same row twice
    // in a row when the list has two or more. An empty list inserts nothing.
    void btnVerbClick(RandomSource &random);
    void btnGoClick(RandomSource &random);
    void btnSayClick(RandomSource &random);

    // btnS, btnIng, btnEd, btnEn.
    void suffixClick(Suffix suffix);
    // The rule-built forms of word for a suffix button.
    static SuffixForms suffixForms(Suffix suffix, const QString &word);
    const SuffixForms &lastSuffixForms(Suffix suffix) const { return m_suffixForms[int(suffix)]; }

    void btnInfinitiveClick();

    // The tense setting has just changed: re-forms the verb inserted last.
    void cbTenseChange();

    // An item of a pronoun or helping-verb panel: text inserted with the
    // panel's tag; number is the item's form number.
    void subPanelItemClick(const QString &tag, const QString &text, int number);

private:
    enum class ListVerb { Verb, Go, Say };

    void listVerbClick(ListVerb which, RandomSource &random);
    const VerbTable &table(ListVerb which) const;
    // The five forms of the verb inserted last by a list-driven button (tag
    // "go", "say" or "verb"), or an empty list when its row is unknown.
    QStringList listVerbRow(const QString &tag) const;
    // Looks word up, without regard to case, in every column of the three
    // tables; on success gives the verb's five forms, the tag of its table
    // and its row.
    bool findInTables(const QString &word, QStringList *forms, QString *tag = nullptr,
                      int *row = nullptr) const;
    // Inserts text in place of the current word. A contraction ("-'ve") is
    // joined to the word before it, and a word replacing one stands apart
    // again: the old span goes first and spacing is worked out afresh.
    void insertReplacing(const QString &text);
    // The word before the verb's span is "I", "you", "we" or "they".
    bool subjectTakesBaseForm() const;
    QString wordBeforeSpan() const;

    Composition &m_composition;
    const VerbTable &m_verbs;
    const VerbTable &m_goVerbs;
    const VerbTable &m_sayVerbs;
    std::function<bool()> m_pastTense;
    std::array<SuffixForms, 4> m_suffixForms;
};
