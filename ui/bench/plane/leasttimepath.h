// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "arrowfan.h"
#include "vec2.h"

#include <cstddef>

namespace veltrin {

/// The way through one of a fan's points that takes the least time to a detector, found by
/// trying every point: no rule of angles is assumed, only the times the arrows are turned by.
struct LeastTimePath
{
    std::size_t point = 0; ///< which of the fan's points
    Vec2 crossing;         ///< that point, in the scene
    double time = 0;       ///< its optical path, twips

    /// For a detector (a scene point); the fan must have a point.
    static LeastTimePath through(const ArrowFan &fan, Vec2 detector);
};

} // namespace veltrin
