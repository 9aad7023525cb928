// SPDX-License-Identifier: GPL-3.0-or-later
// The bench as a setup a teacher keeps, and a setup shown in the bench.
#include "benchwindow.h"

#include "photonoverlay.h"
#include "photonpanel.h"
#include "prediction.h"

#include <QUndoStack>

namespace veltrin {

Setup BenchWindow::setup() const
{
    Setup setup;
    // The glass layer has no map: its set-up is the experiment shown before it.
    setup.experiment = m_choice == Kind::GlassLayer ? m_setups[int(Kind::Mirror)] : m_experiment;
    setup.detector = detector();
    setup.photonSeed = m_photonSeed;
    setup.photonCount = m_photonCount;
    const auto marks = m_photons->prediction().marks();
    setup.predictions.assign(marks.begin(), marks.end());
    setup.predictFirst = m_photons->isPredicting();
    setup.mapShown = setup.predictFirst || m_photons->isMapShown();
    return setup;
}

bool BenchWindow::shows(Experiment::Element)
{
    return true;
}

void BenchWindow::applySetup(const Setup &setup)
{
    if (!shows(setup.experiment.element))
        return;
    const Kind kind = setup.experiment.element == Experiment::Element::Boundary ? Kind::Boundary
                      : setup.experiment.element == Experiment::Element::Lens   ? Kind::Lens
                      : setup.experiment.element == Experiment::Element::Slits  ? Kind::Slits
                                                                                : Kind::Mirror;
    m_setups[int(kind)] = setup.experiment;
    m_undo->clear(); // the cuts undone would be of another set-up
    if (kind != m_choice)
        choose(kind);
    else
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
