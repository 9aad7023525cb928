// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment.h"
#include "mapgrid.h"
#include "pathsum.h"
#include "rowsum.h"

#include <complex>
#include <gtest/gtest.h>

using namespace veltrin;

namespace {

/// The largest difference, relative to the double-precision sum, between a row sum on `lanes`
/// and that sum, over points of the map above a hundredth of the brightest of them.
double worstDifference(const Experiment &experiment, RowSum::Lanes lanes)
{
    const MapGrid grid = MapGrid::full();
    const std::vector<MirrorPoint> points = experiment.points();
    PathSum reference(points, experiment.wavenumber, experiment.source);
    const RowSum fast(points, experiment.wavenumber, experiment.source, PathSum::arrowLength);
    std::vector<double> xs;
    for (int column = 0; column < grid.columns(); column += 7)
        xs.push_back(MapGrid::sceneOf({grid.x(column), 0}).x);
    std::vector<double> sumX(xs.size());
    std::vector<double> sumY(xs.size());
    std::vector<std::pair<double, double>> values; // fast, reference
    for (int row = 0; row < grid.rows(); row += 13) {
        const double y = MapGrid::sceneOf({0, grid.y(row)}).y;
        fast.resultants(lanes, y, xs, sumX, sumY);
        for (std::size_t i = 0; i < xs.size(); ++i)
            values.emplace_back(PathSum::probabilityOf({sumX[i], sumY[i]}),
                                PathSum::probabilityOf(reference.resultantAt({xs[i], y})));
    }
    double brightest = 0;
    for (const auto &[fastValue, expected] : values)
        brightest = std::max(brightest, expected);
    double worst = 0;
    for (const auto &[fastValue, expected] : values) {
        if (expected > brightest / 100)
            worst = std::max(worst, std::abs(fastValue - expected) / expected);
    }
    return worst;
}

std::vector<RowSum::Lanes> lanesThisProcessorRuns()
{
    std::vector<RowSum::Lanes> all{RowSum::Lanes::Baseline};
    if (RowSum::lanes() >= RowSum::Lanes::Avx2)
        all.push_back(RowSum::Lanes::Avx2);
    if (RowSum::lanes() >= RowSum::Lanes::Avx512)
        all.push_back(RowSum::Lanes::Avx512);
    return all;
}

} // namespace

TEST(RowSum, EveryCodePathGivesTheDoublePrecisionSum)
{
    Experiment cut;
    cut.shape = MirrorShape::circle(0.0002);
    cut.wavenumber = 0.04;
    cut.cut = MirrorCut::grating(300);
    cut.cut.set(MirrorCut::Half::Lower, 1, 1200, false);
    Experiment pointSource;
    pointSource.shape = MirrorShape::parabola(0.00005);
    pointSource.wavenumber = 0.013;
    pointSource.source = Source::point(MapGrid::sceneOf({7000, 2500}));
    for (RowSum::Lanes lanes : lanesThisProcessorRuns()) {
        for (const Experiment &experiment : {cut, pointSource})
            EXPECT_LT(worstDifference(experiment, lanes), 1e-3) << RowSum::nameOf(lanes);
    }
}

// A source as far as a star, ten million twips along the axis: its light's path to the mirror is
// ten thousand turns long, which only the double-precision reduction keeps to a small part of a
// turn.
TEST(RowSum, ASourceAsFarAsAStarKeepsItsPhase)
{
    Experiment star;
    star.wavenumber = 0.04;
    star.source = Source::point(MapGrid::sceneOf({1e7, 0}));
    EXPECT_LT(worstDifference(star, RowSum::lanes()), 1e-3);
}

// An element's fan: paths of their own up to each point, a denser medium on the detector's leg,
// arrows a share long and turned round; every code path against the sum written out in complex
// numbers.
TEST(RowSum, AFanThroughADenserMediumGivesTheDoublePrecisionSum)
{
    ArrowFan fan;
    for (int i = 0; i < 2000; ++i)
        fan.add({3000 + 2.5 * i, 4500 + 0.3 * (i % 7)}, 40000 + 1.7 * i + 0.001 * i * i);
    fan.index = 2.3;
    fan.amplitude = -0.4;
    const double k = 0.037;
    const double arrowLength = 1.5;
    std::vector<double> xs;
    for (double x = 2600; x < 9000; x += 97)
        xs.push_back(x);
    std::vector<double> sumX(xs.size());
    std::vector<double> sumY(xs.size());
    const RowSum fast(fan, k, arrowLength);
    for (RowSum::Lanes lanes : lanesThisProcessorRuns()) {
        for (double y : {6200.0, 7400.0}) {
            fast.resultants(lanes, y, xs, sumX, sumY);
            for (std::size_t d = 0; d < xs.size(); ++d) {
                std::complex<double> sum;
                for (std::size_t i = 0; i < fan.points.size(); ++i) {
                    const double leg = std::hypot(xs[d] - fan.points[i].x, y - fan.points[i].y);
                    sum += std::polar(fan.amplitude * arrowLength,
                                      k * (fan.pathBefore[i] + fan.index * leg));
                }
                EXPECT_NEAR(sumX[d], sum.real(), 2e-4 * std::abs(sum) + 0.05)
                    << RowSum::nameOf(lanes) << " at " << xs[d] << ", " << y;
                EXPECT_NEAR(sumY[d], sum.imag(), 2e-4 * std::abs(sum) + 0.05)
                    << RowSum::nameOf(lanes) << " at " << xs[d] << ", " << y;
            }
        }
    }
}
