// SPDX-License-Identifier: GPL-3.0-or-later
// A figure made with no display, as --save-picture makes it once the toolkit has started: the
// run, the picture and the PNG file, against the floor of the same run with no picture saved.
#include "headlessrun.h"
#include "picturesaver.h"

#include <QImageWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace veltrin::bench {

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

void BM_HeadlessFigure(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("figure.png"));
    Seconds figure{0}, floor{0}, png{0};
    for (auto _ : state) {
        const auto start = Clock::now();
        const HeadlessRun run{StartOptions{}};
        const auto ran = Clock::now();
        const QString failure = PictureSaver::save(run.picture(), path);
        const auto saved = Clock::now();
        if (!failure.isEmpty()) {
            state.SkipWithError(qPrintable(failure));
            return;
        }
        figure += saved - start;
        floor += ran - start;
        png += saved - ran;
    }
    state.counters["x_floor"] = figure / floor;
    state.counters["png_ms"] = png.count() * 1000 / double(state.iterations());
}

} // namespace

BENCHMARK(BM_HeadlessFigure)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace veltrin::bench
