// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "photonsampler.h"
#include "vec2.h"

#include <span>

namespace veltrin {

class PhotonRandom;

/// A map of the plane as a grid of points, each standing for the cell around it.
struct PlaneGrid
{
    double firstX = 0; ///< of the point in column 0, row 0, in the map's coordinates
    double firstY = 0;
    double step = 20; ///< between neighbouring points, either way
    int columns = 0;
    int rows = 0;
    /// Where the map ends: a cell on the border reaches no further. Unbounded when min > max.
    double minX = 1, maxX = 0, minY = 1, maxY = 0;
};

/// Photons landing in the plane, each point as likely as the map says there: a cell chosen by
/// its probability against the whole map's, then a point uniformly within that cell.
class PlanePhotons
{
public:
    /// probabilities holds the grid row after row (rows × columns values).
    PlanePhotons(const PlaneGrid &grid, std::span<const double> probabilities);

    const PlaneGrid &grid() const { return m_grid; }
    bool canDraw() const { return m_sampler.canDraw(); }
    /// The next photon's point, in the map's coordinates. Only for a map that canDraw().
    Vec2 draw(PhotonRandom &random) const;

private:
    PlaneGrid m_grid;
    PhotonSampler m_sampler;
};

} // namespace veltrin
