// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "mapgrid.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace veltrin {

class ProbabilityMap;

/// The last few maps computed, so that going back to an experiment (undo, redo, an earlier
/// set-up) shows its map at once. The one used or kept last is kept longest.
class MapCache
{
public:
    static constexpr std::size_t defaultCapacity = 8;

    explicit MapCache(std::size_t capacity = defaultCapacity) : m_capacity(capacity) {}

    /// The map of that experiment on that grid, or nullptr.
    std::shared_ptr<const ProbabilityMap> find(const Experiment &experiment, const MapGrid &grid);
    void keep(std::shared_ptr<const ProbabilityMap> map);

private:
    std::size_t m_capacity;
    std::vector<std::shared_ptr<const ProbabilityMap>> m_maps; // the latest used last
};

} // namespace veltrin
