// SPDX-License-Identifier: GPL-3.0-or-later
// The bench as a setup a teacher keeps, and a setup shown in the bench.
#include "benchwindow.h"

#include "glasslayerview.h"
#include "photonoverlay.h"
#include "photonpanel.h"
#include "prediction.h"

#include <QUndoStack>

namespace veltrin {

static_assert(Setup::Glass::thickest == GlassLayerView::thickest);

Setup BenchWindow::setup() const
{
    Setup setup;
    if (m_choice == Kind::GlassLayer) {
        // The layer has no map: its light, its index, its thickness and the echoes are all.
        const Experiment &light = m_setups[int(Kind::GlassLayer)];
        setup.experiment.wavenumber = light.wavenumber;
        setup.experiment.whiteLight = light.whiteLight;
        setup.experiment.index = m_glass->index();
        setup.glass = Setup::Glass{m_glass->thickness(), m_glass->echoes()};
        return setup;
    }
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

bool BenchWindow::shows(Experiment::Element element)
{
    return element != Experiment::Element::Slits;
}

void BenchWindow::applySetup(const Setup &setup)
{
    if (setup.glass)
        return applyGlassSetup(setup);
    if (!shows(setup.experiment.element))
        return;
    const Kind kind = setup.experiment.element == Experiment::Element::Boundary ? Kind::Boundary
                      : setup.experiment.element == Experiment::Element::Lens   ? Kind::Lens
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

void BenchWindow::applyGlassSetup(const Setup &setup)
{
    Experiment &light = m_setups[int(Kind::GlassLayer)];
    light.wavenumber = setup.experiment.wavenumber;
    light.whiteLight = setup.experiment.whiteLight;
    m_glass->setIndex(setup.experiment.index);
    m_glass->setThickness(setup.glass->thickness);
    m_glass->setEchoes(setup.glass->echoes);
    m_undo->clear();
    if (m_choice != Kind::GlassLayer)
        return choose(Kind::GlassLayer);
    showControls();
    updateGlass();
}

} // namespace veltrin
