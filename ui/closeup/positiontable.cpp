// SPDX-License-Identifier: GPL-3.0-or-later
#include "positiontable.h"

#include "closeup.h"
#include "closeupnumbers.h"
#include "scene.h"

#include <QStringList>
#include <algorithm>

namespace veltrin {

PositionTable::PositionTable(double k, double frequency, int arrowCount)
    : m_k(k), m_frequency(frequency), m_arrowCount(arrowCount)
{
    m_probabilities.reserve(scene::detectorPositions);
    for (int position = 0; position < scene::detectorPositions; ++position) {
        const CloseUp closeUp(k, frequency, arrowCount, position);
        m_probabilities.push_back(closeUp.probability());
        const std::span<const Vec2> chain = closeUp.chain();
        const auto [minX, maxX] = std::ranges::minmax(chain, {}, &Vec2::x);
        const auto [minY, maxY] = std::ranges::minmax(chain, {}, &Vec2::y);
        m_largestChain = std::max({m_largestChain, maxX.x - minX.x, maxY.y - minY.y});
    }
}

double PositionTable::highestProbability() const
{
    return std::ranges::max(m_probabilities);
}

QString PositionTable::text(double highestBar) const
{
    QStringList lines;
    for (int position = 0; position < scene::detectorPositions; ++position) {
        // Summed again rather than kept: 142 chains of 3000 arrows are many megabytes.
        const CloseUpNumbers numbers(CloseUp(m_k, m_frequency, m_arrowCount, position), highestBar);
        if (lines.isEmpty())
            lines << numbers.header();
        lines << numbers.row();
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace veltrin
