// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchopener.h"

#include "benchwindow.h"
#include "choices.h"
#include "closeupwindow.h"
#include "scene.h"
#include "setupactions.h"
#include "veltrinwindow.h"

#include <algorithm>

namespace veltrin {

BenchOpener::BenchOpener(VeltrinWindow &window) : QObject(&window), m_window(window) {}

BenchWindow *BenchOpener::bench() const
{
    return m_bench;
}

void BenchOpener::open()
{
    // Once made, the bench opens again as it was left: its set-up, cut and undo are the
    // pupil's, and a new set-up from the run is its own command.
    if (!m_bench) {
        m_bench = new BenchWindow(&m_window);
        connect(m_bench, &BenchWindow::newFromRunRequested, this, &BenchOpener::startFromRun);
        connect(m_bench->setupActions(), &SetupActions::lessonRequested, &m_window,
                &VeltrinWindow::openLesson);
        startFromRun();
        m_bench->fitToScreen();
    }
    m_bench->show();
    m_bench->raise();
    m_bench->activateWindow();
}

void BenchOpener::openWith(const Setup &setup)
{
    open();
    m_bench->applySetup(setup);
}

void BenchOpener::startFromRun()
{
    double k = loadedChoice(Field::OsKruh).value;
    double frequency = loadedChoice(Field::Kmitocet).value;
    double distance = scene::focalLength(k);
    if (!m_window.history().isEmpty()) {
        const RunRecord &last = m_window.history().runs().back().record;
        k = last.values.k;
        frequency = last.values.frequency;
        const CloseUpWindow *closeUp = m_window.closeUp();
        const auto highest = std::ranges::max_element(last.probabilities);
        const int position = closeUp && closeUp->isVisible()
                                 ? closeUp->position()
                                 : int(highest - last.probabilities.begin());
        distance = scene::detectorX(position) - scene::X0;
    }
    m_bench->start(k, frequency, {distance, 0});
}

} // namespace veltrin
