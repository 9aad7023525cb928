// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "probabilitystage.h"
#include "runrecord.h"

#include <memory>

namespace veltrin {

class Surface;

/// One press of Start: the set-up, the mirror and its rays at once, then the detector positions
/// one at a time, so that whoever drives the run decides when each comes.
class Run
{
public:
    /// Reads the choices, asks "Delete probability" on a later run, erases, and draws the axis,
    /// the mirror and its rays. Throws SurfaceError, before anything is drawn, where a field
    /// holds no number.
    explicit Run(Surface &surface);
    /// Draws a run again as it went, as far as it went, asking nothing: for a picture made anew.
    Run(Surface &surface, const RunRecord &earlier);

    Run(const Run &) = delete;
    Run &operator=(const Run &) = delete;

    /// Draws again what of a run a later run, answered No, leaves on the picture: what lies
    /// above the axis. Its mirror and rays are left out where a later run draws the same, and
    /// each bar where a later bar in its place and colour is at least as tall (tallestLater,
    /// by position).
    static void drawBeforeLaterRun(Surface &surface, const RunRecord &earlier, bool sameMirrorLater,
                                   std::span<const double> tallestLater);

    bool atEnd() const { return m_stage.atEnd(); }
    /// Draws the next detector position, its spiral and its bar, and puts it on the screen.
    void drawNextPosition();
    /// Draws every position left, with no pause between them.
    void drawToEnd();

    const RunRecord &record() const { return m_record; }

private:
    Surface &m_surface;
    RunRecord m_record;
    ProbabilityStage m_stage;
};

} // namespace veltrin
