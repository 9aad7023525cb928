// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapcache.h"

#include "probabilitymap.h"

#include <algorithm>

namespace veltrin {

std::shared_ptr<const ProbabilityMap> MapCache::find(const Experiment &experiment,
                                                     const MapGrid &grid)
{
    const auto found = std::ranges::find_if(m_maps, [&](const auto &map) {
        return map->grid() == grid && map->experiment() == experiment;
    });
    if (found == m_maps.end())
        return nullptr;
    std::rotate(found, found + 1, m_maps.end());
    return m_maps.back();
}

void MapCache::keep(std::shared_ptr<const ProbabilityMap> map)
{
    if (!map || find(map->experiment(), map->grid()))
        return;
    if (m_maps.size() >= m_capacity && !m_maps.empty())
        m_maps.erase(m_maps.begin());
    if (m_capacity > 0)
        m_maps.push_back(std::move(map));
}

} // namespace veltrin
