// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing made again from the kept runs, as a resize, a new screen density or a change of
// view makes it, against the floor of that size: a blank picture made and filled. As on the
// window's canvas, the picture takes the memory of the one before, and leaves out the prompt,
// which the first run covers.
#include "imagesurface.h"
#include "picture.h"
#include "picturememory.h"
#include "run.h"
#include "runhistory.h"
#include "scenecaptions.h"
#include "twips.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>

namespace veltrin::bench {

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

/// The scale at which the scene fills a window this many pixels high.
double scaleForHeight(int height)
{
    return double(height) / picturePixels.height();
}

/// Runs kept on a drawing: the four mirrors and the three frequencies in turn, each run after
/// the first answered No, so that a frequency's bars come with another mirror each time.
const RunHistory &historyOf(int runs)
{
    static std::map<int, RunHistory> made;
    auto [found, fresh] = made.try_emplace(runs);
    if (!fresh)
        return found->second;
    QImage picture = blankPicture(1, SceneCaptions::drawingPrompt());
    ImageSurface surface(picture);
    const char *const ks[] = {"0.00005", "0.0001", "0.0002", "0.00007"};
    const char *const frequencies[] = {"0.02", "0.01", "0.04"};
    for (int i = 0; i < runs; ++i) {
        surface.setText(Field::OsKruh, QString::fromLatin1(ks[i % 4]));
        surface.setText(Field::Kmitocet, QString::fromLatin1(frequencies[i % 3]));
        surface.setText(Field::Spomaleni, QStringLiteral("0"));
        Run run(surface);
        found->second.begin(run.record());
        run.drawToEnd();
        found->second.update(run.record());
    }
    return found->second;
}

/// A blank picture for a window this many times the design size.
QImage blankOn(PictureMemory &memory, double scale)
{
    QImage picture = memory.picture(pictureSize(scale), QImage::Format_RGB32);
    makeBlank(picture, scale, Prompt{});
    return picture;
}

Seconds floorTime(PictureMemory &memory, double scale)
{
    const auto start = Clock::now();
    QImage picture = blankOn(memory, scale);
    benchmark::DoNotOptimize(picture.constBits());
    return Clock::now() - start;
}

void BM_RedrawRuns(benchmark::State &state)
{
    const int runs = int(state.range(0));
    const double scale = scaleForHeight(int(state.range(1)));
    const RunHistory &history = historyOf(runs);
    PictureMemory memory;
    Seconds redraw{0}, floor{0};
    for (auto _ : state) {
        const auto start = Clock::now();
        {
            QImage picture = blankOn(memory, scale);
            ImageSurface surface(picture);
            history.drawAgain(surface);
            surface.present();
        }
        redraw += Clock::now() - start;
        state.PauseTiming();
        floor += floorTime(memory, scale);
        state.ResumeTiming();
    }
    state.counters["x_floor"] = redraw / floor;
}

} // namespace

// Window heights of a full HD and a 4K screen; the kept runs from one to fifty.
BENCHMARK(BM_RedrawRuns)
    ->ArgNames({"runs", "height"})
    ->ArgsProduct({{1, 3, 30, 50}, {1080, 2160}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace veltrin::bench
