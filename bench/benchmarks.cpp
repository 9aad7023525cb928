#include "busydelay.h"
#include "chainview.h"
#include "closeupwindow.h"
#include "detectorpositions.h"
#include "pathsum.h"
#include "probabilitystage.h"
#include "recordingsurface.h"
#include "referenceloop.h"
#include "scene.h"
#include "startcommand.h"
#include "veltrinwindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <chrono>

namespace veltrin::bench {

namespace {

using Clock = std::chrono::steady_clock;

// The parameters a freshly loaded window holds.
constexpr double defaultK = 0.00005;
constexpr double defaultFrequency = 0.02;

/// The program's window, shown and on the screen, with no delay between detector positions.
class ShownWindow
{
public:
    ShownWindow()
    {
        m_window.showWithWholeScene();
        QWindow *handle = m_window.windowHandle();
        const QDeadlineTimer deadline(5000);
        while (handle && !handle->isExposed() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
        m_window.surface().setText(Field::Spomaleni, QStringLiteral("0"));
    }

    bool isExposed() const
    {
        return m_window.windowHandle() && m_window.windowHandle()->isExposed();
    }
    VeltrinWindow &window() { return m_window; }

private:
    VeltrinWindow m_window;
};

void BM_ReferenceLoop(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(referenceLoop());
}

void BM_PathSum(benchmark::State &state)
{
    for (auto _ : state) {
        PathSum pathSum(defaultK, defaultFrequency);
        for (double xd = scene::X0; xd < scene::XS; xd += ProbabilityStage::detectorStep) {
            pathSum.sumAt(xd, ProbabilityStage::spiralBaseline);
            benchmark::DoNotOptimize(pathSum.probability());
        }
        benchmark::ClobberMemory();
    }
}

void BM_RunRecording(benchmark::State &state)
{
    for (auto _ : state) {
        RecordingSurface surface; // holds the fields of a freshly loaded window
        surface.setKeepChainPoints(false);
        surface.setText(Field::Spomaleni, QStringLiteral("0"));
        if (StartCommand::run(surface) != StartCommand::Outcome::Finished)
            state.SkipWithError("The run did not finish");
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
    QtSurface &surface = shown.window().surface();
    for (auto _ : state) {
        // Every iteration is a first run: no question, nothing erased.
        surface.setText(Field::Prvni, QStringLiteral("0"));
        if (StartCommand::run(surface) != StartCommand::Outcome::Finished)
            state.SkipWithError("The run did not finish");
    }
}

void BM_CloseUpUpdate(benchmark::State &state)
{
    // One step of the close-up window to the next position: the sum, the figures, and the
    // whole window drawn afresh into an image of its size.
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
        position = (position + 1) % DetectorPositions::count;
        window.setPosition(position);
        window.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_DelayPacing(benchmark::State &state)
{
    // The wait as a run makes it, with the window handling its events meanwhile.
    ShownWindow shown;
    QtSurface &surface = shown.window().surface();
    const double count = double(state.range(0));
    const Clock::time_point start = Clock::now();
    for (auto _ : state)
        BusyDelay::wait(count, surface);
    const std::chrono::duration<double> measured = Clock::now() - start;
    const std::chrono::duration<double, std::micro> expected(0.1 * count * state.iterations());
    state.counters["measured_per_expected"] = measured / expected;
}

} // namespace

BENCHMARK(BM_ReferenceLoop)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PathSum)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RunRecording)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RunQtSurface)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CloseUpUpdate)
    ->ArgName("arrows")
    ->Arg(3000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// A count is 0.1 µs: 1 µs, 100 µs, 10 ms and the far end of the scroll bar, 98.3 ms.
BENCHMARK(BM_DelayPacing)
    ->ArgName("count")
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(983011)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

} // namespace veltrin::bench
