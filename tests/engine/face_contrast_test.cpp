#include "controls/face_contrast.h"

#include <gtest/gtest.h>

#include <cstdlib>

using FaceContrast::Rgb;

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

} // namespace

// Known pairs: the extremes, and board faces whose white-caption contrast is
// known from the colour values.
TEST(FaceContrast, RatiosOfKnownPairs)
{
    EXPECT_NEAR(FaceContrast::ratio(kBlack, kWhite), 21.0, 1e-9);
    EXPECT_NEAR(FaceContrast::ratio(kWhite, kBlack), 21.0, 1e-9);
    EXPECT_NEAR(FaceContrast::ratio(kWhite, kWhite), 1.0, 1e-9);
    EXPECT_NEAR(FaceContrast::ratio({0x81, 0x3F, 0x7B}, kWhite), 7.17, 0.01);
    EXPECT_NEAR(FaceContrast::ratio({0x70, 0x61, 0x43}, kWhite), 6.03, 0.01);
    EXPECT_NEAR(FaceContrast::ratio({0x48, 0x99, 0x4F}, kWhite), 3.53, 0.01);
}

// Darkening reaches the ratio with the least change, keeps the hue (the
// channels' proportions) and leaves readable faces alone.
TEST(FaceContrast, DarkensJustEnoughKeepingHue)
{
    for (const Rgb face : {Rgb{0x48, 0x99, 0x4F}, Rgb{0x6A, 0x8F, 0xBD}, Rgb{0x91, 0x90, 0x90},
                           Rgb{255, 255, 0}, Rgb{250, 250, 250}}) {
        const Rgb dark = FaceContrast::darkenedFor(face, kWhite);
        EXPECT_GE(FaceContrast::ratio(dark, kWhite), 4.5);
        const Rgb lighter{dark.red + 1, dark.green + 1, dark.blue + 1};
        EXPECT_LT(FaceContrast::ratio(lighter, kWhite), 4.6);
        // Same proportions, within the rounding of one step.
        EXPECT_LE(std::abs(dark.red * face.green - face.red * dark.green),
                  std::max(face.red, face.green));
        EXPECT_LE(std::abs(dark.blue * face.green - face.blue * dark.green),
                  std::max(face.blue, face.green));
    }
    for (const Rgb readable : {Rgb{0x81, 0x3F, 0x7B}, Rgb{0x1A, 0x53, 0xEC}})
        EXPECT_EQ(FaceContrast::darkenedFor(readable, kWhite), readable);
    // A black caption gains nothing from a darker face.
    EXPECT_EQ(FaceContrast::darkenedFor({20, 20, 20}, kBlack), (Rgb{20, 20, 20}));
    for (const Rgb face : {kWhite, kBlack, Rgb{0x77, 0x77, 0x77}, Rgb{0, 0x80, 0}})
        EXPECT_GE(FaceContrast::ratio(face, FaceContrast::readableOn(face)), 4.5);
}
