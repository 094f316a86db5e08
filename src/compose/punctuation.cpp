#include "punctuation.h"

#include "composition.h"

#include <algorithm>

namespace {

QString tag(const char *s)
{
    return QString::fromLatin1(s);
}

int nextForm(int formIndex, int count)
{
    return formIndex >= count || formIndex < 1 ? 1 : formIndex + 1;
}

} // namespace

Punctuation::Punctuation(Composition &composition)
    : m_c(composition)
{}

QString Punctuation::quoteForm(int formIndex)
{
    switch (formIndex) {
    case 2:
        return QStringLiteral("-\""); // joined before, one space after
    case 3:
        return QStringLiteral("-\" "); // after a sentence end: two spaces after
    case 4:
        return QStringLiteral(" \"-"); // a space, then joined to the next word
    case 5:
        return QStringLiteral("\"-"); // at the caret, joined to the next word
    default:
        return QStringLiteral("-\"-"); // joined on both sides
    }
}

QString Punctuation::apostropheForm(int formIndex)
{
    static const char *const forms[kApostropheForms] = {"-'s",  "-'",   "-'d", "-'ll",
                                                        "-'ve", "-'re", "-'m", "'-"};
    return QString::fromLatin1(forms[std::clamp(formIndex, 1, kApostropheForms) - 1]);
}

QString Punctuation::hyphenForm(int formIndex)
{
    switch (formIndex) {
    case 2:
        return QStringLiteral("-") + QChar(0x2013);
    case 3:
        return QStringLiteral("-") + QChar(0x2014);
    default:
        return QStringLiteral("--");
    }
}

void Punctuation::sentenceMark(const char *tagName, const char *text, const char *current,
                               bool armsCapital)
{
    CompositionState &s = m_c.state;
    s.GrabArmed = false;
    m_c.TrimSpaceBeforeCaret();
    m_c.insert(tag(tagName), QString::fromLatin1(text), false);
    s.CurrentWord = QString::fromLatin1(current);
    s.CapsMode = armsCapital ? CapsFirstArmed : CapsNone;
}

void Punctuation::separator(const char *tagName, const char *text)
{
    CompositionState &s = m_c.state;
    s.GrabArmed = false;
    m_c.TrimSpaceBeforeCaret();
    m_c.insert(tag(tagName), QString::fromLatin1(text), false);
    s.CurrentWord = QString::fromLatin1(text + 1);
}

void Punctuation::btnPeriodClick()
{
    const QString &current = m_c.state.CurrentWord;
    // A stop after a stop makes an ellipsis: one space, no capital.
    if (current == QLatin1String(". ") || current == QLatin1String("."))
        sentenceMark("period", "-.", ".", false);
    else
        sentenceMark("period", "-. ", ". ", true);
}

void Punctuation::btnExclamationPtClick()
{
    sentenceMark("exclamation point", "-! ", "! ", true);
}

void Punctuation::btnQuestionClick()
{
    sentenceMark("question mark", "-? ", "? ", true);
}

void Punctuation::btnCommaClick()
{
    separator("comma", "-,");
}

void Punctuation::btnColonClick()
{
    m_c.state.WordStart = m_c.surface().caret();
    separator("colon", "-:");
}

void Punctuation::btnSemiColonClick()
{
    m_c.state.WordStart = m_c.surface().caret();
    separator("semicolon", "-;");
}

void Punctuation::btnHyphenClick()
{
    CompositionState &s = m_c.state;
    m_c.TrimSpaceBeforeCaret();
    QString form;
    if (s.LastAction != QLatin1String("hyphen")) {
        s.GrabArmed = false;
        s.ReplaceMode = 0;
        s.FormIndex = 1;
        // Both dashes are stripped: one "-" joined to both neighbours.
        form = QStringLiteral("---");
    } else {
        m_c.ReadContextBeforeCaret();
        s.FormIndex = nextForm(s.FormIndex, 3);
        s.ReplaceMode = 1;
        form = hyphenForm(s.FormIndex);
    }
    m_c.insert(QStringLiteral("hyphen"), form);
}

void Punctuation::wrapSelection(const QString &open, const QString &close)
{
    TextSurface &t = m_c.surface();
    const int start = t.selStart();
    const int end = start + t.selLength();
    const bool afterStop = t.charAt(end - 1) == QLatin1Char('.');
    t.insertAt(end, close);
    t.insertAt(start, open);
    t.setCaret(std::min(end + (afterStop ? 4 : 3), t.length()));
    // The recorded span no longer matches the text; a following Remove
    // then takes the word before the caret instead of cutting a stale span.
    m_c.state.WordStart = t.caret();
    m_c.state.WordLength = 0;
}

void Punctuation::btnQuotesClick()
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    if (t.hasSelection()) {
        wrapSelection(QStringLiteral("\""), QStringLiteral("\""));
        return;
    }
    if (s.LastAction != QLatin1String("quote")) {
        s.GrabArmed = false;
        m_c.TrimSpaceBeforeCaret();
        s.FormIndex = 1;
        int text = 1;
        if (s.LastAction == QLatin1String("comma")) {
            text = 2;
            s.FormIndex = 4; // so that the next click gives form 5
        }
        const QString &cw = s.CurrentWord;
        if (cw == QLatin1String(".") || cw == QLatin1String(". ") || cw == QLatin1String("! ") ||
            cw == QLatin1String("? ")) {
            text = 3;
            s.FormIndex = 3;
        }
        s.ReplaceMode = 0;
        const QString form = quoteForm(text);
        m_c.insert(QStringLiteral("quote"), form);
        return;
    }
    m_c.ReadContextBeforeCaret();
    s.FormIndex = nextForm(s.FormIndex, kQuoteForms);
    s.ReplaceMode = 1;
    QString form = quoteForm(s.FormIndex);
    // The context read has already put a space before the caret; form 4
    // wants one space before the quote, not two.
    if (form.startsWith(QLatin1Char(' ')) && t.charAt(t.caret() - 1) == QLatin1Char(' '))
        form.remove(0, 1);
    m_c.insert(QStringLiteral("quote"), form);
}

void Punctuation::btnApostropheClick()
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    if (t.hasSelection()) {
        wrapSelection(QStringLiteral("'"), QStringLiteral("'"));
        return;
    }
    QString text;
    if (s.LastAction != QLatin1String("apostrophe")) {
        m_c.TrimSpaceBeforeCaret();
        s.GrabArmed = false;
        s.ReplaceMode = 0;
        text = apostropheForm(1);
        s.FormIndex = 1;
        // After "I" the cycle runs I'm, I'd, I'll, I've; after a caret move
        // the mark opens a word; after a plural the possessive comes first.
        if (s.LastAction == QLatin1String("I")) {
            text = QStringLiteral("-'m");
            s.FormIndex = 2;
        }
        if (s.LastAction == kMouseClick) {
            text = apostropheForm(8);
            s.FormIndex = 8;
        }
        if (s.LastAction == QLatin1String("pluralize")) {
            text = apostropheForm(2);
            s.FormIndex = 8;
        }
    } else {
        m_c.ReadContextBeforeCaret();
        s.FormIndex = nextForm(s.FormIndex, kApostropheForms);
        s.ReplaceMode = 1;
        text = apostropheForm(s.FormIndex);
    }
    m_c.insert(QStringLiteral("apostrophe"), text);
    s.CurrentWord = text == QLatin1String("'-") ? QStringLiteral("'") : text;
}

void Punctuation::apostrophePanelClick(int formIndex)
{
    CompositionState &s = m_c.state;
    if (s.LastAction == QLatin1String("apostrophe")) {
        m_c.ReadContextBeforeCaret();
        s.ReplaceMode = 1;
    } else {
        s.ReplaceMode = 0;
    }
    const QString text = apostropheForm(formIndex);
    m_c.insert(QStringLiteral("apostrophe"), text);
    s.FormIndex = std::clamp(formIndex, 1, kApostropheForms);
}

void Punctuation::btnLeftParenClick()
{
    CompositionState &s = m_c.state;
    TextSurface &t = m_c.surface();
    s.GrabArmed = false;
    s.ActionTag = QStringLiteral("leftParenthesis");
    s.ReplaceMode = 0;
    if (t.hasSelection()) {
        wrapSelection(QStringLiteral("("), QStringLiteral(")"));
        return;
    }
    m_c.InsertWord(QStringLiteral("(-"));
}

void Punctuation::btnRightParenClick()
{
    CompositionState &s = m_c.state;
    s.GrabArmed = false;
    s.ActionTag = QStringLiteral("rightParenthesis");
    s.ReplaceMode = 0;
    m_c.InsertWord(QStringLiteral("-)"));
}
