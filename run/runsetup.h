// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runrecord.h"

namespace veltrin {

class Surface;

/// Bars of Low, Middle and High stand side by side in their colours; a text that is none of
/// the frequencies gives black bars at offset 0.
BarStyle decodeFrequency(const QString &text);

/// The reflected rays are long enough to reach past the focus of each mirror; a text that is
/// none of the mirror constants gives rays of no length.
double decodeRayLength(const QString &text);

/// The first stage of Start: reads the parameters, hides the prompt on the first run or asks
/// whether to delete the earlier probability bars, and draws the axis and the vertex line.
class RunSetup
{
public:
    /// Throws SurfaceError, before anything is drawn, where a field holds no number.
    static RunRecord run(Surface &surface);
    /// Draws the set-up of a run again as it went, asking nothing.
    static void drawAgain(Surface &surface, const RunRecord &record);
    /// Draws again only what of the set-up a later run, answered No, leaves as it is: the bar
    /// over the prompt of a first run, or the erase of a run answered Yes. The later run erases
    /// below the axis as this one did and draws the same axis and vertex line.
    static void drawAgainBeforeLaterRun(Surface &surface, const RunRecord &record);
};

} // namespace veltrin
