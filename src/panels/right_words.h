#pragma once

#include "compose/composition.h"
#include "vocab/word_list.h"

#include <QString>

// The rules of the right-hand word column: how many columns the window has
// room for, the bounds of its width and margin boxes, the order of an
// alphabetised list, and what a click on a word does.
class RightWords
{
public:
    static constexpr int MinColumnWidth = 40;
    static constexpr int MaxColumnWidth = 240;
    static constexpr int MaxMargin = 40;
    // The board's width: the column only gets what lies beyond it.
    static constexpr int BoardRoom = 640;

    // The column width the box's text stands for: a text of two or more
    // characters is clamped to 40..240 and *writeBack gets the text the box
    // should then hold; a shorter one counts as 40 and leaves the box alone
    // (*writeBack empty).
    static int columnWidth(const QString &text, QString *writeBack);
    // The number of columns for a window of windowWidth pixels, at least 1.
    static int columnCount(int windowWidth, int columnWidth);
    // The right margin the box's text stands for: empty counts as 0, values
    // above 40 become 40 and values below 1 become 0. *writeBack gets the
    // text the box should hold when that differs from text (else empty).
    static int margin(const QString &text, QString *writeBack);

    // Puts the list in the order an alphabetised column shows, keeping
    // duplicates; the rows shown and the list must agree so that a click
    // inserts the word of its row.
    static void sort(WordList &list);

    // A left click on row: the word is its own tag, and a second click on
    // the same word replaces it rather than repeating it. False when there
    // is no such row.
    static bool click(Composition &composition, const WordList &list, int row);
};
