#include "shell/ui/ruler_scale.h"

#include <gtest/gtest.h>

using namespace RulerScale;

namespace {
constexpr int kWidth = 600;
constexpr int kGrab = kGrabOffset;
} // namespace

TEST(RulerScale, MarkersSitAtFourThirdsPixelsPerPoint)
{
    const Indents in{36, 18, 9};
    EXPECT_EQ(firstMarkerLeft(in), 48 + 2);
    EXPECT_EQ(leftMarkerLeft(in), 72 + 2);
    // (600 - 6) - (9 + 6) * 4/3 - 21
    EXPECT_EQ(rightMarkerLeft(in, kWidth), 594 - 20 - 21);
    // A hanging indent puts the left marker before the first-line one.
    EXPECT_EQ(leftMarkerLeft({36, -18, 0}), 24 + 2);
}

TEST(RulerScale, RightMarkerKeepsItsDistanceFromTheLeftOne)
{
    const Indents in{0, 400, 200};
    EXPECT_EQ(rightMarkerLeft(in, kWidth), leftMarkerLeft(in) + kMinMarkerGap);
}

// Clicking a marker without moving it must leave the paragraph alone.
TEST(RulerScale, ReleasingAnUnmovedMarkerKeepsTheIndents)
{
    for (int first = 0; first <= 90; first += 7) {
        for (int left = -first; left <= 60; left += 11) {
            for (int right = -3; right <= 80; right += 5) {
                const Indents in{first, left, right};
                SCOPED_TRACE(testing::Message() << first << " " << left << " " << right);
                EXPECT_EQ(releaseFirst(in, firstMarkerLeft(in), leftMarkerLeft(in), kGrab), in);
                EXPECT_EQ(releaseLeft(in, leftMarkerLeft(in), kGrab), in);
                EXPECT_EQ(releaseRight(in, rightMarkerLeft(in, kWidth), kGrab, kWidth), in);
            }
        }
    }
}

TEST(RulerScale, MovingTheFirstLineMarkerKeepsTheOtherLinesInPlace)
{
    const Indents in{36, 0, 0};
    const int leftMarker = leftMarkerLeft(in);
    // 24 pixels to the right are 18 points.
    const Indents out = releaseFirst(in, firstMarkerLeft(in) + 24, leftMarker, kGrab);
    EXPECT_EQ(out.first, 54);
    EXPECT_EQ(out.first + out.left, 36);
    EXPECT_EQ(leftMarkerLeft(out), leftMarker);
}

TEST(RulerScale, FirstLineNeverStartsLeftOfTheEdge)
{
    const Indents out = releaseFirst({10, 5, 0}, 0, leftMarkerLeft({10, 5, 0}), kGrab);
    EXPECT_EQ(out.first, 0);
    EXPECT_EQ(out.left, 15);
}

TEST(RulerScale, LeftMarkerIsRelativeToTheFirstLine)
{
    const Indents in{36, 0, 0};
    // Dragged to 12 points left of the first line: a hanging indent.
    const Indents out = releaseLeft(in, leftMarkerLeft(in) - 16, kGrab);
    EXPECT_EQ(out.left, -12);
    EXPECT_EQ(out.first, 36);
    // Dragged to the very edge the other lines start at the edge, no further.
    EXPECT_EQ(releaseLeft(in, 0, kGrab).left, -36);
}

TEST(RulerScale, RightIndentFollowsTheMarkerAndStopsAtMinusThree)
{
    const Indents in{0, 0, 0};
    const int at = rightMarkerLeft(in, kWidth);
    EXPECT_EQ(releaseRight(in, at - 48, kGrab, kWidth).right, 36);
    // As far right as the ruler goes, and beyond.
    EXPECT_EQ(releaseRight(in, kWidth - 9, kGrab, kWidth).right, -3);
    EXPECT_EQ(releaseRight(in, kWidth + 100, kGrab, kWidth).right, -3);
}
