// SPDX-License-Identifier: GPL-3.0-or-later
#include "probabilitymap.h"
#include "scancommand.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <utility>

namespace veltrin::bench {

namespace {

// The glass layer's scan of 500 thicknesses with every echo, as --save-scan writes it, text and
// all (target under 50 ms); arg 1 for white light's seven wavenumbers.
void BM_GlassScan(benchmark::State &state)
{
    ScanCommand::Request request;
    request.wavenumbers =
        state.range(0) == 1 ? Experiment::whiteWavenumbers() : std::vector<double>{0.02};
    request.echoes = true;
    request.from = 0;
    request.step = 2;
    request.to = 998;
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanCommand::text(request));
    state.counters["rows"] = request.rows();
}

Experiment element(Experiment::Element kind)
{
    Experiment experiment;
    experiment.element = kind;
    experiment.wavenumber = 0.02;
    if (kind == Experiment::Element::Boundary)
        experiment.beamAngle = 30;
    if (kind == Experiment::Element::Lens)
        experiment.source = Source::point(MapGrid::sceneOf({1000, 0}));
    return experiment;
}

/// The arrows a full map adds: each point's from the fan that reaches it; for the mirror, cut
/// on one half so that every row is summed, each point's arrows.
double arrowsIn(const Experiment &experiment, const MapGrid &grid)
{
    if (experiment.element == Experiment::Element::Mirror) {
        const std::vector<MirrorPoint> points = experiment.points();
        return double(grid.size()) * double(std::ranges::count_if(points, &MirrorPoint::present));
    }
    const std::vector<ArrowFan> fans = experiment.fans();
    double arrows = 0;
    for (int row = 0; row < grid.rows(); ++row) {
        for (int column = 0; column < grid.columns(); ++column) {
            if (const int fan = experiment.fanAt({grid.x(column), grid.y(row)}); fan >= 0)
                arrows += double(fans[std::size_t(fan)].points.size());
        }
    }
    return arrows;
}

// The boundary's and the lens's full maps against the mirror's, in the same run: arrows a second
// each, and the ratio of each element's to the mirror's (x_mirror; 1 is as fast per arrow).
void BM_ElementMaps(benchmark::State &state)
{
    Experiment mirror;
    mirror.cut = MirrorCut::grating(300);
    mirror.cut.set(MirrorCut::Half::Lower, 1, MirrorCut::maxHeight, true);
    const Experiment boundary = element(Experiment::Element::Boundary);
    const Experiment lens = element(Experiment::Element::Lens);
    const MapGrid grid = MapGrid::full();
    double seconds[3] = {};
    for (auto _ : state) {
        int i = 0;
        for (const Experiment *experiment : {&std::as_const(mirror), &boundary, &lens}) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(ProbabilityMap::compute(*experiment, grid));
            seconds[i++] +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
    }
    const double iterations = double(state.iterations());
    const double mirrorRate = arrowsIn(mirror, grid) * iterations / seconds[0];
    const double boundaryRate = arrowsIn(boundary, grid) * iterations / seconds[1];
    const double lensRate = arrowsIn(lens, grid) * iterations / seconds[2];
    state.counters["mirror_arrows_per_s"] = mirrorRate;
    state.counters["boundary_x_mirror"] = boundaryRate / mirrorRate;
    state.counters["lens_x_mirror"] = lensRate / mirrorRate;
}

/// A dozen slits lit from a point off the axis, so that every row is summed.
Experiment dozenSlits(bool marked)
{
    Experiment experiment;
    experiment.element = Experiment::Element::Slits;
    experiment.slitCount = 12;
    experiment.slitWidth = 200;
    experiment.slitSeparation = 480;
    experiment.source = Source::point(MapGrid::sceneOf({-4000, 100}));
    experiment.whichPath = marked;
    return experiment;
}

/// The arrows a slits' full map adds: every slit's at every point behind the screen.
double slitArrowsIn(const Experiment &experiment, const MapGrid &grid)
{
    double arrows = 0;
    for (const ArrowFan &fan : experiment.fans())
        arrows += double(fan.points.size());
    return arrows * double(grid.over(experiment.mapExtent()).size());
}

// The slits' full map against the mirror's, in the same run: arrows a second, and the ratio to the
// mirror's with the arrows of all slits added together and with each slit's apart (marked).
void BM_SlitsMaps(benchmark::State &state)
{
    Experiment mirror;
    mirror.cut = MirrorCut::grating(300);
    mirror.cut.set(MirrorCut::Half::Lower, 1, MirrorCut::maxHeight, true);
    const Experiment together = dozenSlits(false);
    const Experiment marked = dozenSlits(true);
    const MapGrid grid = MapGrid::full();
    double seconds[3] = {};
    for (auto _ : state) {
        int i = 0;
        for (const Experiment *experiment : {&std::as_const(mirror), &together, &marked}) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(
                ProbabilityMap::compute(*experiment, grid.over(experiment->mapExtent())));
            seconds[i++] +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
    }
    const double iterations = double(state.iterations());
    const double mirrorRate = arrowsIn(mirror, grid) * iterations / seconds[0];
    state.counters["mirror_arrows_per_s"] = mirrorRate;
    state.counters["slits_x_mirror"] =
        slitArrowsIn(together, grid) * iterations / seconds[1] / mirrorRate;
    state.counters["marked_x_mirror"] =
        slitArrowsIn(marked, grid) * iterations / seconds[2] / mirrorRate;
}

} // namespace

BENCHMARK(BM_GlassScan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ElementMaps)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SlitsMaps)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace veltrin::bench
