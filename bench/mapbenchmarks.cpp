// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchwindow.h"
#include "mapcomputer.h"
#include "optimisedmap.h"
#include "probabilitymap.h"
#include "referenceloop.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>

namespace veltrin::bench {

namespace {

/// Wall-clock and processor time of one call, seconds; processor time counts every thread.
struct Timed
{
    double wall = 0;
    double cpu = 0;
};

double processorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

template <typename Work> Timed timed(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = processorSeconds();
    benchmark::DoNotOptimize(work());
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            processorSeconds() - cpuStart};
}

Experiment wholeParabola()
{
    Experiment experiment;
    experiment.shape = MirrorShape::parabola(0.0001);
    experiment.wavenumber = 0.02;
    return experiment;
}

/// The same mirror with strips cut from one half only: no longer its own image across the
/// axis, so every row of the map is summed.
Experiment halfCutParabola()
{
    Experiment experiment = wholeParabola();
    experiment.cut = MirrorCut::grating(300);
    experiment.cut.set(MirrorCut::Half::Lower, 1, MirrorCut::maxHeight, true);
    return experiment;
}

/// Arrows in the map: each point's, whether summed or mirrored.
double arrowsIn(const Experiment &experiment, const MapGrid &grid)
{
    const std::vector<MirrorPoint> points = experiment.points(grid.pointsPerHalf());
    const auto present = std::ranges::count_if(points, &MirrorPoint::present);
    return double(grid.size()) * double(present) * double(experiment.wavenumbers().size());
}

/// The map's time for each of its arrows against the yardsticks' for each of theirs, measured in
/// the same run (`optimised` the time of one yardstick map): `x_optimised` wall-clock time (the map
/// on every core, the yardstick on one), `x_optimised_cpu` processor time, `x_scalar` against the
/// plain scalar loop.
void reportRatios(benchmark::State &state, Timed map, double arrows, Timed optimised,
                  double scalarPerArrow = 0)
{
    state.counters["x_optimised"] = map.wall / arrows / (optimised.wall / optimisedMapArrows);
    state.counters["x_optimised_cpu"] = map.cpu / arrows / (optimised.cpu / optimisedMapArrows);
    if (scalarPerArrow > 0)
        state.counters["x_scalar"] = map.wall / arrows / scalarPerArrow;
}

/// The plain scalar loop's time for one arrow, from a few rows of its map.
double scalarSecondsPerArrow()
{
    constexpr int rows = 2;
    return timed([] { return referenceMap(rows); }).wall / (425.0 * rows * 6000);
}

// The full map on every core, for the whole mirror (arg 0: half the rows summed, the rest its
// image) and for one cut on one half only (arg 1: every row summed). Each iteration times the
// optimised yardstick too.
void BM_FullMap(benchmark::State &state)
{
    const Experiment experiment = state.range(0) == 0 ? wholeParabola() : halfCutParabola();
    const double scalar = scalarSecondsPerArrow();
    Timed map;
    Timed optimised;
    for (auto _ : state) {
        const Timed yardstick = timed(optimisedMap);
        const Timed one =
            timed([&] { return ProbabilityMap::compute(experiment, MapGrid::full()); });
        state.SetIterationTime(one.wall);
        map = {map.wall + one.wall, map.cpu + one.cpu};
        optimised = {optimised.wall + yardstick.wall, optimised.cpu + yardstick.cpu};
    }
    const double iterations = double(state.iterations());
    optimised = {optimised.wall / iterations, optimised.cpu / iterations};
    reportRatios(state, map, arrowsIn(experiment, MapGrid::full()) * iterations, optimised, scalar);
}

// White light's full map: seven wavenumbers, every one a map of its own (target under a second).
void BM_WhiteLight(benchmark::State &state)
{
    Experiment experiment = wholeParabola();
    experiment.whiteLight = true;
    Timed map;
    Timed optimised;
    for (auto _ : state) {
        const Timed yardstick = timed(optimisedMap);
        const Timed one =
            timed([&] { return ProbabilityMap::compute(experiment, MapGrid::full()); });
        state.SetIterationTime(one.wall);
        map = {map.wall + one.wall, map.cpu + one.cpu};
        optimised = {optimised.wall + yardstick.wall, optimised.cpu + yardstick.cpu};
    }
    const double iterations = double(state.iterations());
    optimised = {optimised.wall / iterations, optimised.cpu / iterations};
    reportRatios(state, map, arrowsIn(experiment, MapGrid::full()) * iterations, optimised);
}

// The coarse map the pupil sees at once after every change (target 5 ms), of a mirror cut on
// one half, so that every row is summed.
void BM_CoarseMap(benchmark::State &state)
{
    const Experiment experiment = halfCutParabola();
    const Timed optimised = timed(optimisedMap);
    Timed map;
    for (auto _ : state) {
        const Timed one =
            timed([&] { return ProbabilityMap::compute(experiment, MapGrid::coarse()); });
        state.SetIterationTime(one.wall);
        map = {map.wall + one.wall, map.cpu + one.cpu};
    }
    reportRatios(state, map, arrowsIn(experiment, MapGrid::coarse()) * double(state.iterations()),
                 optimised);
}

// What a drag across the mirror costs the window's thread at each step: the experiment
// changed, the detector's arrows summed and the computation handed to other threads.
void BM_BenchCutStep(benchmark::State &state)
{
    BenchWindow bench;
    bench.show(); // a hidden bench hands nothing to its threads
    Experiment experiment = bench.experiment();
    int height = 1;
    for (auto _ : state) {
        experiment.cut.set(MirrorCut::Half::Upper, height, height + 20, false);
        height = height % 2900 + 20;
        bench.setExperiment(experiment);
    }
}

} // namespace

BENCHMARK(BM_FullMap)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();
BENCHMARK(BM_WhiteLight)->Unit(benchmark::kMillisecond)->Iterations(2)->UseManualTime();
BENCHMARK(BM_CoarseMap)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_BenchCutStep)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace veltrin::bench
