#include "panels/panel_word_rules.h"

PanelWordRules::PanelWordRules(Composition &composition)
    : m_composition(composition)
{}

QString PanelWordRules::insertedText(const WordButtonDesc &desc)
{
    if (desc.word)
        return QString::fromUtf8(desc.word);
    QString text = QString::fromUtf8(desc.caption);
    // Captions of phrases have two blanks between their words.
    while (text.contains(QStringLiteral("  ")))
        text.replace(QStringLiteral("  "), QStringLiteral(" "));
    return text;
}

QString PanelWordRules::tagOf(const WordButtonDesc &desc)
{
    return desc.tag ? QString::fromUtf8(desc.tag) : insertedText(desc);
}

void PanelWordRules::fixedWordClick(const QString &text, const QString &tag, bool keepReplaceMode)
{
    if (keepReplaceMode)
        m_composition.insert(tag, text);
    else
        m_composition.insert(tag, text, false);
    CompositionState &s = m_composition.state;
    s.CurrentWord = s.LastAction;
}

QString PanelWordRules::oneEnding(const QString &lastAction)
{
    return lastAction == QLatin1String("no") ? QStringLiteral("one") : QStringLiteral("-one");
}

void PanelWordRules::oneEndingClick(bool keepReplaceMode)
{
    const QString text = oneEnding(m_composition.state.LastAction);
    fixedWordClick(text, text, keepReplaceMode);
}

void PanelWordRules::categoryPanelClick(const QString &tag)
{
    CompositionState &s = m_composition.state;
    s.GrabArmed = false;
    s.ReplaceMode = s.LastAction == tag ? 1 : 0;
}

bool PanelWordRules::categoryRandomClick(const QString &tag, const QStringList &list,
                                         RandomSource &random, GrabClear grab)
{
    CompositionState &s = m_composition.state;
    const bool repeated = s.LastAction == tag;
    if (grab == GrabClear::Always || !repeated)
        s.GrabArmed = false;
    const int index = drawIndex(int(list.size()), repeated, s.FormIndex, random);
    if (index < 0)
        return false;
    m_composition.insert(tag, list.at(index), repeated);
    s.FormIndex = index;
    return true;
}

bool PanelWordRules::customClick(const QString &caption)
{
    if (caption.isEmpty())
        return false;
    fixedWordClick(caption, caption);
    return true;
}

void PanelWordRules::customEdited(const QString &text)
{
    if (text.isEmpty())
        return;
    fixedWordClick(text, text, true);
}
