// SPDX-License-Identifier: GPL-3.0-or-later
#include "cossin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace veltrin;

namespace {

struct Angles
{
    const char *name;
    int count;
    double first;
    double step;
};

class CosSin : public testing::TestWithParam<Angles>
{
};

TEST_P(CosSin, EveryAngleWithinAFewUnitsInTheLastPlace)
{
    const auto [name, count, first, step] = GetParam();
    std::vector<double> angles(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        angles[std::size_t(i)] = first + i * step;
    // One more than asked for, to see that nothing is written beyond.
    std::vector<double> cosines(std::size_t(count) + 1, 7.0);
    std::vector<double> sines(std::size_t(count) + 1, 7.0);
    cosSinOf(angles, cosines, sines);

    const double tolerance = 4 * std::numeric_limits<double>::epsilon();
    for (std::size_t i = 0; i < angles.size(); ++i) {
        EXPECT_NEAR(cosines[i], std::cos(angles[i]), tolerance) << "angle " << angles[i];
        EXPECT_NEAR(sines[i], std::sin(angles[i]), tolerance) << "angle " << angles[i];
    }
    EXPECT_EQ(cosines.back(), 7.0);
    EXPECT_EQ(sines.back(), 7.0);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, CosSin,
    testing::Values(Angles{"none", 0, 0.0, 0.0}, Angles{"one_short_of_a_vector", 1, 171.3, 0.0},
                    Angles{"three_short_of_a_vector", 3, 171.3, 0.37},
                    Angles{"one_vector", 4, -2.0, 1.1}, Angles{"a_vector_and_one", 5, 0.0, 0.5},
                    // The phases of a spiral: path lengths of 8500 to 9600 twips at
                    // frequencies to 0.04.
                    Angles{"a_spirals_phases", 3000, 85.0, 0.1},
                    Angles{"large_angles", 7, 1e6, 12345.678}),
    [](const testing::TestParamInfo<Angles> &info) { return std::string(info.param.name); });

} // namespace
