// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapimage.h"

#include "experiment.h"
#include "lightmix.h"
#include "probabilitymap.h"
#include "viridis.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace veltrin {

QColor MapImage::colourOf(double wavenumber)
{
    const double octaves = std::log2(wavenumber / Experiment::lowestWavenumber);
    return QColor::fromHsvF(float(std::clamp(octaves, 0.0, 2.0) / 3), 1, 1);
}

QImage MapImage::of(const ProbabilityMap &map)
{
    return of(map, map.brightest().value);
}

QImage MapImage::of(const ProbabilityMap &map, double top)
{
    const MapGrid &grid = map.grid();
    QImage image(grid.columns(), grid.rows(), QImage::Format_RGB32);
    if (map.wavenumbers().size() == 1) {
        // The scale's 256 colours once, not a colour per point.
        std::vector<QRgb> scale(256);
        for (int i = 0; i < 256; ++i)
            scale[i] = viridis(i / 255.0).rgb();
        for (int row = 0; row < grid.rows(); ++row) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(grid.rows() - 1 - row));
            for (int column = 0; column < grid.columns(); ++column) {
                const double t = top > 0 ? map.at(column, row) / top : 0;
                line[column] = scale[std::clamp(int(std::lround(t * 255)), 0, 255)];
            }
        }
        return image;
    }

    const LightMix mix(map.wavenumbers());
    std::vector<double> values(map.wavenumbers().size());
    for (int row = 0; row < grid.rows(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(grid.rows() - 1 - row));
        for (int column = 0; column < grid.columns(); ++column) {
            for (std::size_t layer = 0; layer < values.size(); ++layer)
                values[layer] = map.layerAt(int(layer), column, row);
            line[column] = mix.colourOf(values, top);
        }
    }
    return image;
}

} // namespace veltrin
