#include "shell/ui/ruler_scale.h"

#include <algorithm>
#include <cmath>

namespace RulerScale {

namespace {

// Pixels to points, rounded half away from zero.
int toPoints(int pixels)
{
    return int(std::lround(pixels * 3.0 / 4.0));
}

// Points to pixels, truncated as the marker placement does.
int toPixels(int points)
{
    return points * 4 / 3;
}

} // namespace

int firstMarkerLeft(const Indents &indents)
{
    return toPixels(indents.first) + 2;
}

int leftMarkerLeft(const Indents &indents)
{
    return toPixels(indents.first + indents.left) + 2;
}

int rightMarkerLeft(const Indents &indents, int rulerWidth)
{
    const int left = (rulerWidth - 6) - toPixels(indents.right + 6) - 21;
    return std::max(left, leftMarkerLeft(indents) + kMinMarkerGap);
}

Indents releaseFirst(const Indents &indents, int firstLeft, int leftLeft, int offset)
{
    Indents out = indents;
    out.first = std::max(0, toPoints(firstLeft + offset - 6));
    return releaseLeft(out, leftLeft, offset);
}

Indents releaseLeft(const Indents &indents, int leftLeft, int offset)
{
    Indents out = indents;
    // The other lines start no further left than the edge of the page.
    out.left = std::max(0, toPoints(leftLeft + offset - 6)) - indents.first;
    return out;
}

Indents releaseRight(const Indents &indents, int rightLeft, int offset, int rulerWidth)
{
    // One pixel less than a plain "- 2" here makes this the exact inverse of
    // rightMarkerLeft, so a marker clicked without moving keeps its indent
    // instead of creeping a point inwards on every click.
    const int n = toPoints(rulerWidth - rightLeft + offset - 3) - 12;
    Indents out = indents;
    out.right = std::max(n, 12) - 15;
    return out;
}

} // namespace RulerScale
