#pragma once

// The ruler's arithmetic between indents in points and marker positions in
// pixels of the ruler (4/3 pixels to the point). The markers are grabbed
// 4 pixels in from their left edge.
namespace RulerScale {

constexpr int kGrabOffset = 4;
// The right marker never comes closer than this to the left one.
constexpr int kMinMarkerGap = 10;

// Indents of a paragraph in points: the first line's indent from the left
// edge, the other lines' indent relative to the first line's, and the right
// indent from the right edge.
struct Indents
{
    int first = 0;
    int left = 0;
    int right = 0;
    bool operator==(const Indents &) const = default;
};

int firstMarkerLeft(const Indents &indents);
int leftMarkerLeft(const Indents &indents);
int rightMarkerLeft(const Indents &indents, int rulerWidth);

// The indents a released marker stands for. The first-line marker also
// recomputes the left indent, so the left marker keeps its place; the left
// marker never puts the other lines left of the edge.
Indents releaseFirst(const Indents &indents, int firstLeft, int leftLeft, int offset);
Indents releaseLeft(const Indents &indents, int leftLeft, int offset);
Indents releaseRight(const Indents &indents, int rightLeft, int offset, int rulerWidth);

} // namespace RulerScale
