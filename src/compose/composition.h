#pragma once

#include "article_choice.h"
#include "composition_state.h"
#include "text_surface.h"

#include <QObject>
#include <initializer_list>

// The composition engine: the state shared by every button and the routines
// that put words into the text around the caret. It works on a TextSurface,
// so the same rules run on the editor and on an in-memory text.
class Composition : public QObject
{
    Q_OBJECT
public:
    explicit Composition(TextSurface *surface, QObject *parent = nullptr);

    TextSurface &surface() { return *m_surface; }
    const TextSurface &surface() const { return *m_surface; }
    void setSurface(TextSurface *surface) { m_surface = surface; }

    // The user's exceptions to the article's letter rule, which "a" before a
    // word consults; none (the rule alone) until set. Not owned.
    const ArticleExceptions &articleExceptions() const;
    void setArticleExceptions(const ArticleExceptions *exceptions) { m_articles = exceptions; }

    CompositionState state;

    // Puts word at the caret (ReplaceMode 0) or in place of the last span
    // (ReplaceMode 1), with spacing, capitals and article agreement. A word
    // ending in "-" is a prefix, one starting with "-" joins the text before.
    void InsertWord(const QString &word);
    // One insertion as every button makes it: text goes in under tag (the
    // button's own, which a repeated click compares with LastAction), fresh
    // at the caret or in place of the last span, and becomes CurrentWord. The
    // form without replace keeps the ReplaceMode the caller has decided.
    void insert(const QString &tag, const QString &text, bool replace);
    void insert(const QString &tag, const QString &text);
    // Captures the selection, or after a caret move the word or mark before
    // the caret, into CurrentWord/WordStart/WordLength.
    void FindWordBeforeCaret();
    // Captures the selection alone into CurrentWord/WordStart/WordLength;
    // false, with nothing changed, when there is none.
    bool captureSelection();
    // Deletes the last span (or the selection), normalises the spacing at the
    // caret and derives capitals and article agreement from the text before.
    void ReadContextBeforeCaret();
    // Deletes spaces and line breaks before the caret; returns the new caret.
    int TrimSpaceBeforeCaret();

    // The state a new document starts with: the first word gets a capital.
    void resetForNewDocument();

    // The user typed text that ends at the caret: a word, or a mark that
    // ends one ("word."). The next word inserted there is a word of its own
    // and gets a space before it. Any other key, a click in the text or an
    // insertion forgets it.
    void noteTypedBeforeCaret(bool typed);
    bool typedBeforeCaret() const { return m_typedEnd >= 0; }
    // A typed word ending at end was ended (by a space, a mark or the next
    // insertion): an "a" or "an" standing before it agrees with it.
    void agreeArticleWithTyped(int end);
    // An "a" or "an" standing before the caret, typed or clicked, is armed
    // to agree with the next word inserted.
    void readArticleBeforeCaret();

    // The "Repeat OK" and "GRAB" indicators: lit (maroon) or idle (black).
    bool repeatLit() const { return m_repeatLit; }
    bool grabLit() const { return m_grabLit; }
    void setIndicators(bool repeatLit, bool grabLit);

Q_SIGNALS:
    void indicatorsChanged();
    // InsertWord put word in (as given: "-. " for a full stop), the caret
    // now after it. Speech follows the text through it.
    void wordInserted(const QString &word);

private:
    // The steps of InsertWord, in order: the capitals a pending mode asks
    // for, "a" or "an" before the word, prefixes and suffixes joined with
    // the spacing they need, and the text put in place of the span.
    QString withCapitals(const QString &word);
    void agreeArticle(const QString &word);
    QString joinAffixes(QString w);
    void putText(const QString &text);
    // Ends the text the user typed before the caret, if any: the article
    // before it agrees, and a word inserted at the caret stands apart.
    void endTypedText(const QString &word);

    TextSurface *m_surface;
    const ArticleExceptions *m_articles = nullptr;
    bool m_repeatLit = false;
    bool m_grabLit = false;
    int m_typedEnd = -1; // where typed text ends, or -1
};

// Text helpers shared by the composition rules. Case changes touch only the
// ASCII letters.
namespace TextRules {
QString upperAscii(const QString &s);
QString lowerAscii(const QString &s);
QChar upperAscii(QChar c);
QChar lowerAscii(QChar c);
bool isSentenceEnd(QChar c);
// One of the letters a, e, i, o, u, in either case.
bool isVowel(QChar c);
bool isOneOf(const QString &s, std::initializer_list<const char *> list);
// A letter, a digit, or an apostrophe or hyphen as words hold them.
bool isWordChar(QChar c);
// The nearest position before pos holding something other than a space, or
// -1 when there is none.
int lastNonSpaceBefore(const TextSurface &surface, int pos);
} // namespace TextRules
