// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirrorshape.h"
#include "scene.h"

#include <vector>

namespace veltrin {

/// One sampled point of the mirror, as a path sum takes it.
struct MirrorPoint
{
    int sample = 0;      ///< the sample j it stands for
    double depth = 0;    ///< behind the vertex line, twips
    double y = 0;        ///< in the scene, twips
    bool present = true; ///< false where the mirror is cut away (or the shape ends)

    double x() const { return scene::X0 + depth; }
};

/// The mirror sampled at j = 3001..6000. Each sample stands for a point below the axis and its
/// image above. The depth comes from the parameter u = 2950 − j, shifted by 50 against the
/// height j − 3000, so even the samples next to the axis lie a little beyond the vertex line.
class Mirror
{
public:
    static constexpr int firstSample = scene::AP / 2 + 1;
    static constexpr int lastSample = scene::AP;
    static constexpr int sampleCount = lastSample - firstSample + 1;

    explicit Mirror(double k) : m_shape(MirrorShape::parabola(k)) {}
    explicit Mirror(MirrorShape shape) : m_shape(shape) {}

    const MirrorShape &shape() const { return m_shape; }
    double k() const { return m_shape.k(); }

    static constexpr int parameter(int j) { return (scene::AP / 2 - j) - 50; }
    /// Every 500 twips of u a pair of rays is drawn (u = −500 … −3000).
    static constexpr bool isRaySample(int j) { return parameter(j) % scene::raySpacing == 0; }

    /// How far behind the vertex line the mirror lies at parameter u.
    double depth(double u) const { return m_shape.depth(u); }
    double lowerX(int j) const { return scene::X0 + depth(parameter(j)); }
    static constexpr double lowerY(int j) { return scene::YTOP + j; }
    static constexpr double upperY(int j) { return scene::YBOT - j; }

    /// The points below the axis, from the axis outwards. With fewer points than samples, each
    /// stands for an equal run of samples and is its middle one (the later of two); `points`
    /// divides the samples.
    std::vector<MirrorPoint> lowerHalf(int points = sampleCount) const;
    /// Every point of both halves: the lower half from the axis outwards, then the upper, each
    /// half sampled as lowerHalf(points) samples it.
    std::vector<MirrorPoint> bothHalves(int points = sampleCount) const;

private:
    MirrorPoint pointAt(int j, double y) const;

    MirrorShape m_shape;
};

} // namespace veltrin
