// SPDX-License-Identifier: GPL-3.0-or-later
#include "photontally.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace veltrin {

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

Vec2 PhotonTally::densest(double cell) const
{
    std::map<std::pair<long, long>, std::size_t> counts;
    for (const Vec2 p : m_hits)
        ++counts[{long(std::floor(p.x / cell)), long(std::floor(p.y / cell))}];
    const auto most = std::ranges::max_element(
        counts, [](const auto &a, const auto &b) { return a.second < b.second; });
    if (most == counts.end())
        return {};
    return {(double(most->first.first) + 0.5) * cell, (double(most->first.second) + 0.5) * cell};
}

} // namespace veltrin
