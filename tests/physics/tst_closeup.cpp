// SPDX-License-Identifier: GPL-3.0-or-later
#include "closeup.h"
#include "scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using namespace veltrin;

namespace {

/// The height below the axis of the mirror point through which light from the source plane
/// reaches the detector soonest, found by narrowing down a golden section of the mirror. The
/// mirror is the parabola x = 2500 + K·v² whose vertex lies 50 twips above the axis, so that
/// the point h below the axis has v = h + 50; the source plane stands at x = 11000.
double leastTimeHeight(double k, double detectorX)
{
    const auto path = [&](double h) {
        const double x = 2500 + k * (h + 50) * (h + 50);
        return (11000 - x) + std::hypot(detectorX - x, h);
    };
    const double ratio = std::numbers::phi - 1;
    double low = 1;
    double high = 3000;
    while (high - low > 1e-3) {
        const double a = high - ratio * (high - low);
        const double b = low + ratio * (high - low);
        if (path(a) < path(b))
            high = b;
        else
            low = a;
    }
    return (low + high) / 2;
}

std::vector<double> barsOf(double k, double frequency)
{
    std::vector<double> bars;
    for (int position = 0; position < scene::detectorPositions; ++position)
        bars.push_back(CloseUp(k, frequency, 3000, position).probability());
    return bars;
}

struct Choice
{
    double k;
    double frequency;
};

class CloseUpOfARun : public testing::TestWithParam<Choice>
{
};

TEST_P(CloseUpOfARun, FewerArrowsSpanTheMirrorAndApproachTheRun)
{
    const auto [k, frequency] = GetParam();
    const std::vector<double> bars = barsOf(k, frequency);
    const double peak = std::ranges::max(bars);

    double previousError = HUGE_VAL;
    for (const int count : {30, 100, 1000}) {
        double totalError = 0;
        double worstError = 0;
        for (int position = 0; position < scene::detectorPositions; ++position) {
            const CloseUp closeUp(k, frequency, count, position);
            const std::span<const CloseUp::Arrow> arrows = closeUp.arrows();
            ASSERT_EQ(arrows.size(), std::size_t(count));
            // From the first run of samples to the last, with the chain as long as the run's.
            EXPECT_LE(arrows.front().height, 3000.0 / count);
            EXPECT_GT(arrows.back().height, 3000 - 3000.0 / count);
            EXPECT_DOUBLE_EQ(closeUp.arrowLength() * count, 1500.0);
            const double error = std::abs(closeUp.probability() - bars[std::size_t(position)]);
            totalError += error;
            worstError = std::max(worstError, error);
        }
        EXPECT_LT(totalError, previousError) << count << " arrows";
        previousError = totalError;
        // Thirty arrows may miss a turn of the phase at the mirror's steep edge; a hundred no
        // longer do.
        EXPECT_LT(worstError, (count == 30 ? 0.1 : 0.001) * peak) << count << " arrows";
    }
}

// The brightest bar stands where the close-up says the focus is, at the distance the close-up
// gives it from the vertex line; a little nearer the mirror, as much as a long wave blurs it.
TEST_P(CloseUpOfARun, BrightestBarAtTheFocus)
{
    const auto [k, frequency] = GetParam();
    const std::vector<double> bars = barsOf(k, frequency);
    const int brightest = int(std::ranges::max_element(bars) - bars.begin());
    const CloseUp closeUp(k, frequency, 3000, brightest);
    EXPECT_NEAR(closeUp.detectorDistance(), closeUp.focalLength(), 0.05 * closeUp.focalLength());
    EXPECT_DOUBLE_EQ(closeUp.detectorX(), scene::X0 + closeUp.detectorDistance());
}

INSTANTIATE_TEST_SUITE_P(Choices, CloseUpOfARun,
                         testing::Values(Choice{0.00005, 0.02}, Choice{0.0002, 0.04},
                                         Choice{0.0001, 0.01}));

struct LeastTime
{
    const char *name;
    double k;
    int position;
    int count;
};

class LeastTimeArrow : public testing::TestWithParam<LeastTime>
{
};

TEST_P(LeastTimeArrow, WhereTheMirrorsGeometryPutsIt)
{
    const auto [name, k, position, count] = GetParam();
    const CloseUp closeUp(k, 0.02, count, position);
    const std::span<const CloseUp::Arrow> arrows = closeUp.arrows();
    const CloseUp::Arrow &least = arrows[std::size_t(closeUp.leastTimeArrow())];
    EXPECT_TRUE(std::ranges::none_of(
        arrows, [&](const CloseUp::Arrow &a) { return a.pathLength < least.pathLength; }));

    const double expected = leastTimeHeight(k, 2500 + 60 * position);
    const double spacing = 3000.0 / count;
    EXPECT_NEAR(least.height, expected, spacing / 2 + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, LeastTimeArrow,
    testing::Values(LeastTime{"near_the_axis", 0.00005, 40, 3000},
                    LeastTime{"halfway_to_the_focus", 0.00005, 70, 3000},
                    LeastTime{"just_short_of_the_focus_flat", 0.00005, 80, 3000},
                    LeastTime{"beyond_the_focus_the_edge", 0.00005, 100, 3000},
                    LeastTime{"deep_mirror", 0.0002, 10, 3000},
                    LeastTime{"thirty_arrows", 0.00005, 70, 30}),
    [](const testing::TestParamInfo<LeastTime> &info) { return std::string(info.param.name); });

} // namespace
