// SPDX-License-Identifier: GPL-3.0-or-later
#include "lightmix.h"

#include "mapimage.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

LightMix::LightMix(std::span<const double> wavenumbers)
{
    std::array<double, 3> sum{};
    for (double wavenumber : wavenumbers) {
        const QColor colour = MapImage::colourOf(wavenumber);
        m_weights.push_back({colour.redF(), colour.greenF(), colour.blueF()});
        for (int c = 0; c < 3; ++c)
            sum[c] += m_weights.back()[c];
    }
    for (auto &weight : m_weights) {
        for (int c = 0; c < 3; ++c)
            weight[c] = sum[c] > 0 ? weight[c] / sum[c] : 0;
    }
}

QRgb LightMix::colourOf(std::span<const double> values, double top) const
{
    std::array<double, 3> mixed{};
    const std::size_t count = std::min(values.size(), m_weights.size());
    for (std::size_t i = 0; i < count; ++i) {
        for (int c = 0; c < 3; ++c)
            mixed[c] += values[i] * m_weights[i][c];
    }
    const auto channel = [&](int c) {
        return top > 0 ? std::clamp(int(std::lround(255 * mixed[c] / top)), 0, 255) : 0;
    };
    return qRgb(channel(0), channel(1), channel(2));
}

} // namespace veltrin
