// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror.h"
#include "probabilitymap.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace veltrin;

namespace {

constexpr double degree = std::numbers::pi / 180;

// Every 20 twips, the elements sampled every 3 twips, as the coarse map samples them.
const MapGrid grid(20, Mirror::sampleCount / 3);

/// Where the beam crosses a map's row: the mean x of the points at least half as bright as the
/// row's brightest, weighted by probability. The faint light that the window's edges spread
/// everywhere is left out.
double middleOfRow(const ProbabilityMap &map, double y)
{
    const MapGrid &grid = map.grid();
    const int row = grid.rowNear(y);
    double brightest = 0;
    for (int column = 0; column < grid.columns(); ++column)
        brightest = std::max(brightest, map.at(column, row));
    double weight = 0;
    double moment = 0;
    for (int column = 0; column < grid.columns(); ++column) {
        if (const double value = map.at(column, row); value >= brightest / 2) {
            weight += value;
            moment += value * grid.x(column);
        }
    }
    return moment / weight;
}

Experiment lens(double index, Vec2 source, Vec2 target)
{
    Experiment experiment;
    experiment.element = Experiment::Element::Lens;
    experiment.index = index;
    experiment.wavenumber = 0.03;
    experiment.source = Source::point(MapGrid::sceneOf(source));
    experiment.target = target;
    return experiment;
}

} // namespace

// Nothing in the sum knows the law of refraction: the beam's direction in the medium, read off
// the map between two depths, comes out of the arrows.
TEST(Boundary, TheBeamInTheMediumBendsAsSinesOverTheIndex)
{
    for (double angle : {25.0, 55.0}) {
        for (double n : {1.33, 2.2}) {
            Experiment experiment;
            experiment.element = Experiment::Element::Boundary;
            experiment.index = n;
            experiment.beamAngle = angle;
            experiment.wavenumber = 0.03;
            const ProbabilityMap map = *ProbabilityMap::compute(experiment, grid);
            // The slope of the beam's middle against depth, fitted over the rows below 500.
            double count = 0, sumDepth = 0, sumX = 0, sumDepthX = 0, sumDepth2 = 0;
            for (double depth = 500; depth <= 2800; depth += grid.step()) {
                const double x = middleOfRow(map, -depth);
                count += 1;
                sumDepth += depth;
                sumX += x;
                sumDepthX += depth * x;
                sumDepth2 += depth * depth;
            }
            const double slope =
                (count * sumDepthX - sumDepth * sumX) / (count * sumDepth2 - sumDepth * sumDepth);
            const double bent = std::atan(slope);
            EXPECT_NEAR(bent / degree, std::asin(std::sin(angle * degree) / n) / degree, 0.6)
                << angle << "°, n " << n;
        }
    }
}

TEST(Lens, GathersTheLightAtItsTarget)
{
    for (auto [source, target] :
         {std::pair{Vec2{1000, 0}, Vec2{7500, 0}}, std::pair{Vec2{1500, -800}, Vec2{6600, 900}}}) {
        const ProbabilityMap map = *ProbabilityMap::compute(lens(1.5, source, target), grid);
        const ProbabilityMap::Peak peak = map.brightest();
        EXPECT_NEAR(peak.at.x, target.x, 100);
        EXPECT_NEAR(peak.at.y, target.y, 40);
        // Glass of index 1 is air: the same opening with no lens in it.
        const double bare = lens(1.0, source, target).probabilityAt(target);
        EXPECT_GT(peak.value, 50 * bare) << peak.value << " against " << bare;
    }
}
