#include "cycling_form.h"

int CyclingForm::begin(Composition &composition, const QString &tag, int count)
{
    CompositionState &s = composition.state;
    // While GRAB is armed the caret counts as freshly placed, so the word
    // before it is captured.
    if (s.GrabArmed)
        s.LastAction = kMouseClick;
    s.ReplaceMode = 1;
    if (s.LastAction == tag)
        return nextFormNumber(s.FormIndex, count);
    s.GrabArmed = false;
    composition.FindWordBeforeCaret();
    return 0;
}

void CyclingForm::finish(Composition &composition, const QString &tag, const QString &text,
                         int number)
{
    CompositionState &s = composition.state;
    if (s.CapsMode == CapsFirstInForce)
        s.CapsMode = CapsFirstArmed;
    composition.insert(tag, text);
    s.FormIndex = number;
}
