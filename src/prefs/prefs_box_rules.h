#pragma once

#include <QString>

// The number boxes of the preferences panel (font size, column width, right
// margin): what a spin click writes back, how a typed value is corrected and
// what OK makes of a box. The boxes accept digits only, so every text here is
// empty or a run of digits.
class PrefsBoxRules
{
public:
    struct Range
    {
        int low;
        int high;
    };
    static constexpr Range FontSize{4, 60};
    static constexpr Range ColumnWidth{40, 240};
    static constexpr Range RightMargin{0, 40};

    // A spin click of step (+1 or -1): an empty box counts as 0, except that
    // an empty font size box steps up from 3; the result is clamped.
    static QString spin(const QString &text, int step, Range range, bool fontSize = false);

    // The font size box changed: the size the example takes (an empty box
    // gives 4; at least 4, at most 60). *writeBack gets "60" when the box
    // held more and must show it, else stays empty.
    static int fontSizeChanged(const QString &text, QString *writeBack);

    // What OK leaves in the boxes: an empty column width becomes "80", an
    // empty margin "1"; both are clamped.
    static QString columnWidthAtOk(const QString &text);
    static QString rightMarginAtOk(const QString &text);

private:
    static int value(const QString &text);
};
