// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapimage.h"

#include "experiment.h"
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
    const MapGrid &grid = map.grid();
    QImage image(grid.columns(), grid.rows(), QImage::Format_RGB32);
    const double peak = map.brightest().value;
    if (map.wavenumbers().size() == 1) {
        // The scale's 256 colours once, not a colour per point.
        std::vector<QRgb> scale(256);
        for (int i = 0; i < 256; ++i)
            scale[i] = viridis(i / 255.0).rgb();
        for (int row = 0; row < grid.rows(); ++row) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(grid.rows() - 1 - row));
            for (int column = 0; column < grid.columns(); ++column) {
                const double t = peak > 0 ? map.at(column, row) / peak : 0;
                line[column] = scale[std::clamp(int(std::lround(t * 255)), 0, 255)];
            }
        }
        return image;
    }

    std::vector<QColor> colours;
    for (double wavenumber : map.wavenumbers())
        colours.push_back(colourOf(wavenumber));
    std::vector<double> rgb(std::size_t(grid.size()) * 3);
    double brightest = 0;
    for (int row = 0; row < grid.rows(); ++row) {
        for (int column = 0; column < grid.columns(); ++column) {
            double *out = &rgb[(std::size_t(row) * grid.columns() + column) * 3];
            for (std::size_t layer = 0; layer < colours.size(); ++layer) {
                const double value = map.layerAt(int(layer), column, row);
                out[0] += value * colours[layer].redF();
                out[1] += value * colours[layer].greenF();
                out[2] += value * colours[layer].blueF();
            }
            brightest = std::max({brightest, out[0], out[1], out[2]});
        }
    }
    for (int row = 0; row < grid.rows(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(grid.rows() - 1 - row));
        for (int column = 0; column < grid.columns(); ++column) {
            const double *in = &rgb[(std::size_t(row) * grid.columns() + column) * 3];
            auto channel = [&](int c) {
                return brightest > 0 ? int(std::lround(255 * in[c] / brightest)) : 0;
            };
            line[column] = qRgb(channel(0), channel(1), channel(2));
        }
    }
    return image;
}

} // namespace veltrin
