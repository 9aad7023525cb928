// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace veltrin {

class PhotonRandom;

/// Picks cells of a table of weights (a map's probabilities, the bars along the axis) at
/// random, each as likely as its weight against the whole table's: from the table's running
/// sums by binary search, so a draw takes a few steps however large the table.
class PhotonSampler
{
public:
    /// Negative and non-finite weights count as nothing.
    explicit PhotonSampler(std::span<const double> weights);

    std::size_t cellCount() const { return m_cumulative.size(); }
    /// The sum of all weights; where it is zero no photon lands anywhere.
    double total() const { return m_cumulative.empty() ? 0 : m_cumulative.back(); }
    bool canDraw() const { return total() > 0; }

    /// The cell for a number u in [0, 1): the first whose running sum exceeds u·total().
    /// Only for a table that canDraw().
    std::size_t cellAt(double u) const;
    /// The next photon's cell.
    std::size_t draw(PhotonRandom &random) const;

private:
    std::vector<double> m_cumulative;
    std::size_t m_lastWeighted = 0; ///< the last cell with a weight, for u·total() rounding up
};

} // namespace veltrin
