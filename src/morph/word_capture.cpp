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
    CompositionState &s = composition.state;
    TextSurface &t = composition.surface();
    if (t.hasSelection()) {
        s.CurrentWord = t.selectedText();
        s.WordStart = t.selStart();
        s.WordLength = t.selLength();
        t.setCaret(s.WordStart + s.WordLength);
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
