#include "articles.h"

#include "composition.h"

#include <algorithm>

Articles::Articles(Composition &composition)
    : m_c(composition)
{}

QString Articles::aForm(int formIndex)
{
    static const char *const forms[kAForms] = {"a", "an", "one"};
    return QString::fromLatin1(forms[std::clamp(formIndex, 1, kAForms) - 1]);
}

QString Articles::theForm(int formIndex)
{
    static const char *const forms[kTheForms] = {"the", "that", "this", "these", "those"};
    return QString::fromLatin1(forms[std::clamp(formIndex, 1, kTheForms) - 1]);
}

QString Articles::cycle(const QString &tag, int count, QString (*form)(int))
{
    CompositionState &s = m_c.state;
    int index = 1;
    if (s.LastAction != tag) {
        s.GrabArmed = false;
        s.ReplaceMode = 0;
    } else {
        index = nextFormNumber(s.FormIndex, count);
        s.ReplaceMode = 1;
    }
    const QString word = form(index);
    m_c.insert(tag, word);
    s.FormIndex = index;
    return word;
}

void Articles::btnAClick()
{
    const QString word = cycle(QStringLiteral("a"), kAForms, &Articles::aForm);
    // The next word decides between "a" and "an". The form is kept in lower
    // case whatever capital the text shows, as the agreement compares it so.
    m_c.state.ArticleState = ArticleArmed;
    m_c.state.ArticleWord = word;
}

void Articles::btnTheClick()
{
    cycle(QStringLiteral("the"), kTheForms, &Articles::theForm);
}

void Articles::panelClick(const QString &tag, const QString &word, int formIndex)
{
    CompositionState &s = m_c.state;
    m_c.insert(tag, word, s.LastAction == tag);
    s.FormIndex = formIndex;
}

void Articles::aPanelClick(int formIndex)
{
    formIndex = std::clamp(formIndex, 1, kAForms);
    panelClick(QStringLiteral("a"), aForm(formIndex), formIndex);
}

void Articles::thePanelClick(int formIndex)
{
    formIndex = std::clamp(formIndex, 1, kTheForms);
    panelClick(QStringLiteral("the"), theForm(formIndex), formIndex);
}
