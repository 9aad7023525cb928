// SPDX-License-Identifier: GPL-3.0-or-later
#include "lens.h"

#include "lightpath.h"
#include "mirror.h"

#include <algorithm>
#include <cassert>

namespace veltrin {

Lens::Lens(double index, Vec2 source, Vec2 target, MirrorCut cut)
    : m_index(index), m_source(source), m_target(target), m_cut(std::move(cut)),
      m_rimPath(std::max(pathVia(scene::AP / 2.0), pathVia(-scene::AP / 2.0)))
{
}

double Lens::pathVia(double y) const
{
    const Vec2 at{x, y};
    return LightPath().go(m_source, at).go(at, m_target).opticalLength();
}

double Lens::thickness(double y) const
{
    // The way through the lens's middle is the shortest; glass makes up what it lacks of the
    // way round by the rim.
    return m_index > 1 ? (m_rimPath - pathVia(y)) / (m_index - 1) : 0;
}

ArrowFan Lens::fan(int pointsPerHalf) const
{
    assert(pointsPerHalf > 0 && Mirror::sampleCount % pointsPerHalf == 0);
    const int stride = Mirror::sampleCount / pointsPerHalf;
    ArrowFan fan;
    for (MirrorCut::Half half : {MirrorCut::Half::Lower, MirrorCut::Half::Upper}) {
        for (int j = Mirror::firstSample + stride / 2; j <= Mirror::lastSample; j += stride) {
            if (!m_cut.keeps(half, MirrorCut::heightOf(j)))
                continue;
            const double sceneY =
                half == MirrorCut::Half::Lower ? Mirror::lowerY(j) : Mirror::upperY(j);
            const Vec2 at = MapGrid::mapOf({scene::X0 + x, sceneY});
            // The glass delays the light by (n − 1) t over the air it takes the place of.
            const LightPath path = LightPath().go(m_source, at).go(thickness(at.y), m_index - 1);
            fan.add(MapGrid::sceneOf(at), path.opticalLength());
        }
    }
    return fan;
}

} // namespace veltrin
