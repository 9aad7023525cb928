// SPDX-License-Identifier: GPL-3.0-or-later
// The experiment bench while the pupil works it: a step of a drag across the mirror on the
// window's thread against a display frame, the full map once the pointer comes to rest, and how
// soon a bench closed in the middle of a map leaves the processor alone.
#include "benchwindow.h"
#include "mapcomputer.h"
#include "mapview.h"
#include "mirrorstrip.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <QUndoStack>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <functional>

namespace veltrin::bench {

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// A display's frame at 60 Hz.
constexpr Seconds frame{1.0 / 60};
// How soon a closed bench is to be idle.
constexpr Seconds idleTarget{0.1};

/// The processor time of the calling thread: the window's own work, whatever else the machine
/// runs.
Seconds threadTime()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return Seconds(double(t.tv_sec) + double(t.tv_nsec) * 1e-9);
}

/// Runs the event loop until `done` holds, looked at whenever the computer hands something over,
/// or until the timeout; returns whether it holds.
bool runUntil(MapComputer &computer, const std::function<bool()> &done, Seconds timeout)
{
    if (done())
        return true;
    QEventLoop loop;
    const auto check = [&] {
        if (done())
            loop.quit();
    };
    QObject::connect(&computer, &MapComputer::mapReady, &loop, check);
    QObject::connect(&computer, &MapComputer::passingMapReady, &loop, check);
    QObject::connect(&computer, &MapComputer::progress, &loop, check);
    QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(timeout), &loop,
                       &QEventLoop::quit);
    loop.exec();
    return done();
}

/// Lets the event loop run, as between two frames, until `until`.
void runTill(Clock::time_point until)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
    if (left.count() <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(left, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

/// The bench shown at a size a pupil would give it, with its first full map in.
class ShownBench
{
public:
    ShownBench()
    {
        m_bench.resize(1000, 700);
        m_bench.show();
        QWindow *handle = m_bench.windowHandle();
        QEventLoop loop;
        while (handle && !handle->isExposed()) {
            QTimer::singleShot(10, &loop, &QEventLoop::quit);
            loop.exec();
        }
        m_ready = runUntil(
            computer(), [this] { return computer().isFinished(); }, Seconds(120));
    }

    bool isReady() const { return m_ready; }
    BenchWindow &bench() { return m_bench; }
    MapComputer &computer() { return *m_bench.computer(); }
    /// Waits for the work asked for, so that the next benchmark starts on an idle machine.
    bool finish()
    {
        const bool finished = runUntil(
            computer(), [this] { return computer().isFinished(); }, Seconds(120));
        computer().waitUntilIdle();
        return finished;
    }

private:
    BenchWindow m_bench;
    bool m_ready = false;
};

/// The pointer on the mirror strip, its left button held.
class StripDrag
{
public:
    explicit StripDrag(MirrorStrip &strip) : m_strip(strip) {}

    void press(double y) { send(QEvent::MouseButtonPress, y, Qt::LeftButton, Qt::LeftButton); }
    void move(double y) { send(QEvent::MouseMove, y, Qt::NoButton, Qt::LeftButton); }
    void release(double y) { send(QEvent::MouseButtonRelease, y, Qt::LeftButton, Qt::NoButton); }

private:
    void send(QEvent::Type type, double y, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        const QPointF at(m_strip.width() / 2.0, y);
        QMouseEvent event(type, at, m_strip.mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_strip, &event);
    }

    MirrorStrip &m_strip;
};

// One frame of a drag down the mirror strip, the pointer a few pixels further each frame: the
// step's own time on the window's thread (the cut, the detector's arrows, the request handed to
// the pool, the events it brings and the paint) against a display frame; the rest of the frame
// goes to the event loop, where the maps come. worst_ms and x_frame: the worst step;
// worst_undo_ms: the worst frame where a drag over the whole mirror ended and was undone (its
// full map shown from those kept);
// frame_cpu_ms: the window's thread's processor time in a whole frame, maps shown included;
// pictures_per_step: new pictures of the map (passing or present) per step; greyed_frames: frames
// that ended with the picture greyed.
void BM_BenchDragStep(benchmark::State &state)
{
    ShownBench shown;
    if (!shown.isReady()) {
        state.SkipWithError("The bench's first map did not come");
        return;
    }
    BenchWindow &bench = shown.bench();
    MirrorStrip &strip = *bench.mirrorStrip();
    int pictures = 0;
    QObject::connect(&bench, &BenchWindow::mapShown, [&] { ++pictures; });
    QObject::connect(bench.computer(), &MapComputer::passingMapReady, [&] { ++pictures; });
    const double top = strip.pixelAt(scene::AP / 2.0 - 10);
    const double bottom = strip.pixelAt(-scene::AP / 2.0 + 10);
    constexpr double pixelsPerStep = 3;

    StripDrag drag(strip);
    double y = top;
    drag.press(y);
    Seconds worst{0};
    Seconds worstUndo{0};
    Seconds frameCpu{0};
    Seconds worstFrameCpu{0};
    int greyed = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const Seconds cpuStart = threadTime();
        y += pixelsPerStep;
        const bool undo = y > bottom;
        if (undo) {
            // A drag over the whole mirror ends; undone, the next one begins on the whole mirror.
            drag.release(bottom);
            bench.undoStack()->undo();
            y = top;
            drag.press(y);
        } else {
            drag.move(y);
        }
        QCoreApplication::processEvents(); // what the step asked for, the paint too
        const Seconds step = Clock::now() - start;
        state.SetIterationTime(step.count());
        Seconds &worstOfKind = undo ? worstUndo : worst;
        worstOfKind = std::max(worstOfKind, step);
        runTill(start + std::chrono::duration_cast<Clock::duration>(frame));
        const Seconds cpu = threadTime() - cpuStart;
        frameCpu += cpu;
        worstFrameCpu = std::max(worstFrameCpu, cpu);
        greyed += bench.mapView()->isGreyed();
    }
    drag.release(y);
    if (!shown.finish())
        state.SkipWithError("The full map did not come after the drag");
    const double steps = double(state.iterations());
    state.counters["worst_ms"] = worst.count() * 1000;
    state.counters["x_frame"] = worst / frame;
    state.counters["worst_undo_ms"] = worstUndo.count() * 1000;
    state.counters["frame_cpu_ms"] = frameCpu.count() * 1000 / steps;
    state.counters["worst_frame_cpu_ms"] = worstFrameCpu.count() * 1000;
    state.counters["pictures_per_step"] = pictures / steps;
    state.counters["greyed_frames"] = greyed;
}

// A short drag across the mirror, a step a frame, then the pointer at rest: the time from the
// last step until the full map is in.
void BM_BenchRestToFullMap(benchmark::State &state)
{
    ShownBench shown;
    if (!shown.isReady()) {
        state.SkipWithError("The bench's first map did not come");
        return;
    }
    BenchWindow &bench = shown.bench();
    MirrorStrip &strip = *bench.mirrorStrip();
    StripDrag drag(strip);
    // Each drag a little lower than the last, so that no map of it is kept from before.
    double y = strip.pixelAt(scene::AP / 2.0 - 200);
    for (auto _ : state) {
        drag.press(y);
        for (int step = 0; step < 10; ++step) {
            const Clock::time_point start = Clock::now();
            y += 2;
            drag.move(y);
            runTill(start + std::chrono::duration_cast<Clock::duration>(frame));
        }
        const Clock::time_point rest = Clock::now();
        if (!runUntil(
                shown.computer(), [&] { return shown.computer().isFinished(); }, Seconds(120))) {
            state.SkipWithError("The full map did not come");
            break;
        }
        state.SetIterationTime(Seconds(Clock::now() - rest).count());
        drag.release(y);
    }
    shown.finish();
}

// The bench closed while its full map is being computed: the time from its hiding until every
// thread of its pool is idle. worst_ms and x_target: the worst against the target of 100 ms.
void BM_BenchClosedIdle(benchmark::State &state)
{
    ShownBench shown;
    if (!shown.isReady()) {
        state.SkipWithError("The bench's first map did not come");
        return;
    }
    BenchWindow &bench = shown.bench();
    MapComputer &computer = shown.computer();
    int rowsDone = 0;
    QObject::connect(&computer, &MapComputer::progress, [&](int done, int) { rowsDone = done; });
    int period = 300;
    Seconds worst{0};
    for (auto _ : state) {
        bench.show();
        // Another grating each time, so that its map is not kept from before.
        period += 10;
        rowsDone = 0;
        bench.cutMirror(MirrorCut::grating(period), QStringLiteral("grating"));
        if (!runUntil(
                computer, [&] { return rowsDone > 0; }, Seconds(120))) {
            state.SkipWithError("The full map did not start");
            break;
        }
        const Clock::time_point start = Clock::now();
        bench.hide();
        computer.waitUntilIdle();
        const Seconds took = Clock::now() - start;
        state.SetIterationTime(took.count());
        worst = std::max(worst, took);
    }
    // Shown again, its last map is finished.
    bench.show();
    shown.finish();
    state.counters["worst_ms"] = worst.count() * 1000;
    state.counters["x_target"] = worst / idleTarget;
}

} // namespace

BENCHMARK(BM_BenchDragStep)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(300);
BENCHMARK(BM_BenchRestToFullMap)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_BenchClosedIdle)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

} // namespace veltrin::bench
