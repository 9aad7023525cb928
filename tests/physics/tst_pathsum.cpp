// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathsum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace veltrin;
using scene::X0;
using scene::Y0;

namespace {

// A mirror so nearly flat that it lies on the vertex line to a hundredth of a twip.
const Mirror flat(MirrorShape::parabola(1e-9));

// Light from a point, reflected by a flat mirror, seems to come from the point's mirror image:
// it reaches a detector by the mirror point on the straight line from the image to the detector.
TEST(PathSumFromAPoint, ShortestPathThroughWhereTheImageLooks)
{
    const Vec2 source{X0 + 3000, Y0 - 1000};
    const Vec2 image{2 * X0 - source.x, source.y};
    for (const Vec2 detector :
         {Vec2{X0 + 2000, Y0 + 1500}, Vec2{X0 + 500, Y0 - 2000}, Vec2{X0 + 6000, Y0 + 800}}) {
        // With one radian per twip, every arrow's phase is its path's length.
        PathSum sum(flat.bothHalves(), 1.0, Source::point(source));
        sum.resultantAt(detector);
        const auto shortest = std::ranges::min_element(sum.phases());
        const double y = sum.points()[std::size_t(shortest - sum.phases().begin())].y;
        const double expected =
            image.y + (detector.y - image.y) * (X0 - image.x) / (detector.x - image.x);
        EXPECT_NEAR(y, expected, 1.0) << "detector at " << detector.x << ", " << detector.y;
    }
}

// Of a flat mirror cut away but for a strip, the light goes on where the image sends it: the
// brightest spot on a line across the beam lies on the straight line from the image through
// the strip.
TEST(PathSumFromAPoint, BrightestSpotWhereTheImageShinesThroughAStrip)
{
    const Vec2 source{X0 + 3000, Y0 - 1000};
    const Vec2 image{2 * X0 - source.x, source.y};
    const double stripMiddle = Y0 + 500;
    std::vector<MirrorPoint> points = flat.bothHalves();
    for (MirrorPoint &point : points)
        point.present = std::abs(point.y - stripMiddle) <= 100;
    PathSum sum(points, 0.2, Source::point(source));
    EXPECT_EQ(sum.points().size(), std::size_t(201));

    const double across = X0 + 3000;
    double brightestY = 0;
    double brightest = 0;
    for (double y = scene::YTOP; y <= scene::YBOT; y += 10) {
        const double probability = PathSum::probabilityOf(sum.resultantAt({across, y}));
        if (probability > brightest) {
            brightest = probability;
            brightestY = y;
        }
    }
    const double expected = image.y + (stripMiddle - image.y) * (across - image.x) / (X0 - image.x);
    EXPECT_NEAR(brightestY, expected, 50);
}

// On the axis the mirror's two halves add the same arrows, so the whole mirror's resultant is
// twice the run's, which sums the lower half alone.
TEST(PathSumOfAParabola, WholeMirrorOnTheAxisIsTwiceTheRunsBar)
{
    for (const double k : {0.00005, 0.0002}) {
        for (const double wavenumber : {0.01, 0.04}) {
            PathSum run(k, wavenumber);
            PathSum whole(Mirror(k).bothHalves(), wavenumber);
            for (int position = 0; position < scene::detectorPositions; position += 7) {
                const double x = scene::detectorX(position);
                run.sumAt({x, Y0}, {x, scene::spiralBaseline});
                const Vec2 both = whole.resultantAt({x, Y0});
                const double bar = PathSum::probabilityOf({both.x / 2, both.y / 2});
                EXPECT_NEAR(bar, run.probability(), 1e-9 * (1 + run.probability()))
                    << "K " << k << ", frequency " << wavenumber << ", position " << position;
            }
        }
    }
}

} // namespace
