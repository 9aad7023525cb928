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
Seconds scalarMapTime{0};

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
    scalarMapTime = Seconds(Clock::now() - start) / state.iterations();
}

// The full map on every core, with vector sines and cosines; x_scalar is its time against the
// yardstick's, measured in the same run.
void BM_FullMap(benchmark::State &state)
{
    const Experiment experiment = defaultExperiment();
    const auto start = Clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(ProbabilityMap::compute(experiment, MapGrid::full()));
    if (scalarMapTime.count() > 0)
        state.counters["x_scalar"] =
            Seconds(Clock::now() - start) / state.iterations() / scalarMapTime;
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

BENCHMARK(BM_MapScalarLoop)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_FullMap)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_CoarseMap)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BenchCutStep)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace veltrin::bench
