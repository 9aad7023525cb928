// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror.h"
#include "probabilitymap.h"
#include "slitspot.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace veltrin;

namespace {

constexpr double far = Slits::mapEnd; // the map's far edge, map x

Experiment slits(int count, double width, double separation, double wavenumber)
{
    Experiment experiment;
    experiment.element = Experiment::Element::Slits;
    experiment.slitCount = count;
    experiment.slitWidth = width;
    experiment.slitSeparation = separation;
    experiment.wavenumber = wavenumber;
    return experiment;
}

double wavelengthOf(double wavenumber)
{
    return 2 * std::numbers::pi / wavenumber;
}

/// Where, going up from the axis along the far edge, the light first grows brighter again: the
/// first fringe beside the middle one.
double firstFringe(const Experiment &experiment)
{
    double before = experiment.probabilityAt({far, 0});
    bool falling = true;
    for (double y = 2; y <= 3000; y += 2) {
        const double value = experiment.probabilityAt({far, y});
        if (!falling && value < before)
            return y - 2;
        falling = value < before;
        before = value;
    }
    return 0;
}

/// Half the central spot's width at half its height, on the far edge.
double halfWidth(const Experiment &experiment)
{
    const double middle = experiment.probabilityAt({far, 0});
    double y = 0;
    while (y < 3000 && experiment.probabilityAt({far, y}) > middle / 2)
        y += 2;
    return y;
}

/// (brightest − darkest) / (brightest + darkest) of a map's far column within `reach` of the axis.
double contrast(const ProbabilityMap &map, double reach)
{
    const MapGrid &grid = map.grid();
    const int column = grid.columnNear(far);
    double brightest = 0;
    double darkest = INFINITY;
    for (int row = grid.rowNear(-reach); row <= grid.rowNear(reach); ++row) {
        brightest = std::max(brightest, map.at(column, row));
        darkest = std::min(darkest, map.at(column, row));
    }
    return (brightest - darkest) / (brightest + darkest);
}

} // namespace

// Far behind two narrow slits the fringes lie a wavelength times the distance over the slits'
// separation apart.
TEST(Slits, FringesFarBehindTwoSlitsAreWavelengthTimesDistanceOverSeparation)
{
    for (double separation : {800.0, 1200.0}) {
        for (double k : {0.03, 0.04}) {
            const double expected = wavelengthOf(k) * far / separation;
            EXPECT_NEAR(firstFringe(slits(2, 40, separation, k)), expected, 0.04 * expected)
                << "separation " << separation << ", wavenumber " << k;
        }
    }
}

// One slit's central spot is as wide as the wavelength over the slit's width: sin θ at half the
// height is 0.443 λ / W, where sin x / x falls to 1/√2.
TEST(Slits, TheCentralSpotWidensAsTheSlitNarrows)
{
    constexpr double k = 0.04;
    const double wide = halfWidth(slits(1, 600, 0, k));
    const double narrow = halfWidth(slits(1, 300, 0, k));
    for (auto [width, measured] : {std::pair{600.0, wide}, std::pair{300.0, narrow}}) {
        const double expected = far * std::tan(std::asin(0.443 * wavelengthOf(k) / width));
        EXPECT_NEAR(measured, expected, 0.06 * expected) << "width " << width;
    }
    EXPECT_GT(narrow, 1.8 * wide);
}

// The bench's plot of the spot against the slit's width measures it as the map shows it; below
// about half a wavelength the spot never falls to half, and it is as wide as measured at all.
TEST(Slits, TheSpotPlottedIsTheMapsSpot)
{
    constexpr double k = 0.04;
    for (double width : {300.0, 600.0}) {
        const double map = 2 * halfWidth(slits(1, width, 0, k));
        EXPECT_NEAR(SlitSpot::width(width, Source::beam(), k, far, 3000), map, 0.02 * map)
            << "width " << width;
    }
    EXPECT_EQ(SlitSpot::width(0.4 * wavelengthOf(k), Source::beam(), k, far, 20000), 40000);
}

// Marks on the slits say which way each photon went: the arrows of different slits no longer
// add, and the fringes vanish; erase the marks and they come back. On the map's fast sums.
TEST(Slits, WhichPathMarkersWashOutTheFringesAndTheEraserBringsThemBack)
{
    constexpr double k = 0.04;
    constexpr double separation = 800;
    const double fringe = wavelengthOf(k) * far / separation;
    const MapGrid grid(20, Mirror::sampleCount / 3);
    Experiment experiment = slits(2, 40, separation, k);
    EXPECT_GT(contrast(*ProbabilityMap::compute(experiment, grid), fringe), 0.8);

    experiment.whichPath = true;
    const ProbabilityMap marked = *ProbabilityMap::compute(experiment, grid);
    EXPECT_LT(contrast(marked, fringe), 0.1);
    // The fast sums against the reference, below the axis and in a row copied above it.
    for (Vec2 at : {Vec2{far, -fringe / 2}, Vec2{4000, 300}}) {
        const double reference = experiment.probabilityAt(at);
        EXPECT_NEAR(marked.near(at), reference, 1e-3 * reference);
    }

    experiment.eraser = true;
    EXPECT_GT(contrast(*ProbabilityMap::compute(experiment, grid), fringe), 0.8);
}

// Each slit's own resultant at a point, and their total, are what the map adds.
TEST(Slits, EachSlitsResultantAddsToTheTotal)
{
    Experiment experiment = slits(3, 100, 700, 0.02);
    experiment.source = Source::point(MapGrid::sceneOf({-3000, 400}));
    const Vec2 at{5000, -900};
    const std::vector<Vec2> resultants = experiment.slitResultants(at, experiment.wavenumber);
    ASSERT_EQ(resultants.size(), 4u);
    EXPECT_NEAR(Experiment::probabilityOf(resultants.back()), experiment.probabilityAt(at),
                1e-9 * experiment.probabilityAt(at));
    experiment.whichPath = true;
    double apart = 0;
    for (std::size_t slit = 0; slit < 3; ++slit)
        apart += Experiment::probabilityOf(resultants[slit]);
    EXPECT_NEAR(apart, experiment.probabilityAt(at), 1e-9 * apart);
}
