// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

namespace veltrin {

/// Every detector position of a run seen as the close-up sees one: the figures of each, the
/// run's highest bar and the largest chain, for copying all positions at once and for one
/// scale that fits the chains of all.
class PositionTable
{
public:
    /// Sums every position with arrowCount arrows, one of CloseUp::arrowCounts.
    PositionTable(double k, double frequency, int arrowCount);

    double k() const { return m_k; }
    double frequency() const { return m_frequency; }
    int arrowCount() const { return m_arrowCount; }

    /// The highest probability of any position: with all arrows, the run's highest bar.
    double highestProbability() const;
    /// The longest side of the box around any position's chain, twips.
    double largestChain() const { return m_largestChain; }
    /// A header row with units and a row for every position, tab-separated with a newline
    /// after each, for a spreadsheet; shares are of highestBar.
    QString text(double highestBar) const;

private:
    double m_k;
    double m_frequency;
    int m_arrowCount;
    double m_largestChain = 0;
    std::vector<double> m_probabilities;
};

} // namespace veltrin
