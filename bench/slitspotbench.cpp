// SPDX-License-Identifier: GPL-3.0-or-later
// The slits' spot plot, found afresh on the window's thread where the light or the source changes:
// its whole curve of spot widths against a frame of 1/60 s (x_frame); and a change of the slit's
// width alone, which finds only the present slit's spot.
#include "experiment.h"
#include "slitspotplot.h"

#include <benchmark/benchmark.h>

namespace veltrin::bench {

namespace {

void BM_SlitSpotCurve(benchmark::State &state)
{
    const bool curve = state.range(0) != 0;
    SlitSpotPlot plot;
    Experiment experiment;
    experiment.element = Experiment::Element::Slits;
    experiment.slitCount = 1;
    plot.showFor(experiment);
    int step = 0;
    for (auto _ : state) {
        // Another light asks for the whole curve; another width for its own spot only.
        ++step;
        if (curve)
            experiment.wavenumber = Experiment::lowestWavenumber + 0.001 * (step % 30);
        else
            experiment.slitWidth = Slits::narrowest + 10 * (step % 190);
        plot.showFor(experiment);
        benchmark::DoNotOptimize(plot.presentSpot());
    }
    state.SetLabel(curve ? "another light: the whole curve" : "another width: its spot");
    state.counters["x_frame"] =
        benchmark::Counter(double(state.iterations()) / 60.0,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_SlitSpotCurve)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace veltrin::bench
