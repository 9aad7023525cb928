// SPDX-License-Identifier: GPL-3.0-or-later
// The README's three experiments on the bench, read off the maps the bench shows: the numbers a
// teacher is told to look for are the numbers the program gives.
#include "probabilitymap.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace veltrin;

namespace {

Experiment parabola(double k, double wavenumber)
{
    Experiment experiment;
    experiment.shape = MirrorShape::parabola(k);
    experiment.wavenumber = wavenumber;
    return experiment;
}

ProbabilityMap fullMapOf(const Experiment &experiment)
{
    return *ProbabilityMap::compute(experiment, MapGrid::full(experiment.mapExtent()));
}

/// Above the axis in the focal plane, the heights of the two brightest places brighter than
/// both their neighbours, lower first.
std::pair<double, double> twoSpotsInTheFocalPlane(const Experiment &experiment)
{
    const ProbabilityMap map = fullMapOf(experiment);
    const MapGrid &grid = map.grid();
    const int column = grid.columnNear(experiment.shape.focalLength());
    std::vector<std::pair<double, double>> peaks; // value, height
    for (int row = grid.axisRow() + 2; row + 1 < grid.rows(); ++row) {
        const double value = map.at(column, row);
        if (value > map.at(column, row - 1) && value >= map.at(column, row + 1))
            peaks.emplace_back(value, grid.y(row));
    }
    std::ranges::sort(peaks, std::greater{});
    EXPECT_GE(peaks.size(), 2u);
    return std::minmax(peaks.at(0).second, peaks.at(1).second);
}

} // namespace

// 1. The grating: K = 0.00003, High, period 750; then 1500; then Middle.
TEST(BenchExperiments, AGratingsSideSpotsLieWhereTheReadmeSays)
{
    Experiment grating = parabola(0.00003, 0.04);
    EXPECT_GT(grating.mapExtent().xEnd, grating.shape.focalLength() + 1000);
    grating.cut = MirrorCut::grating(750);
    EXPECT_EQ(twoSpotsInTheFocalPlane(grating), std::pair(1620.0, 2000.0));
    grating.cut = MirrorCut::grating(1500);
    EXPECT_EQ(twoSpotsInTheFocalPlane(grating), std::pair(680.0, 1060.0));
    grating.wavenumber = 0.02;
    EXPECT_EQ(twoSpotsInTheFocalPlane(grating), std::pair(1360.0, 2180.0));
}

// 2. Zones for the point x = 4000, y = 500 of the whole parabola, K = 0.0001, Middle.
TEST(BenchExperiments, ZonesMakeAPointOffTheFocusAsBrightAsTheReadmeSays)
{
    Experiment experiment = parabola(0.0001, 0.02);
    const Vec2 point{4000, 500};
    EXPECT_NEAR(experiment.probabilityAt(point), 134.7, 0.1);
    const ProbabilityMap::Peak focus = fullMapOf(experiment).brightest();
    EXPECT_NEAR(focus.value, 2234.6, 0.1);
    EXPECT_EQ(focus.at, (Vec2{2420, 0}));
    experiment.cut = experiment.zonesFor(point);
    EXPECT_NEAR(experiment.probabilityAt(point), 505.0, 0.1);
}

// 3. A circle against the parabola: K = 0.0002, High.
TEST(BenchExperiments, ACirclesFocusIsAQuarterOfTheParabolasAndShortOfIt)
{
    const ProbabilityMap::Peak parabolas = fullMapOf(parabola(0.0002, 0.04)).brightest();
    Experiment circle = parabola(0.0002, 0.04);
    circle.shape = MirrorShape::circle(0.0002);
    const ProbabilityMap::Peak circles = fullMapOf(circle).brightest();
    EXPECT_NEAR(parabolas.value, 2094.8, 0.1);
    EXPECT_NEAR(circles.value, 558.0, 0.1);
    EXPECT_EQ(parabolas.at, (Vec2{1220, 0}));
    EXPECT_EQ(circles.at, (Vec2{1040, 0}));
}
