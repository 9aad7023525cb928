// SPDX-License-Identifier: GPL-3.0-or-later
#include "run.h"

#include "mirrorstage.h"
#include "runsetup.h"
#include "surface.h"

namespace veltrin {

namespace {

/// The set-up's record, with the mirror drawn after it: the order of the stages.
RunRecord setUpAndDrawMirror(Surface &surface)
{
    RunRecord record = RunSetup::run(surface);
    MirrorStage::run(surface, record.values);
    return record;
}

RunRecord drawSetUpAndMirrorAgain(Surface &surface, const RunRecord &earlier)
{
    RunSetup::drawAgain(surface, earlier);
    MirrorStage::run(surface, earlier.values);
    RunRecord record = earlier;
    record.probabilities.clear();
    return record;
}

} // namespace

Run::Run(Surface &surface)
    : m_surface(surface), m_record(setUpAndDrawMirror(surface)), m_stage(surface, m_record.values)
{
}

Run::Run(Surface &surface, const RunRecord &earlier)
    : m_surface(surface), m_record(drawSetUpAndMirrorAgain(surface, earlier)),
      m_stage(surface, m_record.values)
{
    for (std::size_t i = 0; i < earlier.probabilities.size() && !atEnd(); ++i)
        m_record.probabilities.push_back(m_stage.drawNextPosition());
}

void Run::drawNextPosition()
{
    m_record.probabilities.push_back(m_stage.drawNextPosition());
    m_surface.present();
}

void Run::drawToEnd()
{
    while (!atEnd())
        drawNextPosition();
}

} // namespace veltrin
