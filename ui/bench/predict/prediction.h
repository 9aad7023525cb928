// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vec2.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace veltrin {

class PhotonTally;
class ProbabilityMap;

/// Where the pupil expects the light, marked before the map is shown, and once revealed, how
/// each mark did: the share of the photons that landed near it, and its probability against
/// the brightest point of the map. The photons are counted near the marks as they land, each
/// against the few marks near where it fell, so that however many marks there are a photon
/// costs about the same.
class Prediction
{
public:
    /// Photons within this distance of a mark count as near it, twips: about half a
    /// wavelength of the main window's Middle light.
    static constexpr double nearRadius = 150;
    /// How many of the latest marks are named with how they did in the words under the map.
    static constexpr std::size_t namedMarks = 3;

    struct Score
    {
        Vec2 mark;
        double photonShare = 0;      ///< of the photons landed, 0 … 1
        double probabilityShare = 0; ///< the map's value there against its brightest, 0 … 1
    };

    std::span<const Vec2> marks() const { return m_marks; }
    bool isRevealed() const { return m_revealed; }

    /// A mark, with the photons landed so far counted near it.
    void add(Vec2 mark, const PhotonTally &landed);
    /// Photons just landed, counted near the marks they fell near.
    void count(std::span<const Vec2> hits);
    /// The photons were cleared: the marks count afresh.
    void photonsCleared();
    /// Starts afresh: no marks, nothing revealed.
    void clear();
    void reveal() { m_revealed = true; }

    /// Every mark's score against the photons counted and the map.
    std::vector<Score> scores(const ProbabilityMap &map) const;
    /// How many times a photon has been measured against a mark, all told.
    std::size_t work() const { return m_work; }

private:
    struct Tally
    {
        std::size_t near = 0;
        std::size_t base = 0; ///< photons counted when the mark was made
        std::size_t from = 0; ///< m_counted then
    };

    /// Makes room in the bins for a mark's reach, and puts it in every bin it reaches.
    void bin(std::size_t mark);
    /// The bin of a square's column and row, or none beyond the bins.
    std::vector<std::uint32_t> *binAt(std::int64_t column, std::int64_t row);

    std::vector<Vec2> m_marks;
    std::vector<Tally> m_tallies;
    bool m_revealed = false;
    std::size_t m_counted = 0; ///< photons counted since the last clearing
    std::size_t m_work = 0;
    // Squares of side nearRadius over the marks' reach, row after row; each lists the marks
    // within reach of some point of it, so that a photon is measured only against those.
    std::int64_t m_firstColumn = 0;
    std::int64_t m_firstRow = 0;
    std::int64_t m_columns = 0;
    std::int64_t m_rows = 0;
    std::vector<std::vector<std::uint32_t>> m_bins;
};

} // namespace veltrin
