// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror.h"

#include <cassert>

namespace veltrin {

MirrorPoint Mirror::pointAt(int j, double y) const
{
    const int u = parameter(j);
    if (!m_shape.reaches(u))
        return {j, 0, y, false};
    return {j, depth(u), y, true};
}

std::vector<MirrorPoint> Mirror::lowerHalf(int points) const
{
    assert(points > 0 && sampleCount % points == 0);
    const int stride = sampleCount / points;
    std::vector<MirrorPoint> half;
    half.reserve(points);
    for (int j = firstSample + stride / 2; j <= lastSample; j += stride)
        half.push_back(pointAt(j, lowerY(j)));
    return half;
}

std::vector<MirrorPoint> Mirror::bothHalves(int points) const
{
    std::vector<MirrorPoint> both = lowerHalf(points);
    both.reserve(2 * both.size());
    const std::size_t lower = both.size();
    for (std::size_t i = 0; i < lower; ++i)
        both.push_back(pointAt(both[i].sample, upperY(both[i].sample)));
    return both;
}

} // namespace veltrin
