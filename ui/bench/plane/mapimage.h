// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

namespace veltrin {

class ProbabilityMap;

/// The picture of a probability map, one pixel per grid point with the highest y at the top: one
/// wavenumber on the viridis scale, white light as its colours mixed (`LightMix`). The brightest
/// colour stands for the scale's top, twips of bar; a brighter point saturates.
class MapImage
{
public:
    static QImage of(const ProbabilityMap &map, double top);
    /// On the map's own scale, its brightest point at the top.
    static QImage of(const ProbabilityMap &map);

    /// The colour a wavenumber is drawn in: the main window's red, green and blue for its Low,
    /// Middle and High, and the hues between them (evenly per octave) for the others.
    static QColor colourOf(double wavenumber);
};

} // namespace veltrin
