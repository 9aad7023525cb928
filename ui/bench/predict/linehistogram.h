// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vec2.h"

#include <QtGlobal>
#include <span>
#include <vector>

namespace veltrin {

class ProbabilityMap;

/// The photons that land in a band of the map along a vertical line, counted in bins along y,
/// and what the map expects there: its values in the band, gathered bin by bin. The band is the
/// map's columns within `reach` of the line, whole cells, as the photons land in them.
class LineHistogram
{
public:
    /// A bin's height, twips: five rows of the full map, one of the coarse one, and well below
    /// the slits' fringes anywhere on the map.
    static constexpr double binHeight = 100;
    /// How far either side of the line the band reaches, twips (then out to whole cells).
    static constexpr double reach = 100;

    /// The band about the map's column nearest `x`, with the map's expectation in it; the
    /// counts start again.
    void setLine(const ProbabilityMap &map, double x);
    /// Counts a photon, where it lands in the band.
    void add(Vec2 hit)
    {
        if (hit.x < m_from || hit.x > m_to || m_counts.empty())
            return;
        ++m_counts[std::size_t(binOf(hit.y))];
        ++m_total;
    }
    void clearCounts();

    /// Where the band begins and ends, map x.
    double from() const { return m_from; }
    double to() const { return m_to; }
    std::span<const qint64> counts() const { return m_counts; }
    /// The photons counted in the band.
    qint64 total() const { return m_total; }
    /// The map's share of the band in each bin, summing to 1 where the band has light.
    std::span<const double> expected() const { return m_expected; }

    /// The bin a height falls in, within the bins.
    int binOf(double y) const;
    /// A bin's middle, map y.
    double middleOf(int bin) const { return m_lowest + bin * binHeight; }
    /// The bin with the most photons (the lowest of equals); −1 with none.
    int fullest() const;

private:
    double m_from = 1, m_to = 0; // no band before the first map
    double m_lowest = 0;         // the lowest bin's middle, map y
    std::vector<qint64> m_counts;
    std::vector<double> m_expected;
    qint64 m_total = 0;
};

} // namespace veltrin
