#include "right_words.h"

#include <algorithm>

int RightWords::columnWidth(const QString &text, QString *writeBack)
{
    writeBack->clear();
    if (text.size() < 2)
        return MinColumnWidth;
    const int width = std::clamp(text.toInt(), MinColumnWidth, MaxColumnWidth);
    const QString clamped = QString::number(width);
    if (clamped != text)
        *writeBack = clamped;
    return width;
}

int RightWords::columnCount(int windowWidth, int columnWidth)
{
    return std::max(1, (windowWidth - BoardRoom) / std::max(1, columnWidth));
}

int RightWords::margin(const QString &text, QString *writeBack)
{
    writeBack->clear();
    if (text.isEmpty())
        return 0;
    int value = text.toInt();
    if (value > MaxMargin)
        value = MaxMargin;
    else if (value < 1)
        value = 0;
    const QString shown = QString::number(value);
    if (shown != text)
        *writeBack = shown;
    return value;
}

void RightWords::sort(WordList &list)
{
    QStringList words = list.entries();
    std::stable_sort(words.begin(), words.end(), [](const QString &a, const QString &b) {
        return WordList::compare(a, b) < 0;
    });
    if (words == list.entries())
        return;
    list.clear();
    list.addAll(words);
}

bool RightWords::click(Composition &composition, const WordList &list, int row)
{
    if (row < 0 || row >= list.size())
        return false;
    CompositionState &s = composition.state;
    s.GrabArmed = false;
    const QString word = list.at(row);
    composition.insert(word, word, s.LastAction == word);
    s.FormIndex = row;
    return true;
}
