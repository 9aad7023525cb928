// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <array>
#include <span>
#include <vector>

namespace veltrin {

/// White light's colours mixed into one: each wavenumber's colour weighted by how bright it is
/// there, each channel divided by that channel's sum over all the colours, so that equal light
/// in every wavenumber is a neutral grey, and white at the top of the scale.
class LightMix
{
public:
    explicit LightMix(std::span<const double> wavenumbers);

    /// The colour of a point where the wavenumbers are as bright as `values` (twips of bar, one
    /// per wavenumber), on a scale whose brightest colour stands for `top`; brighter saturates.
    QRgb colourOf(std::span<const double> values, double top) const;

private:
    std::vector<std::array<double, 3>> m_weights; // per wavenumber, red, green, blue
};

} // namespace veltrin
