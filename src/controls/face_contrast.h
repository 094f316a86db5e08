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

double luminance(const Rgb &color);
// From 1 (the same luminance) to 21 (black against white), either order.
double ratio(const Rgb &a, const Rgb &b);
// The face itself when the caption already reads at least minimum on it;
// else the face scaled towards black, keeping its hue, by as little as
// reaches minimum.
Rgb darkenedFor(const Rgb &face, const Rgb &caption, double minimum = kReadable);
// Black or white, whichever reads better on face (never below 4.5).
Rgb readableOn(const Rgb &face);

} // namespace FaceContrast
