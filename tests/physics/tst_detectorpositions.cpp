// SPDX-License-Identifier: GPL-3.0-or-later
#include "detectorpositions.h"

#include <gtest/gtest.h>

using namespace veltrin;

namespace {

struct Point
{
    const char *name;
    double offset;
    Vec2 point;
    std::optional<int> expected;
};

class DetectorPositionsAt : public testing::TestWithParam<Point>
{
};

TEST_P(DetectorPositionsAt, PointsOfTheDrawing)
{
    const Point &row = GetParam();
    EXPECT_EQ(DetectorPositions::at(row.point, row.offset), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Drawing, DetectorPositionsAt,
    testing::Values(
        // Red bars stand 40 right of their detector: two thirds of the way to the next one.
        Point{"red_bar_of_the_first_position", 40, {2540, 3000}, 0},
        Point{"red_bar_of_position_70", 40, {6740, 4400}, 70},
        Point{"red_bar_a_little_to_its_left", 40, {6725, 4400}, 70},
        Point{"spiral_start_of_position_70", 40, {6700, 6200}, 70},
        Point{"blue_bar_of_the_last_position", 0, {10960, 2000}, 141},
        Point{"on_the_axis_between_bars_and_spirals", 20, {5500, 4500}, 50},
        Point{"left_edge_of_the_columns", 40, {2470, 5000}, 0},
        Point{"right_edge_of_the_red_columns", 40, {11030, 3000}, 141},
        Point{"top_of_the_mirror", 20, {5000, 1500}, 41},
        Point{"bottom_of_the_mirror", 20, {5000, 7500}, 42},
        Point{"left_of_the_vertex_line", 40, {2469, 5000}, std::nullopt},
        Point{"right_of_the_last_red_bar", 40, {11031, 3000}, std::nullopt},
        Point{"right_of_the_last_blue_bar", 0, {10991, 3000}, std::nullopt},
        Point{"above_the_mirror", 20, {5000, 1499}, std::nullopt},
        Point{"below_the_mirror", 20, {5000, 7501}, std::nullopt}),
    [](const testing::TestParamInfo<Point> &info) { return std::string(info.param.name); });

} // namespace
