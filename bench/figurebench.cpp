// SPDX-License-Identifier: GPL-3.0-or-later
// A figure made with no display, as --save-picture makes it once the toolkit has started: the
// run, the picture and the PNG file, against the floor of the same run with no picture saved;
// and the worksheet figure of the same run, as PNG and SVG.
#include "figure.h"
#include "figuresaver.h"
#include "headlessrun.h"
#include "picturesaver.h"
#include "scenecaptions.h"

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

/// The worksheet figure of the default run, once the run is made: its strokes gathered from the
/// run drawn again (strokes_ms), then the PNG file (png_ms) and the SVG file (svg_ms).
void BM_WorksheetFigure(benchmark::State &state)
{
    QTemporaryDir dir;
    const HeadlessRun run{StartOptions{}};
    Seconds strokes{0}, png{0}, svg{0};
    for (auto _ : state) {
        const auto start = Clock::now();
        const Figure figure(run.history(), SceneCaptions::forFigure());
        const auto made = Clock::now();
        const QString pngFailure =
            FigureSaver::save(figure, dir.filePath(QStringLiteral("figure.png")));
        const auto pngSaved = Clock::now();
        const QString svgFailure =
            FigureSaver::save(figure, dir.filePath(QStringLiteral("figure.svg")));
        const auto svgSaved = Clock::now();
        if (!pngFailure.isEmpty() || !svgFailure.isEmpty()) {
            state.SkipWithError(qPrintable(pngFailure + svgFailure));
            return;
        }
        strokes += made - start;
        png += pngSaved - made;
        svg += svgSaved - pngSaved;
    }
    const double n = double(state.iterations());
    state.counters["strokes_ms"] = strokes.count() * 1000 / n;
    state.counters["png_ms"] = png.count() * 1000 / n;
    state.counters["svg_ms"] = svg.count() * 1000 / n;
}

} // namespace

BENCHMARK(BM_HeadlessFigure)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WorksheetFigure)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace veltrin::bench
