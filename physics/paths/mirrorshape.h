// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace veltrin {

/// The curve a mirror follows: how far behind the vertex line it lies at each parameter u (a
/// height from the axis). A parabola x = K·u², or a circle of the same focal length, 1/(4K),
/// whose radius is twice that; a circle ends where u reaches its radius.
class MirrorShape
{
public:
    enum class Kind { Parabola, Circle };

    static MirrorShape parabola(double k) { return {Kind::Parabola, k}; }
    static MirrorShape circle(double k) { return {Kind::Circle, k}; }

    Kind kind() const { return m_kind; }
    double k() const { return m_k; }
    double focalLength() const;

    /// Whether the curve reaches parameter u.
    bool reaches(double u) const;
    /// How far behind the vertex line the mirror lies at parameter u, where it reaches.
    double depth(double u) const;

    friend bool operator==(const MirrorShape &, const MirrorShape &) = default;

private:
    MirrorShape(Kind kind, double k) : m_kind(kind), m_k(k) {}

    Kind m_kind;
    double m_k;
};

} // namespace veltrin
