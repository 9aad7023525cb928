// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathsum.h"
#include "probabilitymap.h"
#include "scene.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace veltrin;

namespace {

Experiment parabola(double k, double wavenumber)
{
    Experiment experiment;
    experiment.shape = MirrorShape::parabola(k);
    experiment.wavenumber = wavenumber;
    return experiment;
}

/// The brightest point of the column at x among the rows from y = from upwards.
ProbabilityMap::Peak brightestInColumn(const ProbabilityMap &map, double x, double from)
{
    const MapGrid &grid = map.grid();
    ProbabilityMap::Peak peak;
    for (int row = grid.rowNear(from); row < grid.rows(); ++row) {
        const double value = map.at(grid.columnNear(x), row);
        if (value > peak.value)
            peak = {{x, grid.y(row)}, value};
    }
    return peak;
}

} // namespace

/// Holds every point of a map above a hundredth of its brightest to the double-precision path
/// sum within a thousandth; `valueAt` gives that sum at a map point.
template <typename Reference>
void expectTheDoublePrecisionSum(const ProbabilityMap &map, Reference valueAt)
{
    const MapGrid &grid = map.grid();
    const double brightest = map.brightest().value;
    int compared = 0;
    for (int row = 0; row < grid.rows(); ++row) {
        for (int column = 0; column < grid.columns(); ++column) {
            const double value = map.at(column, row);
            if (value < brightest / 100)
                continue;
            const double expected = valueAt({grid.x(column), grid.y(row)});
            ASSERT_NEAR(value, expected, 1e-3 * expected)
                << "at x " << grid.x(column) << ", y " << grid.y(row);
            ++compared;
        }
    }
    EXPECT_GT(compared, 20);
}

// Every 60 twips the grid meets the run's detector positions, and its row y = 0 is the axis.
TEST(ProbabilityMap, OnTheAxisWithTheWholeParabolaAndTheBeamItIsTheRunsBars)
{
    for (auto [k, wavenumber] : {std::pair{0.00005, 0.02}, std::pair{0.0002, 0.04}}) {
        const MapGrid grid(scene::detectorStep);
        const ProbabilityMap map = *ProbabilityMap::compute(parabola(k, wavenumber), grid);
        ASSERT_EQ(grid.columns(), scene::detectorPositions);
        PathSum run(k, wavenumber);
        std::vector<double> bars;
        for (int position = 0; position < scene::detectorPositions; ++position) {
            run.sumAt({scene::detectorX(position), scene::Y0}, {});
            bars.push_back(run.probability());
        }
        const double highest = std::ranges::max(bars);
        for (int position = 0; position < scene::detectorPositions; ++position) {
            EXPECT_NEAR(map.at(position, grid.rowNear(0)), bars[std::size_t(position)],
                        1e-3 * std::max(bars[std::size_t(position)], highest / 100))
                << "K " << k << ", position " << position;
        }
    }
}

// Above and below the axis, mirror whole or cut on one half only, beam or point source.
TEST(ProbabilityMap, EveryBrightPointIsTheDoublePrecisionPathSum)
{
    Experiment halfCut = parabola(0.0001, 0.04);
    halfCut.cut.set(MirrorCut::Half::Upper, 400, 1900, false);
    Experiment pointSource = parabola(0.00007, 0.03);
    pointSource.source = Source::point(MapGrid::sceneOf({6000, 0}));
    Experiment offAxis = pointSource;
    offAxis.source = Source::point(MapGrid::sceneOf({5000, -1300}));
    for (const Experiment &experiment : {parabola(0.00005, 0.02), halfCut, pointSource, offAxis}) {
        const MapGrid grid(100, 1000);
        const std::vector<MirrorPoint> points = experiment.points(grid.pointsPerHalf());
        PathSum sum(points, experiment.wavenumber, experiment.source, grid.arrowLength());
        expectTheDoublePrecisionSum(*ProbabilityMap::compute(experiment, grid), [&](Vec2 at) {
            return Experiment::probabilityOf(sum.resultantAt(MapGrid::sceneOf(at)));
        });
    }
}

// Each point of a circle lies R from its centre, so the paths from a point source beside the
// centre to its mirror image across the axis are all nearly as long: the light gathers there.
TEST(ProbabilityMap, APointSourceBesideACirclesCentreIsBrightestAtItsMirrorImage)
{
    Experiment experiment;
    experiment.shape = MirrorShape::circle(0.00006);
    const double radius = 2 * experiment.shape.focalLength();
    experiment.source = Source::point(MapGrid::sceneOf({radius, 1000}));
    const ProbabilityMap map = *ProbabilityMap::compute(experiment, MapGrid(40));
    const ProbabilityMap::Peak image = brightestInColumn(map, radius, map.grid().extent().yLow());
    EXPECT_NEAR(image.at.y, -1000, 60);
    // Almost every arrow points the same way there.
    EXPECT_GT(image.value, 0.9 * map.brightest().value);
}

// A grating of period d turns the beam by θ with sin θ = λ/d, so the parabola gathers that
// light beside its focus, f·tan θ off the axis; the whole mirror leaves the place dark.
TEST(ProbabilityMap, AGratingSendsLightOffTheAxisWhereItsPeriodAndTheWavelengthSay)
{
    const double k = 0.00003;
    const double wavenumber = 0.04;
    for (double period : {750.0, 900.0}) {
        Experiment experiment = parabola(k, wavenumber);
        experiment.cut = MirrorCut::grating(period);
        const double f = experiment.shape.focalLength();
        const double sine = 2 * std::numbers::pi / wavenumber / period;
        const double expected = f * sine / std::sqrt(1 - sine * sine);
        // Each half of the curved mirror turns the light a little otherwise, so it comes as two
        // spots either side of that place: their light, weighed from half to one and a half
        // times as far off the axis, centres on it.
        double weight = 0;
        double moment = 0;
        double wholeMirror = 0;
        for (double y = expected / 2; y < 1.5 * expected; y += 20) {
            const double value = experiment.probabilityAt({f, y});
            weight += value;
            moment += value * y;
            wholeMirror += parabola(k, wavenumber).probabilityAt({f, y});
        }
        EXPECT_NEAR(moment / weight, expected, 0.05 * expected) << "period " << period;
        EXPECT_LT(wholeMirror, weight / 5) << "period " << period;
    }
}

TEST(ProbabilityMap, ZonesForAPointOffTheFocusMakeItBrighterThanTheWholeMirror)
{
    Experiment experiment = parabola(0.0001, 0.02);
    const Vec2 point{4000, 500};
    const double whole = experiment.probabilityAt(point);
    experiment.cut = experiment.zonesFor(point);
    EXPECT_GT(experiment.probabilityAt(point), 3 * whole);
    EXPECT_LT(experiment.cut.keptCount(), 2 * MirrorCut::maxHeight);
}

// A circle's edges bend the light more than a parabola's, short of the focus: its brightest
// point is dimmer and its light spread along the axis.
TEST(ProbabilityMap, ACirclesFocusIsWiderAndLowerThanTheParabolas)
{
    auto focus = [](MirrorShape shape) {
        Experiment experiment;
        experiment.shape = shape;
        experiment.wavenumber = 0.04;
        const ProbabilityMap map = *ProbabilityMap::compute(experiment, MapGrid(20, 1000));
        const ProbabilityMap::Peak peak = map.brightest();
        int bright = 0; // points of the map above half the peak
        for (int row = 0; row < map.grid().rows(); ++row) {
            for (int column = 0; column < map.grid().columns(); ++column)
                bright += map.at(column, row) > peak.value / 2;
        }
        return std::pair{peak.value, bright};
    };
    const auto [parabolaPeak, parabolaWidth] = focus(MirrorShape::parabola(0.0002));
    const auto [circlePeak, circleWidth] = focus(MirrorShape::circle(0.0002));
    EXPECT_LT(circlePeak, 0.5 * parabolaPeak);
    EXPECT_GT(circleWidth, 1.5 * parabolaWidth);
}

// White light is seven wavenumbers evenly spread from Low to High, added: at every point its
// map is the mean of the seven maps of one wavenumber each.
TEST(ProbabilityMap, WhiteLightIsTheMeanOfItsSevenColours)
{
    Experiment white = parabola(0.0001, 0.02);
    white.whiteLight = true;
    const ProbabilityMap map = *ProbabilityMap::compute(white, MapGrid(500));
    for (const Vec2 point : {Vec2{2500, 0}, Vec2{2000, 500}, Vec2{6000, -1500}}) {
        double sum = 0;
        for (int colour = 0; colour < 7; ++colour)
            sum += parabola(0.0001, 0.01 + 0.005 * colour).probabilityAt(point);
        const double mean = sum / 7;
        EXPECT_NEAR(white.probabilityAt(point), mean, 1e-9 * mean) << point.x << ", " << point.y;
        EXPECT_NEAR(map.near(point), mean, 1e-6 * mean) << point.x << ", " << point.y;
    }
}

TEST(ProbabilityMap, StoppedBeforeTheLastPointItGivesNoMapAtAll)
{
    std::stop_source stop;
    const auto map = ProbabilityMap::compute(parabola(0.0001, 0.02), MapGrid(100, 300),
                                             stop.get_token(), [&](int done, int) {
                                                 if (done == 1)
                                                     stop.request_stop();
                                             });
    EXPECT_FALSE(map.has_value());
}
