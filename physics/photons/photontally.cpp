// SPDX-License-Identifier: GPL-3.0-or-later
#include "photontally.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

namespace {

// A square's column and row packed into one key: the plane is far smaller than 2³¹ squares.
std::int64_t keyOf(std::int64_t column, std::int64_t row)
{
    return column * (std::int64_t(1) << 32) + row;
}

} // namespace

void PhotonTally::add(Vec2 hit)
{
    ++m_count;
    if (m_hits.capacity() == 0)
        m_hits.reserve(mostKept); // no copying of a growing list in the middle of a frame
    if (m_hits.size() < mostKept)
        m_hits.push_back(hit);
    const std::int64_t key = keyOf(std::int64_t(std::floor(hit.x / m_cell)),
                                   std::int64_t(std::floor(hit.y / m_cell + 0.5)));
    Square &square = m_perSquare[key];
    ++square.count;
    square.sum = {square.sum.x + hit.x, square.sum.y + hit.y};
    if (square.count > m_densestCount) {
        m_densestCount = square.count;
        m_densest = key;
    }
}

void PhotonTally::clear()
{
    m_hits.clear();
    m_count = 0;
    m_perSquare.clear();
    m_densestCount = 0;
}

std::size_t PhotonTally::near(Vec2 at, double radius) const
{
    const double r2 = radius * radius;
    return std::size_t(std::ranges::count_if(m_hits, [&](Vec2 p) {
        const double dx = p.x - at.x;
        const double dy = p.y - at.y;
        return dx * dx + dy * dy <= r2;
    }));
}

double PhotonTally::shareNear(Vec2 at, double radius) const
{
    return m_hits.empty() ? 0 : double(near(at, radius)) / double(m_hits.size());
}

Vec2 PhotonTally::densest() const
{
    const auto found = m_perSquare.find(m_densest);
    if (found == m_perSquare.end())
        return {};
    const Square &square = found->second;
    return {square.sum.x / double(square.count), square.sum.y / double(square.count)};
}

} // namespace veltrin
