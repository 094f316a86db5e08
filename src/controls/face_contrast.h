#pragma once

#include <QtGlobal>

// Contrast between a caption and the face it is drawn on, by the relative
// luminance of sRGB colours, and the darker faces that reach a contrast.
namespace FaceContrast {

struct Rgb
{
    int red;
    int green;
    int blue;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

inline constexpr double kReadable = 4.5;
// High contrast: the enhanced level, so the board is plainly another look.
inline constexpr double kHighContrast = 7.0;

double luminance(const Rgb &color);
// From 1 (the same luminance) to 21 (black against white), either order.
double ratio(const Rgb &a, const Rgb &b);
// The face itself when the caption already reads at least minimum on it;
// else the face scaled towards black, keeping its hue, by as little as
// reaches minimum.
Rgb darkenedFor(const Rgb &face, const Rgb &caption, double minimum = kReadable);
// Black or white, whichever reads better on face (never below 4.5).
Rgb readableOn(const Rgb &face);

// A face and its caption in the high contrast look: the caption pure white
// (when it was lighter than the face) or pure black, the face darkened or
// lightened, its hue kept, until the two read at kHighContrast or better.
struct Pair
{
    Rgb face;
    Rgb caption;
};
Pair highContrast(const Rgb &face, const Rgb &caption);

} // namespace FaceContrast
