#include "word_capture.h"

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
