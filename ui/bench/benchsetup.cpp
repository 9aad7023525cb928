// SPDX-License-Identifier: GPL-3.0-or-later
// The bench as a setup a teacher keeps, and a setup shown in the bench.
#include "benchwindow.h"

#include "photonoverlay.h"
#include "photonpanel.h"
#include "prediction.h"

namespace veltrin {

Setup BenchWindow::setup() const
{
    Setup setup;
    setup.experiment = m_experiment;
    setup.detector = detector();
    setup.photonSeed = m_photonSeed;
    setup.photonCount = m_photonCount;
    const auto marks = m_photons->prediction().marks();
    setup.predictions.assign(marks.begin(), marks.end());
    setup.predictFirst = m_photons->isPredicting();
    setup.mapShown = setup.predictFirst || m_photons->isMapShown();
    return setup;
}

void BenchWindow::applySetup(const Setup &setup)
{
    setExperiment(setup.experiment);
    setDetector(setup.detector);
    m_photonSeed = setup.photonSeed;
    m_photonCount = setup.photonCount;
    // The marks are made as the pupil made them: while predicting, then revealed unless the
    // setup is still being predicted.
    if (setup.predictFirst || !setup.predictions.empty()) {
        m_photons->predictFirst();
        for (const Vec2 mark : setup.predictions)
            m_photons->overlay().mark(mark);
        if (!setup.predictFirst)
            m_photons->reveal();
    }
    if (!setup.predictFirst)
        m_photons->setMapShown(setup.mapShown);
}

} // namespace veltrin
