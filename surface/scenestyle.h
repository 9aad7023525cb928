// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colour.h"

#include <QRgb>
#include <vector>

namespace veltrin {

/// How the scene looks: what the colours a run draws in are shown as, how wide its rays and bars
/// are drawn, and what goes with them. A run names only the program's own colours; the window
/// chooses the style, and every picture of the scene is drawn in it. The colours are the
/// program's own, whatever the desktop's colour scheme. A default style is the normal look.
struct SceneStyle
{
    /// One of the run's colours, shown as another.
    struct Recolour
    {
        Colour from;
        QRgb to;
    };

    QRgb background = qRgb(192, 192, 192); ///< the picture's ground, and what erases (silver)
    QRgb foreground = qRgb(118, 118, 118); ///< the axis, the mirror and the spirals
    QRgb rays = qRgb(255, 255, 255);       ///< the light rays
    QRgb prompt = qRgb(0, 0, 0);           ///< the words before the first run
    std::vector<Recolour> bars;            ///< bars in colours other than the run's own
    int rayWidening = 0;                   ///< pixels added to the pen the run draws rays with
    int barWidening = 0;                   ///< pixels added to the pen of a recoloured bar

    /// The colour a run's colour is shown in.
    QRgb shown(Colour colour) const;
    /// The width a line is drawn with that the run draws with a pen this wide in this colour.
    int penWidth(int pixels, Colour colour) const;
};

} // namespace veltrin
