// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arrowfan.h"
#include "mirror.h"
#include "source.h"

#include <span>
#include <vector>

namespace veltrin {

/// The path sum for a whole row of a map at once: the arrows of every mirror point for many
/// detectors on one line y, in single-precision lanes across the detectors. Each arrow's phase is
/// kept in turns; the source's leg, up to hundreds of turns long, is reduced to a fraction of a
/// turn in double precision once per mirror point, so that only the detector's short leg is
/// computed in single precision. Every resultant lies within a few parts in a hundred thousand of
/// `PathSum`'s, which stays the reference.
class RowSum
{
public:
    /// The code path chosen for this processor when the program started.
    enum class Lanes { Baseline, Avx2, Avx512 };
    static Lanes lanes();
    static const char *nameOf(Lanes lanes);

    /// Prepares the source's legs once. Arguments as `PathSum`'s; cut points add no arrow.
    RowSum(std::span<const MirrorPoint> points, double wavenumber, Source source,
           double arrowLength);
    /// The same for an element's fan: each point's path so far reduced as the source's leg is,
    /// the leg to the detector through the fan's medium, every arrow `arrowLength` times the
    /// fan's amplitude long.
    RowSum(const ArrowFan &fan, double wavenumber, double arrowLength);

    /// The resultants for detectors at scene points (xs[i], y), each `arrowLength` per arrow:
    /// their x parts into `sumX`, their y parts into `sumY`. Safe to call from several threads.
    void resultants(double y, std::span<const double> xs, std::span<double> sumX,
                    std::span<double> sumY) const;

    /// The same with the code path given: for tests that hold every path to the same sums.
    void resultants(Lanes lanes, double y, std::span<const double> xs, std::span<double> sumX,
                    std::span<double> sumY) const;

    /// Whether the arrows are mirror images across the axis (both halves alike, the source on the
    /// axis or the beam), so that the sums at y and at its image across the axis agree.
    bool isSymmetric() const { return m_symmetric; }

private:
    double m_arrowLength;
    double m_turnsPerTwip; // on the detector's leg
    bool m_symmetric = false;
    std::vector<float> m_x;           // the mirror point's x in the scene
    std::vector<double> m_y;          // its y in the scene
    std::vector<float> m_sourceTurns; // the source's leg, in turns, less its whole turns
};

} // namespace veltrin
