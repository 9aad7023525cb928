// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapphotons.h"

#include "probabilitymap.h"

#include <vector>

namespace veltrin {

namespace {

PlaneGrid planeOf(const MapGrid &grid)
{
    return {.firstX = grid.x(0),
            .firstY = grid.y(0),
            .step = grid.step(),
            .columns = grid.columns(),
            .rows = grid.rows(),
            .minX = 0,
            .maxX = grid.extent().xEnd,
            .minY = grid.extent().yLow(),
            .maxY = grid.extent().yEnd()};
}

std::vector<double> valuesOf(const ProbabilityMap &map)
{
    const MapGrid &grid = map.grid();
    std::vector<double> values;
    values.reserve(std::size_t(grid.size()));
    for (int row = 0; row < grid.rows(); ++row)
        for (int column = 0; column < grid.columns(); ++column)
            values.push_back(map.at(column, row));
    return values;
}

} // namespace

MapPhotons::MapPhotons(const ProbabilityMap &map) : PlanePhotons(planeOf(map.grid()), valuesOf(map))
{
}

} // namespace veltrin
