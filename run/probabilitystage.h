// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pathsum.h"
#include "scene.h"
#include "surface.h"

#include <array>
#include <span>
#include <utility>
#include <vector>

namespace veltrin {

struct RunValues;

/// The last stage of Start: walks the detector along the axis, one position at a time; for
/// each it draws the Cornu spiral of its path sum below the axis and the probability bar above.
class ProbabilityStage
{
public:
    /// Draws the spirals' baseline; no position is drawn yet.
    ProbabilityStage(Surface &surface, const RunValues &values);

    bool atEnd() const { return m_next == scene::detectorPositions; }
    /// Draws the next position and returns its probability, the bar's height in twips.
    double drawNextPosition();
    /// Where the spirals drawn so far lie: left, top, right, bottom in twips.
    const std::array<float, 4> &spiralBounds() const { return m_spiralBounds; }

    /// Draws a run's bars again, and its incoming rays where asked, as its positions left them
    /// above the axis once a later run has erased below it: the rays over every bar but the last.
    /// A bar no taller than coveredUpTo at its position is left out: a later bar covers it.
    static void drawBarsAgain(Surface &surface, const RunValues &values,
                              std::span<const double> probabilities, bool withRays,
                              std::span<const double> coveredUpTo = {});

private:
    Surface &m_surface;
    const RunValues &m_values;
    std::vector<std::pair<PointF, PointF>> m_rays; // the incoming rays, drawn again each time
    PathSum m_pathSum;
    std::vector<PointF> m_spiral; // the sum's chain as the surface takes it
    int m_next = 0;
    std::array<float, 4> m_spiralBounds{1, 1, 0, 0};
};

} // namespace veltrin
