// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vec2.h"

#include <cstddef>
#include <span>
#include <vector>

namespace veltrin {

/// The photons that have landed in the plane, in the map's coordinates, and what a pupil asks
/// of them: how many landed near a point, and where most of them are.
class PhotonTally
{
public:
    void add(Vec2 hit) { m_hits.push_back(hit); }
    void clear() { m_hits.clear(); }
    std::size_t size() const { return m_hits.size(); }
    std::span<const Vec2> hits() const { return m_hits; }

    /// How many landed within `radius` of `at`.
    std::size_t near(Vec2 at, double radius) const;
    /// The share of all photons that landed within `radius` of `at`; 0 with none.
    double shareNear(Vec2 at, double radius) const;
    /// The middle of the square of side `cell`, on a grid of such squares from the origin,
    /// where most photons landed. Only when there are photons.
    Vec2 densest(double cell) const;

private:
    std::vector<Vec2> m_hits;
};

} // namespace veltrin
