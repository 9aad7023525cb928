// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapphotons.h"
#include "pathsum.h"
#include "photonrandom.h"
#include "photonsampler.h"
#include "planephotons.h"
#include "probabilitymap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace veltrin;

namespace {

/// Pearson's statistic of counts against weights. Cells expecting fewer than ten photons are
/// pooled into one region, where the approximation by the chi-squared distribution holds.
struct ChiSquared
{
    double statistic = 0;
    int degrees = -1;
    long inEmptyCells = 0; ///< photons in cells of no weight, which must stay empty

    /// Below five standard deviations of the statistic above its mean.
    bool fits() const { return statistic < degrees + 5 * std::sqrt(2.0 * degrees); }
};

ChiSquared chiSquared(const std::vector<long> &counts, const std::vector<double> &weights)
{
    double total = 0;
    long photons = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        total += weights[i];
        photons += counts[i];
    }
    ChiSquared result;
    double pooledExpected = 0;
    long pooledCount = 0;
    const auto add = [&result](double expected, double count) {
        result.statistic += (count - expected) * (count - expected) / expected;
        ++result.degrees;
    };
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const double expected = photons * weights[i] / total;
        if (weights[i] == 0)
            result.inEmptyCells += counts[i];
        else if (expected < 10) {
            pooledExpected += expected;
            pooledCount += counts[i];
        } else
            add(expected, double(counts[i]));
    }
    if (pooledExpected > 0)
        add(pooledExpected, double(pooledCount));
    return result;
}

std::vector<double> barsOfARun()
{
    std::vector<double> bars;
    PathSum run(0.0001, 0.02);
    for (int i = 0; i < scene::detectorPositions; ++i)
        bars.push_back(PathSum::probabilityOf(run.resultantAt({scene::detectorX(i), scene::Y0})));
    return bars;
}

struct Table
{
    const char *name;
    std::vector<double> weights;
};

class PhotonSamplerFollows : public testing::TestWithParam<Table>
{
};

TEST_P(PhotonSamplerFollows, TheWeights)
{
    std::vector<double> weights = GetParam().weights;
    PhotonSampler sampler(weights);
    PhotonRandom random(17);
    std::vector<long> counts(weights.size());
    for (int n = 0; n < 200000; ++n)
        ++counts[sampler.draw(random)];
    for (double &w : weights)
        w = std::isfinite(w) && w > 0 ? w : 0;
    const ChiSquared fit = chiSquared(counts, weights);
    EXPECT_EQ(fit.inEmptyCells, 0);
    EXPECT_TRUE(fit.fits()) << "chi-squared " << fit.statistic << " for " << fit.degrees
                            << " degrees of freedom";
}

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Tables, PhotonSamplerFollows,
    testing::Values(Table{"uniform", std::vector<double>(142, 1.0)},
                    Table{"bars_of_a_run", barsOfARun()},
                    // Empty cells at both ends and between, one cell far brighter than the
                    // rest; negative and non-finite values count as nothing.
                    Table{"peaked_and_cut", {0, 0, 1, 0, 0, 2, 500, 3, 0, -4, nan, inf, 7, 0}}),
    [](const testing::TestParamInfo<Table> &info) { return info.param.name; });

// Each cell owns the numbers from the running sum before it up to, not including, its own: a u
// landing exactly on a running sum belongs to the next cell with weight, never to a cell of
// none. No count of draws can show this; the search is checked directly.
TEST(PhotonSampler, AUOnARunningSumTakesTheNextCellWithWeight)
{
    // Running sums 0, 1, 1, 2, 4, 4 of a total of 4: u = 0, 1/4 and 1/2 land exactly on them.
    const PhotonSampler sampler(std::vector<double>{0, 1, 0, 1, 2, 0});
    EXPECT_EQ(sampler.cellAt(0), 1u);
    EXPECT_EQ(sampler.cellAt(0.25), 3u);
    EXPECT_EQ(sampler.cellAt(0.5), 4u);
    EXPECT_EQ(sampler.cellAt(std::nextafter(1.0, 0.0)), 4u);
}

/// The probability over a coarse grid of the plane in front of the mirror, from its vertex line
/// to the source plane and over its height, a cell's point at its middle.
std::vector<double> planeMap(const PlaneGrid &grid, std::span<const MirrorPoint> mirror)
{
    PathSum sum(mirror, 0.02);
    std::vector<double> map;
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column)
            map.push_back(PathSum::probabilityOf(sum.resultantAt(
                {grid.firstX + column * grid.step, grid.firstY + row * grid.step})));
    return map;
}

class PlanePhotonsFollow : public testing::TestWithParam<bool>
{
};

TEST_P(PlanePhotonsFollow, TheMap)
{
    auto mirror = Mirror(0.0001).bothHalves();
    if (GetParam()) // only a strip around the vertex
        for (MirrorPoint &p : mirror)
            p.present = std::abs(p.y - scene::Y0) < 1000;
    const PlaneGrid grid{.firstX = scene::X0 + 150,
                         .firstY = scene::YTOP + 150,
                         .step = 300,
                         .columns = 28,
                         .rows = 20,
                         .minX = scene::X0,
                         .maxX = scene::XS,
                         .minY = scene::YTOP,
                         .maxY = scene::YBOT};
    const std::vector<double> map = planeMap(grid, mirror);
    const PlanePhotons photons(grid, map);
    PhotonRandom random(2026);
    std::vector<long> counts(map.size());
    for (int n = 0; n < 200000; ++n) {
        const Vec2 at = photons.draw(random);
        const int column = int((at.x - scene::X0) / grid.step);
        const int row = int((at.y - scene::YTOP) / grid.step);
        ASSERT_TRUE(column >= 0 && column < grid.columns && row >= 0 && row < grid.rows);
        ++counts[std::size_t(row * grid.columns + column)];
    }
    const ChiSquared fit = chiSquared(counts, map);
    EXPECT_TRUE(fit.fits()) << "chi-squared " << fit.statistic << " for " << fit.degrees
                            << " degrees of freedom";
}

INSTANTIATE_TEST_SUITE_P(Mirrors, PlanePhotonsFollow, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool> &info) {
                             return info.param ? "cut_to_a_strip" : "whole";
                         });

TEST(PlanePhotons, TheSameSeedGivesTheSamePhotons)
{
    const PlaneGrid grid{.firstX = 0, .firstY = 0, .step = 20, .columns = 3, .rows = 2};
    const std::vector<double> map{1, 2, 3, 4, 5, 6};
    const PlanePhotons photons(grid, map);
    const auto draws = [&photons](std::uint64_t seed) {
        PhotonRandom random(seed);
        std::vector<Vec2> points;
        for (int n = 0; n < 100; ++n)
            points.push_back(photons.draw(random));
        return points;
    };
    EXPECT_EQ(draws(7), draws(7));
    EXPECT_NE(draws(7), draws(8));
}

} // namespace

// The grid has a row at the top edge as at the bottom, so the mirror's image across the axis gets
// as many photons above it as below, out to the edges, however coarse the grid.
TEST(MapPhotons, AMirrorAlikeAboveAndBelowGetsAsManyPhotonsEachSide)
{
    Experiment experiment;
    experiment.wavenumber = 0.01;
    const ProbabilityMap map = *ProbabilityMap::compute(experiment, MapGrid(1000, 100));
    const MapPhotons photons(map);
    PhotonRandom random(11);
    int above = 0;
    int below = 0;
    int nearTop = 0;
    int nearBottom = 0;
    constexpr int count = 200000;
    for (int i = 0; i < count; ++i) {
        const Vec2 at = photons.draw(random);
        (at.y > 0 ? above : below) += 1;
        nearTop += at.y > 2500;
        nearBottom += at.y < -2500;
    }
    // Five standard deviations of a fair coin's count.
    const double spread = 5 * std::sqrt(count / 4.0);
    EXPECT_NEAR(above, below, 2 * spread);
    EXPECT_GT(nearTop, 0);
    EXPECT_NEAR(nearTop, nearBottom, 5 * std::sqrt(double(nearTop + nearBottom)));
}
