// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vec2.h"

#include <array>
#include <span>
#include <vector>

namespace veltrin {

/// One detector position of a run seen closely: its arrows one by one, each with the mirror
/// point and the path it comes from, the chain they make head to tail, and its probability.
/// With all 3000 arrows the chain and the probability are the run's own for that position.
class CloseUp
{
public:
    /// The arrow counts a close-up may be made with; each divides the mirror's samples.
    static constexpr std::array<int, 5> arrowCounts{30, 100, 300, 1000, 3000};

    struct Arrow
    {
        int sample = 0;        ///< the mirror sample j it is drawn from
        double height = 0;     ///< of the mirror point below the axis, twips
        double depth = 0;      ///< of the mirror point behind the vertex line, twips
        double pathLength = 0; ///< source plane → mirror point → detector, twips
        /// Its direction, radians. The run counts every path from a line X0 beyond the source
        /// plane, which turns all arrows alike and leaves the chain's shape as it is.
        double phase = 0;
    };

    /// Sums the arrows of detector position `position` (0 … scene::detectorPositions − 1) for
    /// the mirror constant k and the frequency (radians per twip of path); arrowCount is one
    /// of arrowCounts.
    CloseUp(double k, double frequency, int arrowCount, int position);

    int position() const { return m_position; }
    double k() const { return m_k; }
    double frequency() const { return m_frequency; }

    /// The detector's x in the drawing, twips.
    double detectorX() const;
    /// The detector's distance from the vertex line, twips.
    double detectorDistance() const;
    /// The focus's distance from the vertex line, 1/(4K), twips.
    double focalLength() const;

    std::span<const Arrow> arrows() const { return m_arrows; }
    /// The first arrow's tail and every arrow's head, in twips, where the run draws its spiral.
    std::span<const Vec2> chain() const { return m_chain; }
    /// Every arrow's length, twips.
    double arrowLength() const { return m_arrowLength; }
    /// From the first arrow's tail to the last arrow's head, twips.
    double resultantLength() const;
    /// The squared resultant in twips of bar height: with all arrows, the height of the run's
    /// bar at this position.
    double probability() const { return m_probability; }
    /// The arrow whose path is the shortest: where the light takes least time.
    int leastTimeArrow() const { return m_leastTimeArrow; }

private:
    double m_k;
    double m_frequency;
    int m_position;
    double m_arrowLength = 0;
    double m_probability = 0;
    int m_leastTimeArrow = 0;
    std::vector<Arrow> m_arrows;
    std::vector<Vec2> m_chain;
};

} // namespace veltrin
