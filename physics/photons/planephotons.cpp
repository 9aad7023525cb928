// SPDX-License-Identifier: GPL-3.0-or-later
#include "planephotons.h"

#include "photonrandom.h"

#include <algorithm>

namespace veltrin {

namespace {

/// A uniform point of the interval centre ± half, cut where the map ends.
double within(double centre, double half, double min, double max, double u)
{
    double low = centre - half;
    double high = centre + half;
    if (min <= max) {
        low = std::max(low, min);
        high = std::min(high, max);
    }
    return low + (high - low) * u;
}

} // namespace

PlanePhotons::PlanePhotons(const PlaneGrid &grid, std::span<const double> probabilities)
    : m_grid(grid), m_sampler(probabilities.first(
                        std::min(probabilities.size(), std::size_t(std::max(0, grid.columns)) *
                                                           std::size_t(std::max(0, grid.rows)))))
{
}

Vec2 PlanePhotons::draw(PhotonRandom &random) const
{
    const std::size_t cell = m_sampler.draw(random);
    const int column = int(cell % std::size_t(m_grid.columns));
    const int row = int(cell / std::size_t(m_grid.columns));
    const double half = m_grid.step / 2;
    const double x = within(m_grid.firstX + column * m_grid.step, half, m_grid.minX, m_grid.maxX,
                            random.uniform());
    const double y =
        within(m_grid.firstY + row * m_grid.step, half, m_grid.minY, m_grid.maxY, random.uniform());
    return {x, y};
}

} // namespace veltrin
