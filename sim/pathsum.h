// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface.h"

#include <span>
#include <vector>

namespace veltrin {

/// Adds one arrow per lower mirror sample, head to tail, for a detector on the axis: each
/// arrow's direction is the phase of the path source plane → mirror point → detector. The
/// arrows wind into a Cornu spiral; its squared length is the probability at the detector.
class PathSum
{
public:
    static constexpr double arrowLength = 0.5; ///< twips
    static constexpr double probabilityScale = 0.001;

    /// Prepares the mirror's part of every path once for a whole run.
    PathSum(double k, double frequency);
    /// A coarser sum over the same mirror: `arrows` arrows, each standing for an equal run of
    /// samples and drawn from its middle one (the later of two), each as much longer as it
    /// stands for more samples, so that the chain still spans the whole mirror. `arrows`
    /// divides the samples; with all of them this is the run's own sum.
    PathSum(double k, double frequency, int arrows);

    /// The mirror sample (j) the arrow of that index is drawn from.
    int sampleOf(int arrow) const { return m_firstSample + arrow * m_stride; }

    /// Sums the arrows for a detector at (xd, Y0); the spiral starts at (xd, startY).
    void sumAt(double xd, double startY);

    /// The spiral's start and the head of every arrow, as the last sumAt drew them.
    std::span<const PointF> spiral() const { return m_spiral; }
    /// The squared distance from the spiral's start to its end, scaled to twips of bar.
    double probability() const { return m_probability; }
    /// Each arrow's direction, in radians, as the last sumAt turned it.
    std::span<const double> phases() const { return m_phase; }

private:
    double m_frequency;
    int m_stride;                   // samples per arrow
    int m_firstSample;              // the sample of the first arrow
    double m_arrowLength;           // twips
    std::vector<double> m_incoming; // source plane to the mirror point's depth
    std::vector<double> m_depth;    // the mirror point's depth behind the vertex line
    std::vector<double> m_height2;  // squared height of the mirror point above the axis
    std::vector<double> m_phase;
    std::vector<double> m_cos;
    std::vector<double> m_sin;
    std::vector<PointF> m_spiral;
    double m_probability = 0;
};

} // namespace veltrin
