// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrowfan.h"

#include <cmath>

namespace veltrin {

Vec2 ArrowFan::resultantAt(Vec2 detector, double wavenumber, double arrowLength) const
{
    double sumCos = 0;
    double sumSin = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double leg = std::hypot(detector.x - points[i].x, detector.y - points[i].y);
        const double phase = wavenumber * (pathBefore[i] + index * leg);
        sumCos += std::cos(phase);
        sumSin += std::sin(phase);
    }
    const double length = arrowLength * amplitude;
    return {length * sumCos, length * sumSin};
}

} // namespace veltrin
