// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "probabilitystage.h"
#include "scene.h"
#include "surface.h"

#include <optional>

namespace veltrin {

/// The places on the axis where a run puts the detector, from the vertex line towards the
/// source plane, and which of them a point of the drawing belongs to.
class DetectorPositions
{
public:
    static constexpr double step = ProbabilityStage::detectorStep;
    /// Every position short of the source plane.
    static constexpr int count = int((scene::XS - scene::X0 - 1) / step) + 1;

    static constexpr double x(int index) { return scene::X0 + step * index; }

    /// The position whose column holds the point (twips) in the drawing of a run whose bars
    /// stood barOffset right of their detector: above the axis the nearest bar's, on and below
    /// it the nearest spiral's start. Nothing outside the band of columns, half a step either
    /// side of the first and the last, or above or below the mirror.
    static std::optional<int> at(PointF point, double barOffset);
};

} // namespace veltrin
