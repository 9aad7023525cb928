// SPDX-License-Identifier: GPL-3.0-or-later
#include "leasttimepath.h"

#include <cmath>
#include <limits>

namespace veltrin {

LeastTimePath LeastTimePath::through(const ArrowFan &fan, Vec2 detector)
{
    LeastTimePath fastest;
    fastest.time = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < fan.points.size(); ++i) {
        const Vec2 at = fan.points[i];
        const double time =
            fan.pathBefore[i] + fan.index * std::hypot(detector.x - at.x, detector.y - at.y);
        if (time < fastest.time)
            fastest = {i, at, time};
    }
    return fastest;
}

} // namespace veltrin
