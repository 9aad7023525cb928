// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vec2.h"

namespace veltrin {

/// One way the light may go, built leg by leg: each straight leg takes its length times the
/// refractive index it crosses; each surface met turns part of the light back or lets part of it
/// through, and the path keeps the share of the arrow that follows it. Light that turns back at a
/// denser medium is turned round, half a turn.
class LightPath
{
public:
    /// The reflected arrow's length at a surface between indices: |n₁ − n₂| / (n₁ + n₂).
    static double reflectionOf(double from, double to);

    /// A straight leg of `length` twips through a medium of `index`.
    LightPath &go(double length, double index = 1);
    LightPath &go(Vec2 from, Vec2 to, double index = 1);
    /// Turns back at a surface from a medium of index `from` towards one of `to`.
    LightPath &reflect(double from, double to);
    /// Passes through a surface: the arrow keeps √(1 − r²), as much as the reflection leaves.
    LightPath &cross(double from, double to);

    /// The legs' lengths, each times its index, twips.
    double opticalLength() const { return m_opticalLength; }
    /// The share of the arrow that follows the path, turned round where it turned back at a
    /// denser medium: negative for an odd number of half turns.
    double amplitude() const { return m_amplitude; }

    /// The path's arrow for light of `wavenumber` radians per twip of path, `length` long for a
    /// path that keeps all of it.
    Vec2 arrow(double wavenumber, double length = 1) const;

private:
    double m_opticalLength = 0;
    double m_amplitude = 1;
};

} // namespace veltrin
