// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapgrid.h"
#include "mirror.h"
#include "mirrorcut.h"
#include "mirrorshape.h"
#include "source.h"
#include "vec2.h"

#include <vector>

namespace veltrin {

/// Everything a map of the plane depends on: the mirror's shape and what is cut from it, the
/// source, and the light's wavenumber or white light.
struct Experiment
{
    static constexpr double lowestK = 0.00002;
    static constexpr double highestK = 0.0005;
    static constexpr double lowestWavenumber = 0.01;  ///< the main window's Low, radians per twip
    static constexpr double highestWavenumber = 0.04; ///< its High

    MirrorShape shape = MirrorShape::parabola(0.0001);
    Source source = Source::beam();
    double wavenumber = 0.02;
    bool whiteLight = false; ///< the white wavenumbers added instead of `wavenumber`
    MirrorCut cut;

    /// The wavenumbers white light is made of, from lowest to highest, evenly spread.
    static std::vector<double> whiteWavenumbers();
    /// The wavenumbers a map adds: white light's, or the one.
    std::vector<double> wavenumbers() const;

    /// The farthest a map reaches from the vertex line, however far the focus lies.
    static constexpr double farthestReach = 17000;

    Mirror mirror() const { return Mirror(shape); }
    /// Where a map of this experiment reaches: over the mirror's height, and from the vertex line
    /// to the source plane or, where the focal plane lies near or beyond it, well beyond the
    /// focal plane (and a point source), so that the focus and the light gathered beside it lie
    /// inside.
    MapExtent mapExtent() const;
    /// Both halves' points (as Mirror::bothHalves samples them), the cut ones absent.
    std::vector<MirrorPoint> points(int pointsPerHalf = Mirror::sampleCount) const;

    /// The map's value for the resultant of both halves' arrows: the squared length of its half,
    /// scaled as the bars are, so that on the axis, with the whole mirror and the beam, it is the
    /// run's bar (the halves' arrows are alike there).
    static double probabilityOf(Vec2 resultantOfBothHalves);
    /// The value at a map point with every sample; for white light, the mean of its colours'.
    double probabilityAt(Vec2 mapPoint) const;

    /// Zones for a map point: only the strips (where the shape reaches) whose arrows there turn
    /// within a quarter turn either side of the whole mirror's resultant, at `wavenumber`. They
    /// all push the sum one way, so the point grows brighter than with the whole mirror.
    MirrorCut zonesFor(Vec2 mapPoint) const;

    friend bool operator==(const Experiment &, const Experiment &) = default;
};

} // namespace veltrin
