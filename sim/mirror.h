// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene.h"

namespace veltrin {

/// The parabolic mirror x = X0 + K·u², sampled at j = 3001..6000. Each sample stands for a
/// point below the axis and its image above. The depth comes from the parameter u = 2950 − j,
/// shifted by 50 against the height j − 3000, so even the samples next to the axis lie a
/// little beyond the vertex line.
class Mirror
{
public:
    static constexpr int firstSample = scene::AP / 2 + 1;
    static constexpr int lastSample = scene::AP;
    static constexpr int sampleCount = lastSample - firstSample + 1;

    explicit Mirror(double k) : m_k(k) {}

    double k() const { return m_k; }

    static constexpr int parameter(int j) { return (scene::AP / 2 - j) - 50; }
    /// Every 500 twips of u a pair of rays is drawn (u = −500 … −3000).
    static constexpr bool isRaySample(int j) { return parameter(j) % scene::raySpacing == 0; }

    /// How far behind the vertex line the mirror lies at parameter u.
    double depth(double u) const { return m_k * u * u; }
    double lowerX(int j) const { return scene::X0 + depth(parameter(j)); }
    static constexpr double lowerY(int j) { return scene::YTOP + j; }
    static constexpr double upperY(int j) { return scene::YBOT - j; }

private:
    double m_k;
};

} // namespace veltrin
