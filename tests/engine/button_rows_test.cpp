#include "panels/button_rows.h"

#include <gtest/gtest.h>

namespace {

// Two rows of different widths and a tall button spanning both:
//   0 [wide        ] 1 [a] 2 [b] | 5 [tall]
//   3 [c ] 4 [d   ]              | 5
const QList<QRect> kBoard = {
    {0, 0, 200, 30}, {202, 0, 60, 30},  {264, 0, 60, 30},
    {0, 32, 80, 30}, {82, 32, 160, 30}, {330, 0, 50, 62},
};

struct Step
{
    int from;
    StepDirection direction;
    int to;
};

class NearestInDirection : public ::testing::TestWithParam<Step>
{};

TEST_P(NearestInDirection, LandsOnTheButtonThatLiesThatWay)
{
    const Step s = GetParam();
    EXPECT_EQ(nearestInDirection(kBoard, s.from, s.direction), s.to);
}

INSTANTIATE_TEST_SUITE_P(
    Board, NearestInDirection,
    ::testing::Values(Step{0, StepDirection::Down, 4}, // below the wide button's middle
                      Step{1, StepDirection::Down, 4}, // overlapping, not the nearer-left one
                      Step{2, StepDirection::Down, 4}, // no overlap below: the nearest
                      Step{4, StepDirection::Up, 0}, Step{3, StepDirection::Up, 0},
                      Step{2, StepDirection::Right, 5}, Step{4, StepDirection::Right, 5},
                      Step{5, StepDirection::Left, 2}, Step{1, StepDirection::Left, 0},
                      Step{0, StepDirection::Left, -1}, Step{5, StepDirection::Right, -1},
                      Step{3, StepDirection::Down, -1}, Step{5, StepDirection::Down, -1}));

TEST(NearestInDirection, OutOfRangeStartFindsNothing)
{
    EXPECT_EQ(nearestInDirection(kBoard, 6, StepDirection::Up), -1);
    EXPECT_EQ(nearestInDirection({}, 0, StepDirection::Up), -1);
}

} // namespace
