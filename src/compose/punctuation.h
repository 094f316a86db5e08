#pragma once

class Composition;
class QString;

// The punctuation buttons: marks joined to the word before or after them,
// sentence ends that arm a capital, cycles of related forms on repeated
// clicks, and selections wrapped in quotes or parentheses.
class Punctuation
{
public:
    explicit Punctuation(Composition &composition);

    void btnPeriodClick();
    void btnExclamationPtClick();
    void btnQuestionClick();
    void btnCommaClick();
    void btnColonClick();
    void btnSemiColonClick();
    void btnHyphenClick();
    void btnQuotesClick();
    void btnApostropheClick();
    void btnLeftParenClick();
    void btnRightParenClick();

    // A button of the apostrophe sub-panel, by its place in the apostrophe
    // cycle (1 "-'s" ... 8 "'-").
    void apostrophePanelClick(int formIndex);

    static constexpr int kQuoteForms = 5;
    static constexpr int kApostropheForms = 8;
    // The texts given to InsertWord, by form number from 1.
    static QString quoteForm(int formIndex);
    static QString apostropheForm(int formIndex);
    static QString hyphenForm(int formIndex);

private:
    void sentenceMark(const char *tag, const char *text, const char *current, bool armsCapital);
    void separator(const char *tag, const char *text);
    // Puts open before and close after the selection; the caret goes past
    // the closing mark and the space after it.
    void wrapSelection(const QString &open, const QString &close);

    Composition &m_c;
};
