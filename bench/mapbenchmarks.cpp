// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchwindow.h"
#include "mapcomputer.h"
#include "probabilitymap.h"
#include "referenceloop.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace veltrin::bench {

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// The scalar map's real time per iteration, as its benchmark last measured it.
Seconds measuredScalarMap{0};

/// The yardstick's time: as its benchmark measured it, or, for a benchmark run without it,
/// measured here once (the whole scalar map, tens of seconds), so that the ratio is of two
/// measurements of the same run.
Seconds scalarMapTime()
{
    if (measuredScalarMap.count() == 0) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(referenceMap());
        measuredScalarMap = Clock::now() - start;
    }
    return measuredScalarMap;
}

Experiment defaultExperiment()
{
    Experiment experiment;
    experiment.shape = MirrorShape::parabola(0.0001);
    experiment.wavenumber = 0.02;
    return experiment;
}

// The yardstick: the full map's arithmetic as a plain loop on one core.
void BM_MapScalarLoop(benchmark::State &state)
{
    const auto start = Clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(referenceMap());
    measuredScalarMap = Seconds(Clock::now() - start) / state.iterations();
}

// The full map on every core, with vector sines and cosines; x_scalar is its time against the
// yardstick's, measured in the same run.
void BM_FullMap(benchmark::State &state)
{
    const Experiment experiment = defaultExperiment();
    const Seconds yardstick = scalarMapTime();
    const auto start = Clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(ProbabilityMap::compute(experiment, MapGrid::full()));
    state.counters["x_scalar"] = Seconds(Clock::now() - start) / state.iterations() / yardstick;
}

// The map the pupil sees at once after every change.
void BM_CoarseMap(benchmark::State &state)
{
    Experiment experiment = defaultExperiment();
    experiment.cut = MirrorCut::grating(300);
    for (auto _ : state)
        benchmark::DoNotOptimize(ProbabilityMap::compute(experiment, MapGrid::coarse()));
}

// What a drag across the mirror costs the window's thread at each step: the experiment
// changed, the detector's arrows summed and the computation handed to other threads.
void BM_BenchCutStep(benchmark::State &state)
{
    BenchWindow bench;
    Experiment experiment = bench.experiment();
    int height = 1;
    for (auto _ : state) {
        experiment.cut.set(MirrorCut::Half::Upper, height, height + 20, false);
        height = height % 2900 + 20;
        bench.setExperiment(experiment);
    }
}

} // namespace

BENCHMARK(BM_MapScalarLoop)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_FullMap)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_CoarseMap)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BenchCutStep)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace veltrin::bench
