// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vec2.h"

#include <span>
#include <vector>

namespace veltrin {

class PhotonTally;
class ProbabilityMap;

/// Where the pupil expects the light, marked before the map is shown, and once revealed, how
/// each mark did: the share of the photons that landed near it, and its probability against
/// the brightest point of the map.
class Prediction
{
public:
    /// Photons within this distance of a mark count as near it, twips: about half a
    /// wavelength of the main window's Middle light.
    static constexpr double nearRadius = 150;

    struct Score
    {
        Vec2 mark;
        double photonShare = 0;      ///< of all photons landed, 0 … 1
        double probabilityShare = 0; ///< the map's value there against its brightest, 0 … 1
    };

    std::span<const Vec2> marks() const { return m_marks; }
    bool isRevealed() const { return m_revealed; }

    void add(Vec2 mark) { m_marks.push_back(mark); }
    /// Starts afresh: no marks, nothing revealed.
    void clear();
    void reveal() { m_revealed = true; }

    /// Every mark's score against the photons and the map.
    std::vector<Score> scores(const PhotonTally &photons, const ProbabilityMap &map) const;

private:
    std::vector<Vec2> m_marks;
    bool m_revealed = false;
};

} // namespace veltrin
