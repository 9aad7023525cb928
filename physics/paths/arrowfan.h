// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vec2.h"

#include <vector>

namespace veltrin {

/// The arrows an optical element sends to the detectors on one side of it: one for each point
/// where the light passes the element, turned by the light's path up to that point and then by
/// the straight leg from it to the detector, through the medium on that side.
struct ArrowFan
{
    std::vector<Vec2> points;       ///< in the scene
    std::vector<double> pathBefore; ///< each point's optical path from the source, twips
    double index = 1;               ///< of the medium between the points and the detectors
    double amplitude = 1;           ///< every arrow's share; negative where turned round

    void add(Vec2 point, double path)
    {
        points.push_back(point);
        pathBefore.push_back(path);
    }

    /// All the arrows at a detector (a scene point), each `arrowLength` times the amplitude long,
    /// added in double precision: the reference for the map's fast sums.
    Vec2 resultantAt(Vec2 detector, double wavenumber, double arrowLength) const;
};

} // namespace veltrin
