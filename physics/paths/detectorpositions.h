// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene.h"
#include "vec2.h"

#include <optional>

namespace veltrin {

/// Which of the places on the axis where a run puts the detector a point of the drawing
/// belongs to.
class DetectorPositions
{
public:
    /// The position whose column holds the point (twips) in the drawing of a run whose bars
    /// stood barOffset right of their detector: above the axis the nearest bar's, on and below
    /// it the nearest spiral's start. Nothing outside the band of columns, half a step either
    /// side of the first and the last, or above or below the mirror.
    static std::optional<int> at(Vec2 point, double barOffset);
};

} // namespace veltrin
