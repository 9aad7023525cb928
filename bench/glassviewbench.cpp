// SPDX-License-Identifier: GPL-3.0-or-later
// The glass layer's view as its thickness slider moves: one step of the thickness and the whole
// view painted anew at the bench's size, against a frame of 1/60 s (x_frame). One colour, and
// white light with every echo, the most there is to draw.
#include "experiment.h"
#include "glasslayerview.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <chrono>

namespace veltrin::bench {

namespace {

void BM_GlassLayerSliderStep(benchmark::State &state)
{
    const bool white = state.range(0) != 0;
    GlassLayerView view;
    view.setEchoes(white);
    view.setWavenumbers(white ? Experiment::whiteWavenumbers() : std::vector<double>{0.02});
    QImage picture(980, 660, QImage::Format_RGB32);
    double thickness = 0;
    for (auto _ : state) {
        thickness = thickness >= GlassLayerView::thickest ? 0 : thickness + 5;
        view.setThickness(thickness);
        QPainter painter(&picture);
        view.paintOn(painter, picture.rect());
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.SetLabel(white ? "white light, every echo" : "one colour");
    state.counters["x_frame"] =
        benchmark::Counter(double(state.iterations()) / 60.0,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_GlassLayerSliderStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace veltrin::bench
