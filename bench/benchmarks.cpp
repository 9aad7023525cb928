// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchphotons.h"
#include "benchwindow.h"
#include "chainview.h"
#include "closeupwindow.h"
#include "mapcomputer.h"
#include "mapview.h"
#include "pacedrun.h"
#include "pathsum.h"
#include "photonoverlay.h"
#include "photonpanel.h"
#include "photonrandom.h"
#include "photonstream.h"
#include "planephotons.h"
#include "recordingsurface.h"
#include "referenceloop.h"
#include "run.h"
#include "scene.h"
#include "shownwindow.h"
#include "twips.h"
#include "veltrinwindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QImage>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <memory>

namespace veltrin::bench {

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// The parameters a freshly loaded window holds.
constexpr double defaultK = 0.00005;
constexpr double defaultFrequency = 0.02;

// The yardstick's real time per iteration, as its benchmark last measured it.
Seconds measuredReference{0};

/// The yardstick's time: as its benchmark measured it, or, for a benchmark run without it,
/// measured here once, so that every ratio is of two measurements of the same run.
Seconds referenceTime()
{
    if (measuredReference.count() == 0) {
        constexpr int runs = 20;
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < runs; ++i)
            benchmark::DoNotOptimize(referenceLoop());
        measuredReference = Seconds(Clock::now() - start) / runs;
    }
    return measuredReference;
}

/// Times the benchmark's loop and reports its real time as a multiple of the yardstick's in the
/// counter x_reference: one run of the program measures both, so the noise of a shared machine
/// largely cancels.
class RatioToReference
{
public:
    explicit RatioToReference(benchmark::State &state)
        : m_state(state), m_reference(referenceTime()), m_start(Clock::now())
    {
    }
    ~RatioToReference()
    {
        if (m_state.iterations() > 0)
            m_state.counters["x_reference"] =
                Seconds(Clock::now() - m_start) / m_state.iterations() / m_reference;
    }

private:
    benchmark::State &m_state;
    Seconds m_reference;
    Clock::time_point m_start;
};

void BM_ReferenceLoop(benchmark::State &state)
{
    const Clock::time_point start = Clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(referenceLoop());
    measuredReference = Seconds(Clock::now() - start) / state.iterations();
}

void BM_PathSum(benchmark::State &state)
{
    const RatioToReference ratio(state);
    for (auto _ : state) {
        PathSum pathSum(defaultK, defaultFrequency);
        for (int i = 0; i < scene::detectorPositions; ++i) {
            pathSum.sumAt({scene::detectorX(i), scene::Y0},
                          {scene::detectorX(i), scene::spiralBaseline});
            benchmark::DoNotOptimize(pathSum.probability());
        }
        benchmark::ClobberMemory();
    }
}

void BM_RunRecording(benchmark::State &state)
{
    const RatioToReference ratio(state);
    for (auto _ : state) {
        RecordingSurface surface; // holds the fields of a freshly loaded window
        surface.setKeepChainPoints(false);
        Run(surface).drawToEnd();
        benchmark::DoNotOptimize(surface.arrowCount());
    }
}

void BM_RunQtSurface(benchmark::State &state)
{
    ShownWindow shown;
    if (!shown.isExposed()) {
        state.SkipWithError("The window did not come on the screen");
        return;
    }
    const RatioToReference ratio(state);
    for (auto _ : state) {
        // Every iteration is a first run: no question, nothing erased.
        if (!runInWindow(shown)) {
            state.SkipWithError("The run failed");
            return;
        }
    }
}

void BM_CloseUpUpdate(benchmark::State &state)
{
    // One step of the close-up window to the next position: the sum, the figures, and the
    // whole window drawn afresh into an image of its size.
    const RatioToReference ratio(state);
    CloseUpWindow window;
    window.setRun(defaultK, defaultFrequency, QColor(0, 255, 0));
    window.setArrowCount(int(state.range(0)));
    window.show();
    const ChainView *chain = window.findChild<ChainView *>();
    if (!chain || chain->width() < 100) {
        state.SkipWithError("The window did not lay out its views");
        return;
    }
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    int position = 0;
    for (auto _ : state) {
        position = (position + 1) % scene::detectorPositions;
        window.setPosition(position);
        window.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_Pacing(benchmark::State &state)
{
    // One iteration is one detector position and the pause after it, drawn into the recording
    // surface so that the pause is nearly all of it.
    const double count = double(state.range(0));
    RecordingSurface surface;
    surface.setKeepChainPoints(false);
    surface.setText(Field::Spomaleni, QString::number(state.range(0)));
    std::unique_ptr<PacedRun> run;
    const auto startRun = [&] {
        surface.setText(Field::Prvni, QStringLiteral("0"));
        run = std::make_unique<PacedRun>(surface);
        run->start();
        awaitPosition(*run); // the first position comes without a pause
    };
    startRun();
    const Clock::time_point start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    for (auto _ : state) {
        if (run->run().atEnd())
            startRun();
        awaitPosition(*run);
    }
    const Seconds measured = Clock::now() - start;
    const Seconds cpu{double(std::clock() - cpuStart) / CLOCKS_PER_SEC};
    const Seconds expected = Seconds(PacedRun::pauseFor(count)) * double(state.iterations());
    if (expected.count() > 0)
        state.counters["measured_per_expected"] = measured / expected;
    state.counters["cpu_share"] = cpu / measured;
}

void BM_PhotonsSampled(benchmark::State &state)
{
    // A million photons from a map of the whole plane at 20 twips (425 × 300 points), peaked as
    // a focus is: the running sums and a binary search for each, and a point within its cell.
    const PlaneGrid grid{.firstX = 10, .firstY = -2990, .step = 20, .columns = 425, .rows = 300};
    std::vector<double> map(std::size_t(grid.columns * grid.rows));
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column) {
            const double dx = (column - 100) / 8.0;
            const double dy = (row - 150) / 4.0;
            map[std::size_t(row * grid.columns + column)] = 1 / (1 + dx * dx + dy * dy);
        }
    PhotonRandom random(1);
    for (auto _ : state) {
        const PlanePhotons photons(grid, map);
        for (int n = 0; n < 1'000'000; ++n)
            benchmark::DoNotOptimize(photons.draw(random));
    }
}

void BM_PhotonFrames(benchmark::State &state)
{
    // Photons at the fastest rate in the bench as it opens, maximized, on a classroom's screen of
    // 1366 x 768, its map some 760 x 535 pixels: one iteration is one frame, the frame's photons
    // drawn into the dots and the map view painted anew with them, with as many marks revealed
    // beside them as the argument says. The bench's work, the map and then the whole mirror's
    // focus, is done before the frames are timed, so that no worker shares the processor with
    // them.
    BenchWindow bench;
    MapComputer &computer = *bench.computer();
    computer.setGrids({MapGrid::coarse()});
    QEventLoop loop;
    const auto quitOnceDone = [&] {
        if (computer.isFinished() && computer.wholeMirrorFocus())
            loop.quit();
    };
    QObject::connect(&bench, &BenchWindow::mapShown, &loop, quitOnceDone);
    QObject::connect(&computer, &MapComputer::focusFound, &loop, quitOnceDone);
    bench.start(0.0001, 0.02, {2500, 0});
    bench.resize(1362, 740);
    bench.show();
    loop.exec();
    BenchPhotons &photons = bench.photons()->photons();
    PhotonStream &stream = photons.stream();
    stream.setRate(PhotonStream::fastest);
    MapView &view = *bench.mapView();
    const auto marks = int(state.range(0));
    if (marks > 0) {
        // Clicked over the plane as a class would, thirty to a row.
        bench.photons()->predictFirst();
        PhotonOverlay &overlay = bench.photons()->overlay();
        for (int i = 0; i < marks; ++i) {
            const QPointF at = view.pixelOf({200.0 + (i % 30) * 270, -2800.0 + (i / 30) * 280});
            QMouseEvent press(QEvent::MouseButtonPress, at, overlay.mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&overlay, &press);
        }
        bench.photons()->reveal();
    }
    QImage frame(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (int warm = 0; warm < 30; ++warm)
        stream.tick(); // the batch finds its size
    photons.clear();
    // The processor time of the thread as well: on a shared machine the wall clock also counts
    // the time others had the processor.
    const auto threadTime = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
    };
    double worst = 0;
    double worstCpu = 0;
    double cpu = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const double cpuStart = threadTime();
        stream.tick();
        view.render(&frame);
        worst = std::max(worst, Seconds(Clock::now() - start).count());
        worstCpu = std::max(worstCpu, threadTime() - cpuStart);
        cpu += threadTime() - cpuStart;
    }
    state.counters["worst_frame_ms"] = worst * 1000;
    state.counters["worst_frame_cpu_ms"] = worstCpu * 1000;
    // Photons a second of the thread's own time, as a frame's drawing allows them.
    state.counters["photons_per_cpu_second"] = double(photons.tally().size()) / cpu;
    state.counters["photons_per_frame"] = stream.batch();
    state.counters["photons"] = double(photons.tally().size());
}

} // namespace

BENCHMARK(BM_ReferenceLoop)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PathSum)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RunRecording)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RunQtSurface)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PhotonsSampled)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PhotonFrames)
    ->ArgName("marks")
    ->Arg(0)
    ->Arg(600)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(600);
BENCHMARK(BM_CloseUpUpdate)
    ->ArgName("arrows")
    ->Arg(3000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// A count is 0.1 µs: 100 µs, 10 ms, 50 ms and the far end of the scroll bar, 98.3 ms.
BENCHMARK(BM_Pacing)
    ->ArgName("count")
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(500000)
    ->Arg(983011)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace veltrin::bench
