// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace veltrin {

/// A point or a displacement of the scene, in twips: x to the right, y downwards.
struct Vec2
{
    double x = 0;
    double y = 0;

    friend constexpr bool operator==(Vec2, Vec2) = default;
};

} // namespace veltrin
