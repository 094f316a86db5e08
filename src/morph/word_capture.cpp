#include "word_capture.h"

using namespace TextRules;

bool WordCapture::takeGrab(Composition &composition)
{
    CompositionState &s = composition.state;
    if (!s.GrabArmed)
        return false;
    s.LastAction = kMouseClick;
    captureWord(composition);
    s.GrabArmed = false;
    composition.setIndicators(composition.repeatLit(), false);
    return true;
}

void WordCapture::captureWord(Composition &composition)
{
    if (composition.captureSelection()) {
        const CompositionState &s = composition.state;
        composition.surface().setCaret(s.WordStart + s.WordLength);
        return;
    }
    composition.FindWordBeforeCaret();
}

QString WordCapture::trimmedTrailing(const QString &word)
{
    qsizetype n = word.size();
    while (n > 0 && word.at(n - 1) == QLatin1Char(' '))
        --n;
    return word.left(n);
}

QString WordCapture::inCaseOf(const QString &word, const QString &form)
{
    if (word.size() >= 2 && word == upperAscii(word) && word != lowerAscii(word))
        return upperAscii(form);
    if (!word.isEmpty() && !form.isEmpty() && word.front() != lowerAscii(word.front())) {
        QString out = form;
        out[0] = upperAscii(out[0]);
        return out;
    }
    return form;
}
