// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirrorcut.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

MirrorCut::MirrorCut() : m_kept(2 * maxHeight, true) {}

MirrorCut MirrorCut::vertexStrip(int height)
{
    MirrorCut cut;
    for (Half half : {Half::Lower, Half::Upper})
        cut.set(half, height + 1, maxHeight, false);
    return cut;
}

MirrorCut MirrorCut::edges(int height)
{
    MirrorCut cut;
    for (Half half : {Half::Lower, Half::Upper})
        cut.set(half, 1, height - 1, false);
    return cut;
}

MirrorCut MirrorCut::grating(double period)
{
    MirrorCut cut;
    for (int height = 1; height <= maxHeight; ++height) {
        // The strip from height − 1 to height, by its middle.
        const bool kept = std::fmod(height - 0.5, period) < period / 2;
        for (Half half : {Half::Lower, Half::Upper})
            cut.m_kept[index(half, height)] = kept;
    }
    return cut;
}

void MirrorCut::set(Half half, int from, int to, bool kept)
{
    if (from > to)
        std::swap(from, to);
    from = std::max(from, 1);
    to = std::min(to, maxHeight);
    for (int height = from; height <= to; ++height)
        m_kept[index(half, height)] = kept;
}

int MirrorCut::keptCount() const
{
    return int(std::ranges::count(m_kept, true));
}

std::vector<MirrorPoint> MirrorCut::applyTo(std::vector<MirrorPoint> points) const
{
    for (MirrorPoint &point : points)
        point.present = point.present && keeps(point);
    return points;
}

} // namespace veltrin
