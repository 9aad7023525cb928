// SPDX-License-Identifier: GPL-3.0-or-later
#include "run.h"

#include "mirrorstage.h"
#include "runsetup.h"
#include "scenemarks.h"
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

void Run::drawBeforeLaterRun(Surface &surface, const RunRecord &earlier, bool sameMirrorLater,
                             std::span<const double> tallestLater)
{
    using namespace scene;
    // The later run erases from the axis down, as far as the picture reaches.
    surface.setCoveredLater(
        RectF{{float(eraseLeft), float(Y0)}, {float(eraseRight), float(eraseBottom)}});
    const auto &[left, top, right, bottom] = earlier.spiralBounds;
    const bool spiralsCovered =
        earlier.probabilities.empty() ||
        (left <= right && surface.leavesOut({{left, top}, {right, bottom}}, 1));
    if (spiralsCovered) {
        RunSetup::drawAgainBeforeLaterRun(surface, earlier);
        if (!sameMirrorLater)
            MirrorStage::run(surface, earlier.values);
        ProbabilityStage::drawBarsAgain(surface, earlier.values, earlier.probabilities,
                                        !sameMirrorLater, tallestLater);
    } else {
        Run(surface, earlier); // a spiral reaches above the axis: all of it
    }
    surface.setCoveredLater(std::nullopt);
}

void Run::drawNextPosition()
{
    m_record.probabilities.push_back(m_stage.drawNextPosition());
    m_record.spiralBounds = m_stage.spiralBounds();
    m_surface.present();
}

void Run::drawToEnd()
{
    while (!atEnd())
        drawNextPosition();
}

} // namespace veltrin
