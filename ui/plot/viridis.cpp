// SPDX-License-Identifier: GPL-3.0-or-later
#include "viridis.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace veltrin {

namespace {

// Nine evenly spaced colours of the scale; straight lines between them stay within a shade
// of its smooth course.
constexpr std::array<std::array<int, 3>, 9> stops{{
    {68, 1, 84},
    {71, 44, 122},
    {59, 82, 139},
    {44, 114, 142},
    {33, 145, 140},
    {40, 174, 128},
    {94, 201, 98},
    {173, 220, 48},
    {253, 231, 37},
}};

} // namespace

QColor viridis(double t)
{
    const double at = std::clamp(t, 0.0, 1.0) * double(stops.size() - 1);
    const std::size_t below = std::min(std::size_t(at), stops.size() - 2);
    const double f = at - double(below);
    const auto mix = [&](int channel) {
        return int(std::lround(stops[below][channel] * (1 - f) + stops[below + 1][channel] * f));
    };
    return QColor(mix(0), mix(1), mix(2));
}

} // namespace veltrin
