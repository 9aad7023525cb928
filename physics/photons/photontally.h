// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vec2.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace veltrin {

/// The photons that have landed in the plane, in the map's coordinates, and what a pupil asks
/// of them: how many landed near a point, and where they lie densest. All are counted; the
/// points of the first million are kept, which show the pattern as well as any more would,
/// while the fastest rate brings a million a second.
class PhotonTally
{
public:
    static constexpr std::size_t mostKept = 1'000'000;

    /// Where the photons lie densest is counted in squares of side `cell`, twips, a row of them
    /// centred on the axis, so that a spot on the axis falls in one square and not two.
    explicit PhotonTally(double cell = 250) : m_cell(cell) {}

    void add(Vec2 hit);
    void clear();
    /// How many photons have landed.
    std::size_t size() const { return m_count; }
    /// The points kept, in the order they landed.
    std::span<const Vec2> hits() const { return m_hits; }

    /// How many of the photons kept landed within `radius` of `at`.
    std::size_t near(Vec2 at, double radius) const;
    /// The share of the photons kept that landed within `radius` of `at`; 0 with none.
    double shareNear(Vec2 at, double radius) const;
    /// Where the photons of the square that most of them landed in lie, on the mean (of equal
    /// squares, the first to get there). Only when there are photons.
    Vec2 densest() const;

private:
    struct Square
    {
        std::size_t count = 0;
        Vec2 sum;
    };

    double m_cell;
    std::size_t m_count = 0;
    std::vector<Vec2> m_hits;
    std::unordered_map<std::int64_t, Square> m_perSquare;
    std::int64_t m_densest = 0;
    std::size_t m_densestCount = 0;
};

} // namespace veltrin
