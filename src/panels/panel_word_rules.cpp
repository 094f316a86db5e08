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
    CompositionState &s = m_composition.state;
    s.ActionTag = tag;
    if (!keepReplaceMode)
        s.ReplaceMode = 0;
    m_composition.InsertWord(text);
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

int PanelWordRules::drawIndex(int count, bool repeated, int previous, RandomSource &random)
{
    if (count <= 0)
        return -1;
    // Drawing among the other rows gives each the same chance as drawing
    // again until the row differs, and cannot loop.
    if (repeated && count >= 2 && previous >= 0 && previous < count) {
        const int row = random.next(count - 1);
        return row >= previous ? row + 1 : row;
    }
    return random.next(count);
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
    s.ReplaceMode = repeated ? 1 : 0;
    s.ActionTag = tag;
    const QString word = list.at(index);
    m_composition.InsertWord(word);
    s.CurrentWord = word;
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
