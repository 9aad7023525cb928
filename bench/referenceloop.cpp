// SPDX-License-Identifier: GPL-3.0-or-later
#include "referenceloop.h"

#include <cmath>

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

} // namespace veltrin::bench
