// SPDX-License-Identifier: GPL-3.0-or-later
#include "slitspot.h"

#include "mapgrid.h"
#include "slits.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

double SlitSpot::width(double slitWidth, Source source, double wavenumber, double distance,
                       double reach)
{
    // An arrow every 10 twips: a tenth of a wavelength or less, and few enough for a curve of
    // widths to be drawn at once.
    constexpr int pointsPerHalf = Mirror::sampleCount / 10;
    const ArrowFan fan = Slits(1, slitWidth, 0, source).fan(0, pointsPerHalf);
    double middle = 0;
    if (source.isPoint()) {
        const Vec2 from = MapGrid::mapOf(source.at());
        middle = from.y * distance / from.x;
    }
    const auto probability = [&](double y) {
        const Vec2 sum =
            fan.resultantAt(MapGrid::sceneOf({distance, y}), wavenumber, PathSum::arrowLength);
        return sum.x * sum.x + sum.y * sum.y;
    };
    const double half = probability(middle) / 2;
    // Out in coarse steps to the first point below half, then halved down to a twip. Beyond the
    // middle's lobe the light stays well below half: a spot still bright at `reach` is wider.
    const auto edge = [&](double direction) {
        if (probability(middle + direction * reach) >= half)
            return reach;
        constexpr double step = 40;
        double inside = 0;
        double outside = step;
        while (probability(middle + direction * outside) >= half) {
            inside = outside;
            outside += step;
            if (inside >= reach)
                return reach;
        }
        while (outside - inside > 1) {
            const double between = (inside + outside) / 2;
            (probability(middle + direction * between) >= half ? inside : outside) = between;
        }
        return std::min((inside + outside) / 2, reach);
    };
    return edge(1) + edge(-1);
}

} // namespace veltrin
