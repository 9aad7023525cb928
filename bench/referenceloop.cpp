// SPDX-License-Identifier: GPL-3.0-or-later
#include "referenceloop.h"

#include <cmath>
#include <initializer_list>

namespace veltrin::bench {

double referenceLoop()
{
    // The default run: K = 0.00005, Middle frequency; the scene of the Start command.
    constexpr double k = 0.00005;
    constexpr double frequency = 0.02;
    constexpr double x0 = 2500, xs = 11000, y0 = 4500, ytop = 1500;
    double cx = 0;
    double cy = 0;
    for (double xd = x0; xd < xs; xd += 60) {
        cx = 0;
        cy = 0;
        for (int j = 3001; j <= 6000; ++j) {
            const double u = 2950 - j;
            const double xm = k * u * u;
            const double height = ytop + j - y0;
            const double across = xd - xm - x0;
            const double phase =
                ((xs - xm) + std::sqrt(height * height + across * across)) * frequency;
            cx += 0.5 * std::cos(phase);
            cy += 0.5 * std::sin(phase);
        }
    }
    return cx * cx + cy * cy;
}

double referenceMap(int rows)
{
    constexpr double k = 0.0001;
    constexpr double wavenumber = 0.02;
    constexpr double x0 = 2500, xs = 11000, y0 = 4500, ytop = 1500, ybot = 7500;
    double total = 0;
    for (int row = 0; row < rows; ++row) {
        const double yd = y0 - (-3000 + 20 * row);
        for (int column = 0; column < 425; ++column) {
            const double xd = x0 + 20 * column;
            double cx = 0;
            double cy = 0;
            for (int j = 3001; j <= 6000; ++j) {
                const double u = 2950 - j;
                const double xm = k * u * u;
                const double across = xd - xm - x0;
                for (const double ym : {ytop + j, ybot - j}) {
                    const double up = ym - yd;
                    const double phase =
                        ((xs - xm) + std::sqrt(up * up + across * across)) * wavenumber;
                    cx += 0.5 * std::cos(phase);
                    cy += 0.5 * std::sin(phase);
                }
            }
            total += (cx * cx + cy * cy) / 4 * 0.001;
        }
    }
    return total;
}

} // namespace veltrin::bench
