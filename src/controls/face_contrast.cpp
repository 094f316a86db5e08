#include "controls/face_contrast.h"

#include <algorithm>
#include <cmath>

namespace FaceContrast {
namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Rgb scaled(const Rgb &color, double k)
{
    auto s = [k](int c) { return std::clamp(int(std::lround(c * k)), 0, 255); };
    return {s(color.red), s(color.green), s(color.blue)};
}

} // namespace

double luminance(const Rgb &color)
{
    return 0.2126 * linear(color.red) + 0.7152 * linear(color.green) + 0.0722 * linear(color.blue);
}

double ratio(const Rgb &a, const Rgb &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb darkenedFor(const Rgb &face, const Rgb &caption, double minimum)
{
    // Only a light caption gains from a darker face.
    if (ratio(face, caption) >= minimum || luminance(caption) <= luminance(face))
        return face;
    // Scaling every channel by one factor keeps the hue; the luminance falls
    // steadily with the factor, so halving finds the least darkening.
    double low = 0.0;
    double high = 1.0;
    for (int i = 0; i < 30; ++i) {
        const double mid = (low + high) / 2;
        if (ratio(scaled(face, mid), caption) >= minimum)
            low = mid;
        else
            high = mid;
    }
    return scaled(face, low);
}

Rgb readableOn(const Rgb &face)
{
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    return ratio(face, black) >= ratio(face, white) ? black : white;
}

} // namespace FaceContrast
