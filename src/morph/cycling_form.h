#pragma once

#include "compose/composition.h"

#include <QString>

// The course every button shares that turns the current word into one of a
// few forms and, clicked again, into the next of them ("-ly", "-y", "not").
// Only working out the forms is the button's own.
class CyclingForm
{
public:
    // Starts a click of the button tagged tag; the new form always replaces
    // the last span. A first click captures the word it works on (the word
    // before the caret while GRAB is armed, which this uses up) and returns
    // 0: the caller works out the forms and picks the first. A repeated click
    // returns the number of the next of count forms.
    static int begin(Composition &composition, const QString &tag, int count);

    // Inserts text, form number, tagged tag; a first capital in force is
    // armed again for the form that takes the word's place.
    static void finish(Composition &composition, const QString &tag, const QString &text,
                       int number);
};
