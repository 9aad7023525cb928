// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirror.h"
#include "source.h"
#include "vec2.h"

#include <span>
#include <vector>

namespace veltrin {

/// Adds one arrow per mirror point present, head to tail, for a detector anywhere in the plane:
/// each arrow's direction is the phase of the path source → mirror point → detector. The arrows
/// wind into a Cornu spiral; its squared length is the probability at the detector.
class PathSum
{
public:
    static constexpr double arrowLength = 0.5; ///< twips, for one sample of the mirror
    static constexpr double probabilityScale = 0.001;

    /// The squared length of a resultant, scaled to twips of bar height.
    static constexpr double probabilityOf(Vec2 resultant)
    {
        return (resultant.y * resultant.y + resultant.x * resultant.x) * probabilityScale;
    }
    /// The resultant's length for a probability.
    static double resultantLengthOf(double probability);

    /// Prepares the source's part of every path once. `wavenumber` is the phase in radians per
    /// twip of path; every arrow is `arrowLength` long. Cut points add no arrow.
    PathSum(std::span<const MirrorPoint> points, double wavenumber, Source source = Source::beam(),
            double arrowLength = PathSum::arrowLength);

    /// The run's own sum: the lower half of the parabola with constant k, a parallel beam.
    PathSum(double k, double wavenumber);

    /// The mirror points that add an arrow, in order.
    std::span<const MirrorPoint> points() const { return m_points; }

    /// Sums the arrows for a detector at `detector`, the chain starting at `chainStart`.
    void sumAt(Vec2 detector, Vec2 chainStart);
    /// The chain's start and the head of every arrow, as the last sumAt drew them.
    std::span<const Vec2> chain() const { return m_chain; }
    /// The squared distance from the chain's start to its end, scaled to twips of bar.
    double probability() const { return m_probability; }
    /// Each arrow's direction, in radians, as the last sumAt turned it.
    std::span<const double> phases() const { return m_phase; }

    /// All the arrows at `detector` added, without keeping the chain: for maps of the plane.
    Vec2 resultantAt(Vec2 detector);

private:
    void turnArrows(Vec2 detector);

    double m_wavenumber;
    double m_arrowLength;
    std::vector<MirrorPoint> m_points;
    std::vector<double> m_incoming; // source to mirror point
    std::vector<double> m_depth;    // the mirror point's depth behind the vertex line
    std::vector<double> m_y;        // the mirror point's height in the scene
    std::vector<double> m_phase;
    std::vector<double> m_cos;
    std::vector<double> m_sin;
    std::vector<Vec2> m_chain;
    double m_probability = 0;
};

} // namespace veltrin
