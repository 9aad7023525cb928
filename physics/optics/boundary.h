// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arrowfan.h"
#include "source.h"
#include "vec2.h"

namespace veltrin {

/// Light from above meeting a medium of a higher index along the axis, y = 0 of the map, the
/// medium below it: a parallel beam at an angle from the normal, or a point source above. The
/// light enters along a stretch of the boundary, sampled as the mirror is, an arrow for each
/// point. Below, each arrow turns by the light's path in air to its point and then by n times its
/// leg to the detector; the beam's direction in the medium is whatever the sum makes it. Above,
/// the same points reflect a little of the light, turned round.
class Boundary
{
public:
    static constexpr double steepestAngle = 80; ///< degrees from the normal
    static constexpr double defaultFrom = 3000; ///< map x
    static constexpr double defaultTo = 5500;

    /// `source` is the beam, which comes at `beamAngle` degrees from the normal, down and to the
    /// right, or a point above the boundary (a scene point); light enters from map x `from` to
    /// `to`.
    Boundary(double index, Source source, double beamAngle, double from, double to);

    /// The arrows that reach the medium below, with the boundary sampled every `stride` twips.
    ArrowFan transmitted(int stride) const;
    /// The arrows reflected back above.
    ArrowFan reflected(int stride) const;
    /// Whether a map point lies in the medium: on the boundary or below it.
    static bool inMedium(Vec2 mapPoint) { return mapPoint.y <= 0; }

private:
    /// The points, each the middle of its stretch of `stride` twips, and the light's path to each
    /// in air.
    ArrowFan arrivals(int stride) const;

    double m_index;
    Source m_source;
    double m_beamAngle;
    double m_from;
    double m_to;
};

} // namespace veltrin
