// SPDX-License-Identifier: GPL-3.0-or-later
#include "linehistogram.h"

#include "probabilitymap.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

void LineHistogram::setLine(const ProbabilityMap &map, double x)
{
    const MapGrid &grid = map.grid();
    const MapExtent &extent = grid.extent();
    const double half = grid.step() / 2;
    // The nearest column, and those whose points lie within reach of it.
    const int centre = grid.columnNear(x);
    const int spread = int(std::floor(reach / grid.step() + 1e-9));
    const int first = std::max(0, centre - spread);
    const int last = std::min(grid.columns() - 1, centre + spread);
    m_from = std::max(0.0, grid.x(first) - half);
    m_to = std::min(extent.xEnd, grid.x(last) + half);

    // Bins centred on the axis, out to the map's edges.
    const int binsBelow = int(std::ceil((extent.halfHeight - binHeight / 2) / binHeight - 1e-9));
    m_lowest = -binsBelow * binHeight;
    m_expected.assign(std::size_t(2 * binsBelow + 1), 0);
    // A photon lands anywhere in its cell, cut where the map ends: each cell's value goes to
    // the bins its height overlaps, in proportion.
    double sum = 0;
    for (int row = 0; row < grid.rows(); ++row) {
        const double low = std::max(extent.yLow(), grid.y(row) - half);
        const double high = std::min(extent.yEnd(), grid.y(row) + half);
        if (!(high > low))
            continue;
        double value = 0;
        for (int column = first; column <= last; ++column)
            value += map.at(column, row);
        if (!(value > 0))
            continue;
        sum += value;
        for (int bin = binOf(low); bin <= binOf(high); ++bin) {
            const double overlap = std::min(high, middleOf(bin) + binHeight / 2) -
                                   std::max(low, middleOf(bin) - binHeight / 2);
            if (overlap > 0)
                m_expected[std::size_t(bin)] += value * overlap / (high - low);
        }
    }
    if (sum > 0)
        for (double &share : m_expected)
            share /= sum;
    m_counts.assign(m_expected.size(), 0);
    m_total = 0;
}

void LineHistogram::clearCounts()
{
    std::ranges::fill(m_counts, 0);
    m_total = 0;
}

int LineHistogram::binOf(double y) const
{
    const int bin = int(std::floor((y - m_lowest) / binHeight + 0.5));
    return std::clamp(bin, 0, std::max(0, int(m_expected.size()) - 1));
}

int LineHistogram::fullest() const
{
    if (m_total == 0)
        return -1;
    return int(std::ranges::max_element(m_counts) - m_counts.begin());
}

} // namespace veltrin
