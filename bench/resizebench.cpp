// SPDX-License-Identifier: GPL-3.0-or-later
// The window made larger: a resize drag step by step, each step against a display frame, and a
// whole run in a maximised window against the same run at the opening size.
#include "canvas.h"
#include "shownwindow.h"

#include <QCoreApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace veltrin::bench {

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// A display's frame at 60 Hz.
constexpr Seconds frame{1.0 / 60};
// A window maximised on a full HD screen.
constexpr QSize maximised{1920, 1080};

/// A drag from the opening size to a maximised window and back, step by step: how long the window
/// took for the worst step, the resize and the screen update after it, and for all of them.
struct Drag
{
    Seconds worst{0};
    Seconds all{0};
};

Drag drag(ShownWindow &shown, int steps)
{
    Drag drag;
    const QSize from = picturePixels;
    const auto step = [&](int i) {
        const QSize size = from + (maximised - from) * i / steps;
        const auto start = Clock::now();
        shown.window().resize(size);
        QCoreApplication::processEvents(); // the resize event and the paint it asks for
        const Seconds took = Clock::now() - start;
        drag.worst = std::max(drag.worst, took);
        drag.all += took;
    };
    for (int i = 1; i <= steps; ++i)
        step(i);
    for (int i = steps - 1; i >= 0; --i)
        step(i);
    return drag;
}

void BM_ResizeDrag(benchmark::State &state)
{
    // Three runs kept, each of another mirror and frequency; the floor is the same drag of a
    // window with no run on it.
    ShownWindow drawn;
    ShownWindow empty;
    if (!drawn.isExposed() || !empty.isExposed()) {
        state.SkipWithError("The window did not come on the screen");
        return;
    }
    const char *const ks[] = {"0.0001", "0.0002", "0.00005"};
    const char *const frequencies[] = {"0.01", "0.04", "0.02"};
    for (int i = 0; i < 3; ++i) {
        drawn.window().surface().setText(Field::OsKruh, QString::fromLatin1(ks[i]));
        drawn.window().surface().setText(Field::Kmitocet, QString::fromLatin1(frequencies[i]));
        if (!drawn.pressStartAndWait()) {
            state.SkipWithError("The run did not end");
            return;
        }
    }
    const int steps = int(state.range(0));
    Seconds worst{0}, worstFloor{0}, all{0}, allFloor{0};
    for (auto _ : state) {
        const Drag drawnDrag = drag(drawn, steps);
        const Drag emptyDrag = drag(empty, steps);
        worst = std::max(worst, drawnDrag.worst);
        worstFloor = std::max(worstFloor, emptyDrag.worst);
        all += drawnDrag.all;
        allFloor += emptyDrag.all;
        state.SetIterationTime(drawnDrag.worst.count());
    }
    // The time is the worst step of each drag; the counters the worst of all drags and the
    // mean step, each against a frame and against the same drag of the empty window.
    const double stepsMade = 2.0 * steps * double(state.iterations());
    state.counters["worst_ms"] = worst.count() * 1000;
    state.counters["x_frame"] = worst / frame;
    state.counters["x_floor"] = worst / worstFloor;
    state.counters["mean_ms"] = all.count() * 1000 / stepsMade;
    state.counters["mean_x_floor"] = all / allFloor;
}

void BM_RunMaximised(benchmark::State &state)
{
    // Both windows run in every iteration, so that the ratio shares the machine's load.
    ShownWindow opening;
    ShownWindow large(maximised);
    if (!opening.isExposed() || !large.isExposed()) {
        state.SkipWithError("The window did not come on the screen");
        return;
    }
    Seconds atOpening{0}, atLarge{0};
    for (auto _ : state) {
        auto start = Clock::now();
        const bool ran = runInWindow(opening);
        atOpening += Clock::now() - start;
        start = Clock::now();
        if (!ran || !runInWindow(large)) {
            state.SkipWithError("The run failed");
            return;
        }
        const Seconds run = Clock::now() - start;
        atLarge += run;
        state.SetIterationTime(run.count());
    }
    state.counters["scale"] = large.window().canvas()->scale();
    state.counters["x_opening"] = atLarge / atOpening;
}

} // namespace

// A drag of 24 steps each way.
BENCHMARK(BM_ResizeDrag)->ArgName("steps")->Arg(24)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_RunMaximised)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace veltrin::bench
